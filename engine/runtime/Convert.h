// Conversions between subtypes, as the language's C* functions and implicit
// coercions do them (locale: United States English). Every function takes a
// dereferenced value; an object is read through its default member first.
// Errors: 13 Type mismatch (not convertible), 6 Overflow (out of range),
// 94 Invalid use of Null (Null where a value is required).
#pragma once

#include "runtime/Variant.h"

namespace vbs {

Result<bool> toBool(const Variant& v); // CBool
Result<uint8_t> toByte(const Variant& v); // CByte
Result<int16_t> toInteger(const Variant& v); // CInt: rounds half to even
Result<int32_t> toLong(const Variant& v); // CLng: rounds half to even
Result<float> toSingle(const Variant& v); // CSng
Result<double> toDouble(const Variant& v); // CDbl (Empty is 0, Boolean True -1)
Result<int64_t> toCurrency(const Variant& v); // CCur, scaled by 10000
Result<double> toDate(const Variant& v); // CDate: numbers and number texts are serials
Result<Str> toString(const Variant& v); // CStr (Empty is "", Null is 94)

// The value with objects replaced by their default member's value and ByRef
// links followed; arrays and other values pass unchanged.
Result<Variant> toValue(const Variant& v);

// A number for arithmetic: numeric subtypes pass (Boolean stays Boolean),
// Empty is Integer 0, strings are parsed to Double (13 when not numeric),
// Date stays Date. Null passes through (callers propagate it).
Result<Variant> toNumeric(const Variant& v);

// Number parsing as the language reads numeric strings: surrounding blanks,
// sign, decimal point, exponent, &H / &O prefixes, grouping commas between
// digits; false when the text is not a number.
bool parseNumber(std::u16string_view text, double& out);

// Number formatting as CStr does it.
// The text of a Boolean or number (Byte .. Currency) without an allocation:
// the concatenation and text-argument paths build their result from it once.
struct NumberText {
    static constexpr size_t Capacity = 32; // "-1.23456789012345E-308" is 22
    char16_t units[Capacity];
    uint8_t start = 0;
    uint8_t length = 0;
    std::u16string_view view() const noexcept { return { units + start, length }; }
};
// "00" to "99": whole numbers are written two digits a step.
inline constexpr char DigitPairs[] = "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
                                     "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// Decimal digits of a whole number, written from the end of the buffer back.
inline void formatWhole(int32_t v, NumberText& out) noexcept
{
    char16_t* const end = out.units + NumberText::Capacity;
    if (static_cast<uint32_t>(v) < 10) { // one digit, the most common case
        end[-1] = static_cast<char16_t>(u'0' + v);
        out.start = NumberText::Capacity - 1;
        out.length = 1;
        return;
    }
    char16_t* p = end;
    uint32_t magnitude = v < 0 ? 0 - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
    while (magnitude >= 100) {
        const uint32_t pair = (magnitude % 100) * 2;
        magnitude /= 100;
        p -= 2;
        p[0] = static_cast<char16_t>(DigitPairs[pair]);
        p[1] = static_cast<char16_t>(DigitPairs[pair + 1]);
    }
    if (magnitude >= 10) {
        p -= 2;
        p[0] = static_cast<char16_t>(DigitPairs[magnitude * 2]);
        p[1] = static_cast<char16_t>(DigitPairs[magnitude * 2 + 1]);
    } else {
        *--p = static_cast<char16_t>(u'0' + magnitude);
    }
    if (v < 0)
        *--p = u'-';
    out.start = static_cast<uint8_t>(p - out.units);
    out.length = static_cast<uint8_t>(end - p);
}
bool formatOtherNumber(const Variant& d, NumberText& out) noexcept;
// False (out untouched) for every other subtype: Empty, Null, Date, String ...
// Long and Integer, the usual numbers in text, are written inline.
inline bool formatNumber(const Variant& d, NumberText& out) noexcept
{
    if (d.type() == VarType::Long) {
        formatWhole(d.asLong(), out);
        return true;
    }
    if (d.type() == VarType::Integer) {
        formatWhole(d.asInteger(), out);
        return true;
    }
    return formatOtherNumber(d, out);
}
Str formatDouble(double v); // up to 15 significant digits: 1E+20, 1E-05, 0.5, -3
Str formatSingle(float v); // up to 7 significant digits
Str formatCurrency(int64_t scaled); // up to 4 decimals, no trailing zeros

// Round half to even (banker's rounding), the rule of CInt/CLng, \ and Mod.
double roundHalfEven(double v) noexcept;

// VarType-name as TypeName reports it for a non-object value ("Integer",
// "String", "Variant()" for arrays, ...). Objects: the object's typeName(),
// "Nothing" for Nothing.
Str typeName(const Variant& v);

} // namespace vbs
