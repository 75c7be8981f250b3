// Dates: a Date is a Double of days since 30 December 1899; the fraction is
// the time of day (for negative serials the fraction still counts forward
// from midnight, as the language does). Locale: United States English.
#pragma once

#include "runtime/Str.h"

namespace vbs {

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// Serial of a calendar date; month and day out of range roll over as
// DateSerial does. False when the result leaves 1/1/100 .. 12/31/9999.
bool serialFromDate(int year, int month, int day, double& out) noexcept;
double serialFromTime(int hour, int minute, int second) noexcept; // fraction, may roll
bool partsFromSerial(double serial, DateParts& out) noexcept; // false out of range
bool isValidDateSerial(double serial) noexcept;

// CStr of a Date: "12/6/2026", "6:51:03 PM", or both; a whole serial shows
// the date only, a serial below one day the time only.
Str formatDateGeneral(double serial);
Str formatDateShort(double serial); // 12/6/2026
Str formatDateLong(double serial); // Sunday, December 6, 2026
Str formatTimeLong(double serial); // 6:51:03 PM
Str formatTimeShort(double serial); // 18:51

// CDate / IsDate / DateValue / TimeValue parsing of text: US month/day order,
// month names, times with AM/PM. False when the text is not a date.
bool parseDateTime(std::u16string_view text, double& out);

// Bounds of the valid serials (1/1/100 00:00 .. 12/31/9999 23:59:59).
constexpr double MinDateSerial = -657434.0;
constexpr double MaxDateSerial = 2958465.0;

// Splits a serial into its calendar day number (the truncated part, after
// rounding the time to the second) and seconds since midnight (0..86399).
void splitSerial(double serial, double& day, int& seconds) noexcept;
// The inverse: a day number and a time fraction (0 <= fraction < 1 counts
// forward from midnight even before 12/30/1899).
double joinSerial(double day, double timeFraction) noexcept;
int weekdayOfSerial(double serial) noexcept; // 1 = Sunday .. 7 = Saturday
int daysInMonth(int year, int month) noexcept;

// English names: month 1..12, weekday 1 = Sunday .. 7.
std::u16string_view monthName(int month, bool abbreviate) noexcept;
std::u16string_view weekdayName(int weekday, bool abbreviate) noexcept;

// The local clock: Now (whole seconds) and Timer (seconds since midnight,
// with fractions).
double nowSerial();
double secondsSinceMidnight();

} // namespace vbs
