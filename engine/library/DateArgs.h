// Date arithmetic shared by the date and formatting functions: argument
// readers for dates and the week options, and the linear time scale that
// DateAdd and DateDiff count on.
#pragma once

#include "library/LibraryArgs.h"
#include "runtime/DateTime.h"

#include <cstdint>

namespace vbs::lib {

// A date argument as CDate reads it (numbers are serials, text is parsed:
// 13 otherwise; 5 beyond 1/1/100 .. 12/31/9999). The caller checks Null.
Result<double> dateArg(const Variant& v);

// firstdayofweek: 0 (system: Sunday) .. 7, 5 otherwise; resolved to 1..7.
Result<int> firstDayArg(Args args, size_t i);
// firstweekofyear: 0 (system: Jan 1) .. 3, 5 otherwise; resolved to 1..3.
Result<int> firstWeekArg(Args args, size_t i);

// Seconds since 12/30/1899 00:00 on a straight time line (serials before
// that count their time forward from midnight, so they are not linear).
int64_t linearSeconds(double serial) noexcept;
// Back to a serial; false when it leaves the valid range.
bool serialFromLinear(int64_t seconds, double& out) noexcept;

inline int64_t floorDiv(int64_t a, int64_t b) noexcept
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Weekday of a serial counted from firstDay (1..7): 1 on firstDay itself.
int weekdayFrom(double serial, int firstDay) noexcept;

} // namespace vbs::lib
