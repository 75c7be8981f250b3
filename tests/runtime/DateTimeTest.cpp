// Date serials and their parts over the whole range, the text forms, and the
// reading of date text.
#include "runtime/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace vbs;

namespace {

double serialOf(int y, int m, int d)
{
    double s = 0.0;
    EXPECT_TRUE(serialFromDate(y, m, d, s)) << y << "-" << m << "-" << d;
    return s;
}

} // namespace

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

TEST(DateSerial, KnownDays)
{
    EXPECT_EQ(serialOf(1899, 12, 30), 0);
    EXPECT_EQ(serialOf(1900, 1, 1), 2);
    EXPECT_EQ(serialOf(1900, 2, 28), 60); // no phantom 2/29/1900
    EXPECT_EQ(serialOf(1900, 3, 1), 61);
    EXPECT_EQ(serialOf(2026, 12, 6), 46362);
    EXPECT_EQ(weekdayOfSerial(0), 7); // Saturday
    EXPECT_EQ(weekdayOfSerial(46362), 1); // Sunday
    EXPECT_EQ(weekdayOfSerial(-1), 6);
    EXPECT_EQ(weekdayOfSerial(MinDateSerial), 6); // 1/1/100 was a Friday
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

TEST(DateSerial, MonthsAndDaysRollOver)
{
    // More rows in tests/scripts/library/dates-serial.vbs.
    EXPECT_EQ(serialOf(2026, 0, 0), serialOf(2025, 11, 30));
    EXPECT_EQ(serialOf(2026, -13, 1), serialOf(2024, 11, 1));
    EXPECT_EQ(serialOf(2024, 2, 29) + 1, serialOf(2024, 3, 1));
    EXPECT_EQ(serialOf(2026, 1, -30), serialOf(2025, 12, 1));
    // Out of range before rolling, inside after.
    EXPECT_EQ(serialOf(10000, 1, -5), serialOf(9999, 12, 26));
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

struct ParseCase {
    const char* text;
    int year, month, day, hour, minute, second;
};

// year 0 means "this year": the text names no year.
const ParseCase Valid[] = {
    { "12-6-2026", 2026, 12, 6, 0, 0, 0 },
    { "12.6.2026", 2026, 12, 6, 0, 0, 0 },
    { "2026-12-06", 2026, 12, 6, 0, 0, 0 },
    { "2026/12/6", 2026, 12, 6, 0, 0, 0 },
    { "december 6 2026", 2026, 12, 6, 0, 0, 0 },
    { "6 Dec 2026", 2026, 12, 6, 0, 0, 0 },
    { "6-Dec-2026", 2026, 12, 6, 0, 0, 0 },
    { "Dec 6, 2026", 2026, 12, 6, 0, 0, 0 },
    { "Sept 6, 2026", 2026, 9, 6, 0, 0, 0 },
    { "2026 Dec 6", 2026, 12, 6, 0, 0, 0 },
    { "Dec 2026", 2026, 12, 1, 0, 0, 0 },
    { "Wednesday, December 16, 2026", 2026, 12, 16, 0, 0, 0 },
    { "  12/6/2026  ", 2026, 12, 6, 0, 0, 0 },
    { "1/1/29", 2029, 1, 1, 0, 0, 0 },
    { "1/1/30", 1930, 1, 1, 0, 0, 0 },
    { "1/1/00", 2000, 1, 1, 0, 0, 0 },
    { "1/1/100", 100, 1, 1, 0, 0, 0 },
    { "12/31/9999", 9999, 12, 31, 0, 0, 0 },
    { "13/12/2026", 2026, 12, 13, 0, 0, 0 }, // day first when the month cannot be
    { "31/1/2026", 2026, 1, 31, 0, 0, 0 },
    { "12/2026", 2026, 12, 1, 0, 0, 0 },
    { "1/35", 1935, 1, 1, 0, 0, 0 },
    { "2/29/2024", 2024, 2, 29, 0, 0, 0 },
    { "12/6", 0, 12, 6, 0, 0, 0 },
    { "Dec 6", 0, 12, 6, 0, 0, 0 },
    { "6:51PM", 1899, 12, 30, 18, 51, 0 },
    { "6:51 pm", 1899, 12, 30, 18, 51, 0 },
    { "6 PM", 1899, 12, 30, 18, 0, 0 },
    { "12:00 AM", 1899, 12, 30, 0, 0, 0 },
    { "12:30 PM", 1899, 12, 30, 12, 30, 0 },
    { "0:00", 1899, 12, 30, 0, 0, 0 },
    { "6:51:03 PM 12/6/2026", 2026, 12, 6, 18, 51, 3 },
    { "December 6, 2026 6:51 AM", 2026, 12, 6, 6, 51, 0 },
    { "December 6, 2026, 6:51 AM", 2026, 12, 6, 6, 51, 0 },
};

const char* const Invalid[] = { "   ", "12", "13/13/2026",
    "1/1/10000", "0/0/2026", "12//6/2026", "-1/2/2026", "12/6/2026/", "12/6/2026-", ",12/6/2026", "12:60",
    "18:51 PM", "13:00 AM", "12/6/2026 24:00", "6:51 PM 7:00 PM", "1/2/3/4", "Dec Jan 6",
    "12/6/2026 x", "PM", "6:", ":30", "1e5", "$12/6/2026", "Decembre 6, 2026", "12:00:00:00" };

TEST(DateParse, AcceptedForms)
{
    DateParts today;
    ASSERT_TRUE(partsFromSerial(nowSerial(), today));
    for (const ParseCase& c : Valid) {
        const std::string text = c.text;
        double serial = -1e9;
        ASSERT_TRUE(parseDateTime(std::u16string(text.begin(), text.end()), serial)) << text;
        DateParts p;
        ASSERT_TRUE(partsFromSerial(serial, p)) << text;
        EXPECT_EQ(p.year, c.year ? c.year : today.year) << text;
        EXPECT_EQ(p.month, c.month) << text;
        EXPECT_EQ(p.day, c.day) << text;
        EXPECT_EQ(p.hour * 3600 + p.minute * 60 + p.second, c.hour * 3600 + c.minute * 60 + c.second)
            << text;
    }
}

TEST(DateParse, RejectedForms)
{
    for (const char* c : Invalid) {
        const std::string text = c;
        double serial = 0.0;
        EXPECT_FALSE(parseDateTime(std::u16string(text.begin(), text.end()), serial)) << text;
    }
    double serial = 0.0;
    EXPECT_FALSE(parseDateTime(u"12/6/2026\u00e9", serial));
    EXPECT_FALSE(parseDateTime(u"99999999999/1/1", serial));
}

TEST(DateParse, TimeOnTheFirstDayCountsForwardFromItsSerial)
{
    double serial = 0.0;
    ASSERT_TRUE(parseDateTime(u"1/1/100 12:00 PM", serial));
    EXPECT_DOUBLE_EQ(serial, MinDateSerial - 0.5);
}
