// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in the
// United States English locale: "." decimal point, "," groups of three,
// "$" before the amount, negative amounts of money in parentheses. Object
// arguments are read through their default member first.
#include "library/DateArgs.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vbs::lib {

namespace {

// The tristate arguments: vbUseDefault (-2), vbFalse (0), vbTrue (-1; any
// other non-zero value counts as true).
constexpr int32_t UseDefault = -2;

struct NumberStyle {
    int digits = 2;
    bool leadingDigit = true;
    bool parens = false;
    bool group = true;
};

enum class NumberKind { Plain, Currency, Percent };

// A number as decimal digits: the value is 0.DIGITS times 10^pointAt.
struct Decimal {
    std::string digits;
    int pointAt = 1;
    bool negative = false;
};

// A Double by its 15 significant digits (the precision a Double shows), so
// that 2.675 rounds to 2.68 as the written number suggests.
Decimal decimalOf(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    Decimal d;
    d.negative = v < 0;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits += *p;
    }
    d.pointAt = v == 0.0 || !*p ? 1 : std::atoi(p + 1) + 1;
    return d;
}

// A Currency exactly, from its value scaled by 10000.
Decimal decimalOf(int64_t scaled)
{
    Decimal d;
    d.negative = scaled < 0;
    const uint64_t magnitude = d.negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    d.digits = std::to_string(magnitude);
    d.pointAt = static_cast<int>(d.digits.size()) - 4;
    return d;
}

// Rounds half away from zero at `decimals` places and splits the digits at
// the point; the integer part loses its leading zeros (empty for zero).
void roundedDigits(Decimal d, int decimals, std::string& integer, std::string& fraction)
{
    std::string& digits = d.digits;
    int pointAt = d.pointAt;
    const int keep = pointAt + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        bool up = digits[keep] >= '5';
        digits.resize(keep);
        for (int i = keep - 1; up && i >= 0; --i) {
            up = digits[i] == '9';
            digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
        }
        if (up) {
            digits.insert(digits.begin(), '1');
            ++pointAt;
        }
    }
    // Place the point: pad with zeros on either side as needed.
    if (pointAt <= 0) {
        digits.insert(0, static_cast<size_t>(-pointAt), '0');
        pointAt = 0;
    }
    if (static_cast<int>(digits.size()) < pointAt + decimals)
        digits.resize(pointAt + decimals, '0');
    integer = digits.substr(0, pointAt);
    fraction = digits.substr(pointAt, decimals);
    const size_t nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? std::string() : integer.substr(nonZero);
}

std::string groupThousands(const std::string& integer)
{
    std::string out;
    const size_t n = integer.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += integer[i];
    }
    return out;
}

std::u16string formatNumberText(const Decimal& number, NumberKind kind, const NumberStyle& style)
{
    std::string integer, fraction;
    roundedDigits(number, style.digits, integer, fraction);
    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    const bool negative = number.negative && !isZero;
    std::string body;
    if (negative)
        body.push_back(style.parens ? '(' : '-');
    if (kind == NumberKind::Currency)
        body.push_back('$');
    body.append(style.group ? groupThousands(integer) : integer);
    if (integer.empty() && style.leadingDigit)
        body.push_back('0');
    if (!fraction.empty())
        body.append(1, '.').append(fraction);
    if (kind == NumberKind::Percent)
        body.push_back('%');
    if (negative && style.parens)
        body.push_back(')');
    return std::u16string(body.begin(), body.end());
}

Result<bool> tristateArg(Args args, size_t i, bool fallback)
{
    TRY_ASSIGN(v, longArg(args, i, UseDefault));
    return v == UseDefault ? fallback : v != 0;
}

// The shared argument list: Expression[, NumDigitsAfterDecimal[,
// IncludeLeadingDigit[, UseParensForNegativeNumbers[, GroupDigits]]]].
// Expression: Empty is 0, Null is 94, text must be a number (13); a
// Currency is formatted from its exact digits.
// NumDigitsAfterDecimal: -1 is the locale's 2; below -1 or above 99 is 5.
Result<Variant> formatNumeric(Args args, NumberKind kind)
{
    TRY_ASSIGN(v, value(args, 0));
    if (v.isNull())
        return nullUse();
    Decimal number;
    if (v.type() == VarType::Currency) {
        number = decimalOf(v.asCurrency());
        number.pointAt += kind == NumberKind::Percent ? 2 : 0;
    } else {
        TRY_ASSIGN(x, toDouble(v));
        const double scaled = kind == NumberKind::Percent ? x * 100.0 : x;
        if (!std::isfinite(scaled))
            return fail(ErrorCode::Overflow);
        number = decimalOf(scaled);
    }
    NumberStyle style;
    TRY_ASSIGN(digits, longArg(args, 1, -1));
    if (digits < -1 || digits > 99)
        return invalidArgument();
    style.digits = digits == -1 ? 2 : static_cast<int>(digits);
    TRY_ASSIGN(leading, tristateArg(args, 2, true));
    TRY_ASSIGN(parens, tristateArg(args, 3, kind == NumberKind::Currency));
    TRY_ASSIGN(group, tristateArg(args, 4, true));
    style.leadingDigit = leading;
    style.parens = parens;
    style.group = group;
    return makeString(formatNumberText(number, kind, style));
}

// FormatNumber(Expression[, NumDigitsAfterDecimal[, IncludeLeadingDigit[,
// UseParensForNegativeNumbers[, GroupDigits]]]]): "1,234,567.89"; rounds
// half away from zero. Defaults: 2 digits, leading zero, minus sign, groups.
Result<Variant> fnFormatNumber(BuiltinContext&, Args args)
{
    return formatNumeric(args, NumberKind::Plain);
}

// FormatCurrency(same arguments): "$1,234.50"; negative amounts default to
// parentheses, "($1,234.50)"; with UseParens vbFalse "-$1,234.50".
Result<Variant> fnFormatCurrency(BuiltinContext&, Args args)
{
    return formatNumeric(args, NumberKind::Currency);
}

// FormatPercent(same arguments): the value times 100 with "%": "12.50%".
Result<Variant> fnFormatPercent(BuiltinContext&, Args args)
{
    return formatNumeric(args, NumberKind::Percent);
}

// FormatDateTime(Date[, NamedFormat]): vbGeneralDate (0, as CStr shows a
// Date), vbLongDate (1) "Wednesday, December 16, 2026", vbShortDate (2)
// "12/16/2026", vbLongTime (3) "6:51:03 PM", vbShortTime (4) "18:51".
// Null is 94; text that is not a date 13; another NamedFormat 5.
Result<Variant> fnFormatDateTime(BuiltinContext&, Args args)
{
    TRY_ASSIGN(v, value(args, 0));
    if (v.isNull())
        return nullUse();
    TRY_ASSIGN(serial, dateArg(v));
    TRY_ASSIGN(named, longArg(args, 1, 0));
    switch (named) {
    case 0: return Variant::fromString(formatDateGeneral(serial));
    case 1: return Variant::fromString(formatDateLong(serial));
    case 2: return Variant::fromString(formatDateShort(serial));
    case 3: return Variant::fromString(formatTimeLong(serial));
    case 4: return Variant::fromString(formatTimeShort(serial));
    default: return invalidArgument();
    }
}

constexpr BuiltinFunction FormatTable[] = {
    VBS_FN(FormatCurrency, 1, 5, fnFormatCurrency),
    VBS_FN(FormatDateTime, 1, 2, fnFormatDateTime),
    VBS_FN(FormatNumber, 1, 5, fnFormatNumber),
    VBS_FN(FormatPercent, 1, 5, fnFormatPercent),
};

} // namespace

} // namespace vbs::lib

namespace vbs {

std::span<const BuiltinFunction> formatFunctions()
{
    return lib::FormatTable;
}

} // namespace vbs
