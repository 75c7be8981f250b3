// Date serials and their parts over the whole range (the text forms CDate
// reads are in tests/scripts/library/dates.vbs).
#include "runtime/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

using namespace vbs;

namespace {

// "year-month-day hour:minute:second" of a serial, or "invalid".
std::string at(double serial)
{
    DateParts p;
    char text[64] = "invalid";
    if (partsFromSerial(serial, p))
        std::snprintf(text, sizeof text, "%d-%d-%d %d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                      p.second);
    return text;
}

} // namespace

TEST(DateSerial, EveryDayRoundTripsAndFollowsTheDayBefore)
{
    EXPECT_EQ(at(MinDateSerial), "100-1-1 0:00:00");
    EXPECT_EQ(at(MaxDateSerial), "9999-12-31 0:00:00");
    DateParts prev;
    ASSERT_TRUE(partsFromSerial(MinDateSerial, prev));
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
    EXPECT_EQ(at(1e10), "invalid");
}

TEST(DateSerial, TimeOfNegativeSerialsCountsForward)
{
    EXPECT_EQ(at(-1.25), "1899-12-29 6:00:00");
    EXPECT_EQ(at(-0.5), "1899-12-30 12:00:00");
    EXPECT_EQ(joinSerial(-1, 0.25), -1.25);
    // A time that rounds up to midnight moves to the next calendar day.
    EXPECT_EQ(at(1.999999999), "1900-1-1 0:00:00");
    EXPECT_EQ(at(-1.999999999), "1899-12-30 0:00:00");
    EXPECT_EQ(at(MaxDateSerial + 0.999999999), "9999-12-31 23:59:59");
    EXPECT_EQ(serialFromTime(18, 51, 3) * 86400, 67863);
}

