// Date and time functions. Dates are serials (see runtime/DateTime.h);
// arithmetic on times runs on whole seconds, the resolution of a Date's
// parts. Locale: United States English (weeks start on Sunday, week 1 is
// the week of January 1). Object arguments are read through their default
// member first; Empty reads as 0 (12/30/1899 00:00) wherever a date or a
// number is expected.
#include "library/DateArgs.h"

#include <cmath>
#include <limits>

namespace vbs::lib {

Result<double> dateArg(const Variant& v)
{
    TRY_ASSIGN(serial, toDate(v));
    if (!isValidDateSerial(serial))
        return invalidArgument();
    return serial;
}

Result<int> firstDayArg(Args args, size_t i)
{
    TRY_ASSIGN(day, longArg(args, i, 1));
    if (day < 0 || day > 7)
        return invalidArgument();
    return day == 0 ? 1 : static_cast<int>(day);
}

Result<int> firstWeekArg(Args args, size_t i)
{
    TRY_ASSIGN(week, longArg(args, i, 1));
    if (week < 0 || week > 3)
        return invalidArgument();
    return week == 0 ? 1 : static_cast<int>(week);
}

int64_t linearSeconds(double serial) noexcept
{
    double day = 0.0;
    int secs = 0;
    splitSerial(serial, day, secs);
    return static_cast<int64_t>(day) * 86400 + secs;
}

bool serialFromLinear(int64_t seconds, double& out) noexcept
{
    constexpr int64_t Low = static_cast<int64_t>(MinDateSerial) * 86400;
    constexpr int64_t High = (static_cast<int64_t>(MaxDateSerial) + 1) * 86400;
    if (seconds < Low || seconds >= High)
        return false;
    const int64_t day = floorDiv(seconds, 86400);
    out = joinSerial(static_cast<double>(day), static_cast<double>(seconds - day * 86400) / 86400.0);
    return true;
}

int weekdayFrom(double serial, int firstDay) noexcept
{
    return (weekdayOfSerial(serial) - firstDay + 7) % 7 + 1;
}

namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

// yyyy q m y d w ww h n s, in any case; 5 for anything else, 94 for Null.
Result<Interval> intervalArg(Args args, size_t i)
{
    TRY_ASSIGN(t, text(args, i));
    if (t.isNull())
        return nullUse();
    static constexpr std::pair<std::u16string_view, Interval> Names[] = { { u"yyyy", Interval::Year },
        { u"q", Interval::Quarter }, { u"m", Interval::Month }, { u"y", Interval::DayOfYear },
        { u"d", Interval::Day }, { u"w", Interval::Weekday }, { u"ww", Interval::Week },
        { u"h", Interval::Hour }, { u"n", Interval::Minute }, { u"s", Interval::Second } };
    for (const auto& [name, interval] : Names) {
        if (equalsIgnoreCase(t.view(), name))
            return interval;
    }
    return invalidArgument();
}

Result<bool> boolArg(Args args, size_t i, bool fallback)
{
    if (!present(args, i))
        return fallback;
    TRY_ASSIGN(v, value(args, i));
    if (v.isNull())
        return nullUse();
    return toBool(v);
}

int64_t linearDay(double serial) noexcept
{
    return floorDiv(linearSeconds(serial), 86400);
}

DateParts partsOf(double serial) noexcept
{
    DateParts p;
    partsFromSerial(serial, p);
    return p;
}

bool isLeapYear(int year) noexcept
{
    return daysInMonth(year, 2) == 29;
}

int64_t januaryFirst(int year) noexcept
{
    double serial = 0.0;
    if (serialFromDate(year, 1, 1, serial))
        return static_cast<int64_t>(serial);
    // Year 99 (before the range): one common year before 1/1/100.
    return static_cast<int64_t>(MinDateSerial) - (isLeapYear(year) ? 366 : 365);
}

int64_t weekStart(int64_t day, int firstDay) noexcept
{
    const int weekday = static_cast<int>(((day + 6) % 7 + 7) % 7) + 1; // day 0 was a Saturday
    return day - (weekday - firstDay + 7) % 7;
}

// First day of week 1 of `year`: the week of January 1, the first week with
// four days in the year, or the first full week.
int64_t weekOneStart(int year, int firstDay, int firstWeek) noexcept
{
    const int64_t jan1 = januaryFirst(year);
    const int64_t start = weekStart(jan1, firstDay);
    const int64_t daysBefore = jan1 - start;
    if ((firstWeek == 2 && daysBefore > 3) || (firstWeek == 3 && daysBefore > 0))
        return start + 7;
    return start;
}

int weekOfYear(double serial, int firstDay, int firstWeek) noexcept
{
    const int64_t day = linearDay(serial);
    const int year = partsOf(serial).year;
    if (firstWeek != 1 && year < 9999 && day >= weekOneStart(year + 1, firstDay, firstWeek))
        return 1;
    int64_t start = weekOneStart(year, firstDay, firstWeek);
    if (day < start)
        start = weekOneStart(year - 1, firstDay, firstWeek);
    return static_cast<int>((day - start) / 7 + 1);
}

// A part of DateSerial or TimeSerial: an Integer, read as CInt reads it, so
// one beyond -32768..32767 is 6.
Result<int32_t> serialPart(Args args, size_t i)
{
    TRY_ASSIGN(part, toInteger(args[i].deref()));
    return int32_t(part);
}

Result<Variant> dateResult(bool ok, double serial)
{
    if (!ok)
        return invalidArgument();
    return Variant::fromDate(serial);
}

// Adds months keeping the time; a day past the new month's end clamps to it.
Result<Variant> addMonths(double serial, int64_t months)
{
    const DateParts p = partsOf(serial);
    const int64_t index = static_cast<int64_t>(p.year) * 12 + (p.month - 1) + months;
    const int64_t year = floorDiv(index, 12);
    if (year < 100 || year > 9999)
        return invalidArgument();
    const int month = static_cast<int>(index - year * 12) + 1;
    const int day = std::min(p.day, daysInMonth(static_cast<int>(year), month));
    double date = 0.0;
    serialFromDate(static_cast<int>(year), month, day, date);
    const int secs = p.hour * 3600 + p.minute * 60 + p.second;
    return dateResult(true, joinSerial(date, secs / 86400.0));
}

Result<Variant> addSeconds(double serial, double seconds)
{
    if (std::fabs(seconds) > 1e15)
        return invalidArgument();
    double out = 0.0;
    const bool ok = serialFromLinear(linearSeconds(serial) + static_cast<int64_t>(seconds), out);
    return dateResult(ok, out);
}

Result<Variant> longResult(int64_t v)
{
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return fail(ErrorCode::Overflow);
    return Variant::fromLong(static_cast<int32_t>(v));
}

// Reads argument i as a date; `isNull` tells the caller to return Null.
Result<double> nullableDate(Args args, size_t i, bool& isNull)
{
    TRY_ASSIGN(v, value(args, i));
    isNull = v.isNull();
    if (isNull)
        return 0.0;
    return dateArg(v);
}

// ---- the clock -------------------------------------------------------------

// Now: the local date and time (Date, whole seconds).
Result<Variant> fnNow(BuiltinContext&, Args)
{
    return Variant::fromDate(nowSerial());
}

// Date: today (Date, no time part).
Result<Variant> fnDate(BuiltinContext&, Args)
{
    return Variant::fromDate(std::trunc(nowSerial()));
}

// Time: the time of day (Date on 12/30/1899).
Result<Variant> fnTime(BuiltinContext&, Args)
{
    const double now = nowSerial();
    return Variant::fromDate(now - std::trunc(now));
}

// Timer: seconds since midnight as a Single, with hundredths.
Result<Variant> fnTimer(BuiltinContext&, Args)
{
    return Variant::fromSingle(static_cast<float>(std::floor(secondsSinceMidnight() * 100.0) / 100.0));
}

// ---- parts of a date -------------------------------------------------------

// Year/Month/Day/Hour/Minute/Second(date): Integer. Null gives Null, Empty
// is 12/30/1899 00:00; text is read as CDate reads it (13 when not a date).
template <int DateParts::*Field>
Result<Variant> fnPart(BuiltinContext&, Args args)
{
    bool isNull = false;
    TRY_ASSIGN(serial, nullableDate(args, 0, isNull));
    if (isNull)
        return Variant::null();
    return Variant::fromInteger(static_cast<int16_t>(partsOf(serial).*Field));
}

// Weekday(date[, firstdayofweek]): 1..7 counted from firstdayofweek
// (default Sunday). Null date gives Null; firstdayofweek outside 0..7 is 5.
Result<Variant> fnWeekday(BuiltinContext&, Args args)
{
    bool isNull = false;
    TRY_ASSIGN(serial, nullableDate(args, 0, isNull));
    TRY_ASSIGN(firstDay, firstDayArg(args, 1));
    if (isNull)
        return Variant::null();
    return Variant::fromInteger(static_cast<int16_t>(weekdayFrom(serial, firstDay)));
}

// MonthName(month[, abbreviate]): "January" or "Jan". Month outside 1..12
// is 5; Null is 94.
Result<Variant> fnMonthName(BuiltinContext&, Args args)
{
    TRY_ASSIGN(month, longArg(args, 0, 0));
    TRY_ASSIGN(abbreviate, boolArg(args, 1, false));
    if (month < 1 || month > 12)
        return invalidArgument();
    return makeString(monthName(month, abbreviate));
}

// WeekdayName(weekday[, abbreviate[, firstdayofweek]]): weekday 1..7 counted
// from firstdayofweek (default Sunday); otherwise 5. Null is 94.
Result<Variant> fnWeekdayName(BuiltinContext&, Args args)
{
    TRY_ASSIGN(weekday, longArg(args, 0, 0));
    TRY_ASSIGN(abbreviate, boolArg(args, 1, false));
    TRY_ASSIGN(firstDay, firstDayArg(args, 2));
    if (weekday < 1 || weekday > 7)
        return invalidArgument();
    return makeString(weekdayName((weekday + firstDay - 2) % 7 + 1, abbreviate));
}

// ---- building dates --------------------------------------------------------

// DateSerial(year, month, day): months and days outside their range roll
// over into the neighbouring years and months, negative ones backwards;
// years 0..99 are 1900..1999. Null is 94; a part beyond an Integer is 6; a
// result outside 100..9999 is 5.
Result<Variant> fnDateSerial(BuiltinContext&, Args args)
{
    TRY_ASSIGN(year, serialPart(args, 0));
    TRY_ASSIGN(month, serialPart(args, 1));
    TRY_ASSIGN(day, serialPart(args, 2));
    if (year >= 0 && year <= 99)
        year += 1900;
    double serial = 0.0;
    const bool ok = serialFromDate(year, month, day, serial);
    return dateResult(ok, serial);
}

// TimeSerial(hour, minute, second): parts roll over, also across days
// (TimeSerial(25, 0, 0) is 12/31/1899 1:00:00 AM, TimeSerial(0, -1, 0)
// 12/29/1899 11:59:00 PM). Null is 94; a part beyond an Integer is 6.
Result<Variant> fnTimeSerial(BuiltinContext&, Args args)
{
    TRY_ASSIGN(hour, serialPart(args, 0));
    TRY_ASSIGN(minute, serialPart(args, 1));
    TRY_ASSIGN(second, serialPart(args, 2));
    const int64_t total = static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 + second;
    double serial = 0.0;
    const bool ok = serialFromLinear(total, serial);
    return dateResult(ok, serial);
}

// DateValue(date): the date part (a time alone gives 12/30/1899). Null gives
// Null; text that is not a date is 13.
Result<Variant> fnDateValue(BuiltinContext&, Args args)
{
    bool isNull = false;
    TRY_ASSIGN(serial, nullableDate(args, 0, isNull));
    if (isNull)
        return Variant::null();
    double day = 0.0;
    int secs = 0;
    splitSerial(serial, day, secs);
    return Variant::fromDate(day);
}

// TimeValue(time): the time part, on 12/30/1899. Null gives Null; text that
// is not a date or time is 13.
Result<Variant> fnTimeValue(BuiltinContext&, Args args)
{
    bool isNull = false;
    TRY_ASSIGN(serial, nullableDate(args, 0, isNull));
    if (isNull)
        return Variant::null();
    double day = 0.0;
    int secs = 0;
    splitSerial(serial, day, secs);
    return Variant::fromDate(secs / 86400.0);
}

// ---- arithmetic ------------------------------------------------------------

// DateAdd(interval, number, date): number is rounded to a whole count; months,
// quarters and years clamp the day to the new month's end (1/31 + 1 month is
// 2/28). Null date gives Null, Null number or interval 94; a result outside
// the range of dates is 5.
Result<Variant> fnDateAdd(BuiltinContext&, Args args)
{
    TRY_ASSIGN(interval, intervalArg(args, 0));
    TRY_ASSIGN(number, doubleArg(args, 1));
    bool isNull = false;
    TRY_ASSIGN(serial, nullableDate(args, 2, isNull));
    if (isNull)
        return Variant::null();
    const double count = roundHalfEven(number);
    // Even in seconds, 1e12 intervals leave the range of dates: no larger
    // count reaches the arithmetic, which stays within 64 bits.
    if (!std::isfinite(count) || std::fabs(count) > 1e12)
        return invalidArgument();
    const auto n = static_cast<int64_t>(count);
    switch (interval) {
    case Interval::Year: return addMonths(serial, n * 12);
    case Interval::Quarter: return addMonths(serial, n * 3);
    case Interval::Month: return addMonths(serial, n);
    case Interval::Week: return addSeconds(serial, count * 7 * 86400);
    case Interval::Hour: return addSeconds(serial, count * 3600);
    case Interval::Minute: return addSeconds(serial, count * 60);
    case Interval::Second: return addSeconds(serial, count);
    default: return addSeconds(serial, count * 86400); // y, d, w: days
    }
}

int64_t monthIndex(const DateParts& p) noexcept
{
    return static_cast<int64_t>(p.year) * 12 + p.month - 1;
}

// DateDiff(interval, date1, date2[, firstdayofweek[, firstweekofyear]]):
// Long count of interval boundaries crossed from date1 to date2 (negative
// when date2 is earlier). "w" counts whole weeks, "ww" the firstdayofweek
// days passed (date2 counted, date1 not). Null date gives Null; a count
// beyond Long is 6.
Result<Variant> fnDateDiff(BuiltinContext&, Args args)
{
    TRY_ASSIGN(interval, intervalArg(args, 0));
    bool null1 = false, null2 = false;
    TRY_ASSIGN(d1, nullableDate(args, 1, null1));
    TRY_ASSIGN(d2, nullableDate(args, 2, null2));
    TRY_ASSIGN(firstDay, firstDayArg(args, 3));
    TRY_ASSIGN(firstWeek, firstWeekArg(args, 4));
    (void)firstWeek; // accepted and checked; week counts do not depend on it
    if (null1 || null2)
        return Variant::null();
    const DateParts p1 = partsOf(d1), p2 = partsOf(d2);
    const int64_t s1 = linearSeconds(d1), s2 = linearSeconds(d2);
    const int64_t day1 = floorDiv(s1, 86400), day2 = floorDiv(s2, 86400);
    switch (interval) {
    case Interval::Year: return longResult(p2.year - p1.year);
    case Interval::Quarter: return longResult((monthIndex(p2) / 3) - (monthIndex(p1) / 3));
    case Interval::Month: return longResult(monthIndex(p2) - monthIndex(p1));
    case Interval::DayOfYear:
    case Interval::Day: return longResult(day2 - day1);
    case Interval::Weekday: return longResult((day2 - day1) / 7);
    case Interval::Week: return longResult((weekStart(day2, firstDay) - weekStart(day1, firstDay)) / 7);
    case Interval::Hour: return longResult(floorDiv(s2, 3600) - floorDiv(s1, 3600));
    case Interval::Minute: return longResult(floorDiv(s2, 60) - floorDiv(s1, 60));
    case Interval::Second: return longResult(s2 - s1);
    }
    return invalidArgument();
}

// DatePart(interval, date[, firstdayofweek[, firstweekofyear]]): Integer.
// "y" is the day of the year, "w" the weekday from firstdayofweek, "ww" the
// week of the year by firstweekofyear (1: week of January 1, 2: first week
// with four days, 3: first full week; days before week 1 belong to the last
// week of the year before, days after the last week to week 1). Null date
// gives Null.
Result<Variant> fnDatePart(BuiltinContext&, Args args)
{
    TRY_ASSIGN(interval, intervalArg(args, 0));
    bool isNull = false;
    TRY_ASSIGN(serial, nullableDate(args, 1, isNull));
    TRY_ASSIGN(firstDay, firstDayArg(args, 2));
    TRY_ASSIGN(firstWeek, firstWeekArg(args, 3));
    if (isNull)
        return Variant::null();
    const DateParts p = partsOf(serial);
    int part = 0;
    switch (interval) {
    case Interval::Year: part = p.year; break;
    case Interval::Quarter: part = (p.month - 1) / 3 + 1; break;
    case Interval::Month: part = p.month; break;
    case Interval::DayOfYear: part = static_cast<int>(linearDay(serial) - januaryFirst(p.year)) + 1; break;
    case Interval::Day: part = p.day; break;
    case Interval::Weekday: part = weekdayFrom(serial, firstDay); break;
    case Interval::Week: part = weekOfYear(serial, firstDay, firstWeek); break;
    case Interval::Hour: part = p.hour; break;
    case Interval::Minute: part = p.minute; break;
    case Interval::Second: part = p.second; break;
    }
    return Variant::fromInteger(static_cast<int16_t>(part));
}

constexpr BuiltinFunction DateTable[] = {
    VBS_FN(Date, 0, 0, fnDate),
    VBS_FN(DateAdd, 3, 3, fnDateAdd),
    VBS_FN(DateDiff, 3, 5, fnDateDiff),
    VBS_FN(DatePart, 2, 4, fnDatePart),
    VBS_FN(DateSerial, 3, 3, fnDateSerial),
    VBS_FN(DateValue, 1, 1, fnDateValue),
    VBS_FN(Day, 1, 1, fnPart<&DateParts::day>),
    VBS_FN(Hour, 1, 1, fnPart<&DateParts::hour>),
    VBS_FN(Minute, 1, 1, fnPart<&DateParts::minute>),
    VBS_FN(Month, 1, 1, fnPart<&DateParts::month>),
    VBS_FN(MonthName, 1, 2, fnMonthName),
    VBS_FN(Now, 0, 0, fnNow),
    VBS_FN(Second, 1, 1, fnPart<&DateParts::second>),
    VBS_FN(Time, 0, 0, fnTime),
    VBS_FN(Timer, 0, 0, fnTimer),
    VBS_FN(TimeSerial, 3, 3, fnTimeSerial),
    VBS_FN(TimeValue, 1, 1, fnTimeValue),
    VBS_FN(Weekday, 1, 2, fnWeekday),
    VBS_FN(WeekdayName, 1, 3, fnWeekdayName),
    VBS_FN(Year, 1, 1, fnPart<&DateParts::year>),
};

} // namespace

} // namespace vbs::lib

namespace vbs {

std::span<const BuiltinFunction> dateFunctions()
{
    return lib::DateTable;
}

} // namespace vbs
