// Date serials and their parts over the whole range (the text forms CDate
// reads are in tests/scripts/library/dates.vbs).
#include "runtime/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace vbs;

TEST(DateSerial, EveryDayRoundTripsAndFollowsTheDayBefore)
{
    DateParts prev;
    ASSERT_TRUE(partsFromSerial(MinDateSerial, prev));
    EXPECT_EQ(prev.year, 100);
    EXPECT_EQ(prev.month, 1);
    EXPECT_EQ(prev.day, 1);
    for (double s = MinDateSerial + 1; s <= MaxDateSerial; s += 1.0) {
        DateParts p;
        ASSERT_TRUE(partsFromSerial(s, p)) << s;
        const bool nextInMonth = p.year == prev.year && p.month == prev.month && p.day == prev.day + 1;
        const bool nextMonth = p.day == 1 && prev.day == daysInMonth(prev.year, prev.month)
            && ((p.month == prev.month + 1 && p.year == prev.year)
                || (p.month == 1 && prev.month == 12 && p.year == prev.year + 1));
        ASSERT_TRUE(nextInMonth || nextMonth) << s;
        double back = 0.0;
        ASSERT_TRUE(serialFromDate(p.year, p.month, p.day, back));
        ASSERT_EQ(back, s);
        prev = p;
    }
    EXPECT_EQ(prev.year, 9999);
    EXPECT_EQ(prev.month, 12);
    EXPECT_EQ(prev.day, 31);
}

TEST(DateSerial, RangeLimits)
{
    double s = 0.0;
    EXPECT_FALSE(serialFromDate(99, 12, 31, s));
    EXPECT_TRUE(isValidDateSerial(MaxDateSerial + 0.99));
    EXPECT_TRUE(isValidDateSerial(MinDateSerial - 0.99));
    EXPECT_FALSE(isValidDateSerial(MaxDateSerial + 1));
    EXPECT_FALSE(isValidDateSerial(MinDateSerial - 1));
    EXPECT_FALSE(isValidDateSerial(std::nan("")));
    DateParts p;
    EXPECT_FALSE(partsFromSerial(1e10, p));
}

TEST(DateSerial, TimeOfNegativeSerialsCountsForward)
{
    DateParts p;
    ASSERT_TRUE(partsFromSerial(-1.25, p));
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 6);
    ASSERT_TRUE(partsFromSerial(-0.5, p));
    EXPECT_EQ(p.day, 30);
    EXPECT_EQ(p.hour, 12);
    EXPECT_EQ(joinSerial(-1, 0.25), -1.25);
    // A time that rounds up to midnight moves to the next calendar day.
    ASSERT_TRUE(partsFromSerial(1.999999999, p));
    EXPECT_EQ(p.year, 1900);
    EXPECT_EQ(p.day, 1);
    EXPECT_EQ(p.hour, 0);
    ASSERT_TRUE(partsFromSerial(-1.999999999, p));
    EXPECT_EQ(p.day, 30);
    EXPECT_EQ(p.hour, 0);
    ASSERT_TRUE(partsFromSerial(MaxDateSerial + 0.999999999, p));
    EXPECT_EQ(p.year, 9999);
    EXPECT_EQ(p.hour * 3600 + p.minute * 60 + p.second, 86399);
    EXPECT_EQ(serialFromTime(18, 51, 3) * 86400, 67863);
}

