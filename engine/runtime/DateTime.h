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

} // namespace vbs
