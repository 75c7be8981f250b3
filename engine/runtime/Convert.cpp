// Conversions between subtypes (CBool .. CStr), number parsing and CStr's
// number formatting. Locale: United States English.
#include "runtime/Convert.h"

#include "automation/Dispatch.h"
#include "runtime/DateTime.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <limits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vbs {

namespace {

// Default members may return objects with default members of their own;
// beyond this depth the value is not convertible.
constexpr int maxDefaultDepth = 8;

constexpr double currencyScale = 10000.0;
constexpr double currencyLimit = 9223372036854775807.0; // rounds to 2^63

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x0B || c == 0x0C; }

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view trimBlanks(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int digitValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 99;
}

// &H / &O text as an unsigned pattern of at most 32 bits; false otherwise.
bool parseRadix(std::u16string_view digits, int radix, uint32_t& out)
{
    if (digits.empty())
        return false;
    uint64_t value = 0;
    for (char16_t c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            return false;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull)
            return false;
    }
    out = static_cast<uint32_t>(value);
    return true;
}

// The &H / &O pattern of `text` (blanks around allowed); false for any other text.
bool parseRadixText(std::u16string_view text, uint32_t& out)
{
    text = trimBlanks(text);
    if (text.size() < 2 || text[0] != u'&')
        return false;
    const char16_t kind = foldCase(text[1]);
    if (kind == u'H')
        return parseRadix(text.substr(2), 16, out);
    if (kind == u'O')
        return parseRadix(text.substr(2), 8, out);
    return false;
}

// Copies the decimal syntax of `text` to `ascii` (grouping commas dropped)
// and checks its shape: [sign] digits[,digits] [.digits] [E[sign]digits].
bool scanDecimal(std::u16string_view text, std::string& ascii)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ascii.push_back(static_cast<char>(text[i++]));
    size_t mantissaDigits = 0;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ascii.push_back(static_cast<char>(text[i]));
            ++mantissaDigits;
        } else if (!(text[i] == u',' && mantissaDigits > 0)) {
            break;
        }
    }
    if (i < text.size() && text[i] == u'.') {
        ascii.push_back('.');
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++mantissaDigits)
            ascii.push_back(static_cast<char>(text[i]));
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        ascii.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ascii.push_back(static_cast<char>(text[i++]));
        const size_t start = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ascii.push_back(static_cast<char>(text[i]));
        if (i == start)
            return false;
    }
    return i == text.size();
}

// scanDecimal with the money forms of number text around it: a "$" before
// or after the digits, a sign after them ("5-") and parentheses for a
// negative amount ("($1,000.50)"). One sign at most.
bool scanNumberText(std::u16string_view text, std::string& ascii)
{
    bool negative = false;
    bool signed_ = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        text = trimBlanks(text.substr(1, text.size() - 2));
        negative = signed_ = true;
    }
    const auto isSign = [](char16_t c) { return c == u'+' || c == u'-'; };
    if (!text.empty() && isSign(text.front())) {
        if (signed_)
            return false;
        negative = text.front() == u'-';
        signed_ = true;
        text.remove_prefix(1);
    } else if (!signed_ && !text.empty() && isSign(text.back())) {
        negative = text.back() == u'-';
        signed_ = true;
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == u'$')
        text.remove_prefix(1);
    else if (!text.empty() && text.back() == u'$')
        text.remove_suffix(1);
    if (signed_ && !text.empty() && isSign(text.front()))
        return false;
    if (negative)
        ascii.push_back('-');
    return scanDecimal(text, ascii);
}

// The digits and exponent of to_chars' scientific form, trailing zeros
// removed; limit + 1 (digits unset) when it has more than `limit` digits.
size_t scientificDigits(const char* buf, const char* end, size_t limit, char* digits, int& exponent)
{
    size_t n = 0;
    const char* p = buf;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.')
            continue;
        if (n == limit)
            return limit + 1;
        digits[n++] = *p;
    }
    int e = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, e);
    exponent = e;
    while (n > 1 && digits[n - 1] == '0')
        --n;
    return n;
}

// Decimal digits of |v| rounded to `precision` significant digits, trailing
// zeros removed, into `digits` (at least 17 chars); returns their count and
// sets the power of ten of the first: 1234.5 -> "12345", 3.
size_t decimalDigits(double v, int precision, char* digits, int& exponent)
{
    char buf[64];
    const char* end = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, precision - 1).ptr;
    return scientificDigits(buf, end, 17, digits, exponent);
}

// decimalDigits for a Double at 15 digits, by the cheaper shortest form when
// that has at most 15 digits: a normal Double's rounding error is below
// 1.2E-16 of its value, under half a unit of the 15th digit, so both give the
// same digits (not so for subnormals, whose precision is less). Whole numbers
// below 10^15 are written directly.
size_t doubleDigits(double v, char* digits, int& exponent)
{
    const double magnitude = std::fabs(v);
    if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        char* end = std::to_chars(digits, digits + 24, static_cast<int64_t>(magnitude)).ptr;
        size_t n = size_t(end - digits);
        exponent = static_cast<int>(n) - 1;
        while (n > 1 && digits[n - 1] == '0')
            --n;
        return n;
    }
    if (magnitude < DBL_MIN)
        return decimalDigits(v, 15, digits, exponent);
    char buf[64];
    const char* end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific).ptr;
    const size_t n = scientificDigits(buf, end, 15, digits, exponent);
    return n > 15 ? decimalDigits(v, 15, digits, exponent) : n;
}

char* copyChars(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// CStr's layout of a number: fixed notation for 1E-4 <= |v| < 10^precision,
// otherwise "d.dddE+xx" with at least two exponent digits.
size_t formatFloatingAscii(double v, int precision, char* out)
{
    char* const first = out;
    if (v == 0)
        return size_t(copyChars(out, "0") - first);
    if (std::isnan(v))
        return size_t(copyChars(out, "-1.#IND") - first);
    if (std::isinf(v))
        return size_t(copyChars(out, v < 0 ? "-1.#INF" : "1.#INF") - first);
    char digits[24];
    int exponent = 0;
    const size_t count = precision == 15 ? doubleDigits(v, digits, exponent) : decimalDigits(v, precision, digits, exponent);
    if (v < 0)
        *out++ = '-';
    if (exponent < -4 || exponent >= precision) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = copyChars(out, std::string_view(digits + 1, count - 1));
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, out + 8, magnitude).ptr;
    } else if (exponent < 0) {
        out = copyChars(out, "0.");
        out = std::fill_n(out, -exponent - 1, '0');
        out = copyChars(out, std::string_view(digits, count));
    } else {
        const auto intDigits = static_cast<size_t>(exponent) + 1;
        if (count <= intDigits) {
            out = copyChars(out, std::string_view(digits, count));
            out = std::fill_n(out, intDigits - count, '0');
        } else {
            out = copyChars(out, std::string_view(digits, intDigits));
            *out++ = '.';
            out = copyChars(out, std::string_view(digits + intDigits, count - intDigits));
        }
    }
    return size_t(out - first);
}

size_t formatCurrencyAscii(int64_t scaled, char* out)
{
    char* const first = out;
    const bool negative = scaled < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    if (negative)
        *out++ = '-';
    out = std::to_chars(out, out + 24, magnitude / 10000).ptr;
    unsigned frac = static_cast<unsigned>(magnitude % 10000);
    if (frac != 0) {
        *out++ = '.';
        for (unsigned unit = 1000; frac != 0; unit /= 10) {
            *out++ = static_cast<char>('0' + frac / unit);
            frac %= unit;
        }
    }
    return size_t(out - first);
}

Str asciiStr(const char* text, size_t length) { return Str::fromAscii(std::string_view(text, length)); }

// "True" / "False", or "#TRUE#" / "#FALSE#", in any case, blanks around allowed.
bool parseBoolText(std::u16string_view text, bool& out)
{
    text = trimBlanks(text);
    if (text.size() >= 2 && text.front() == u'#' && text.back() == u'#')
        text = text.substr(1, text.size() - 2);
    const bool isTrue = equalsIgnoreCase(text, u"True");
    if (!isTrue && !equalsIgnoreCase(text, u"False"))
        return false;
    out = isTrue;
    return true;
}

// The value of a string as a number, or 13.
Result<double> stringToDouble(std::u16string_view text)
{
    double d;
    if (!parseNumber(text, d))
        return fail(ErrorCode::TypeMismatch);
    if (!std::isfinite(d))
        return fail(ErrorCode::Overflow);
    return d;
}

// Any value as a Double (the common route of the C* functions).
Result<double> anyToDouble(const Variant& d)
{
    switch (d.type()) {
    case VarType::Empty: return 0.0;
    case VarType::Null: return fail(ErrorCode::InvalidUseOfNull);
    case VarType::Boolean: return d.asBool() ? -1.0 : 0.0;
    case VarType::Byte: return double(d.asByte());
    case VarType::Integer: return double(d.asInteger());
    case VarType::Long: return double(d.asLong());
    case VarType::Single: return double(d.asSingle());
    case VarType::Double: return d.asDouble();
    case VarType::Currency: return double(d.asCurrency()) / currencyScale;
    case VarType::Date: return d.asDate();
    case VarType::String: return stringToDouble(d.stringView());
    case VarType::Object: {
        TRY_ASSIGN(value, toValue(d));
        return anyToDouble(value);
    }
    case VarType::Ref: return anyToDouble(d.deref());
    default: return fail(ErrorCode::TypeMismatch);
    }
}

// A whole number in [lo, hi] by rounding half to even; 6 outside.
Result<double> roundedInRange(const Variant& d, double lo, double hi)
{
    TRY_ASSIGN(x, anyToDouble(d));
    const double r = roundHalfEven(x);
    if (!(r >= lo && r <= hi))
        return fail(ErrorCode::Overflow);
    return r;
}


// Checked decimal text split into sign, significant digits and the power of
// ten of the first digit's position: "-0.0125" is -, "125", -1 (0.125).
struct DecimalText {
    bool negative = false;
    std::string digits;
    long pointExponent = 0;
};

DecimalText splitDecimal(const std::string& ascii)
{
    DecimalText t;
    size_t i = 0;
    t.negative = ascii[0] == '-';
    if (ascii[0] == '-' || ascii[0] == '+')
        ++i;
    long point = -1;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        if (ascii[i] == '.')
            point = static_cast<long>(t.digits.size());
        else
            t.digits.push_back(ascii[i]);
    }
    const long exponent = i < ascii.size() ? std::strtol(ascii.c_str() + i + 1, nullptr, 10) : 0;
    const size_t leadingZeros = std::min(t.digits.find_first_not_of('0'), t.digits.size());
    t.pointExponent = (point < 0 ? static_cast<long>(t.digits.size()) : point) - static_cast<long>(leadingZeros)
        + std::clamp(exponent, -100000L, 100000L);
    t.digits.erase(0, leadingZeros);
    return t;
}

// CCur of decimal text, exact to four places (a Double would lose the last
// digits of large amounts); digits beyond them round half to even.
Result<int64_t> currencyFromDecimal(const std::string& ascii)
{
    const DecimalText t = splitDecimal(ascii);
    if (t.digits.empty())
        return int64_t(0);
    const long units = t.pointExponent + 4; // digits that count whole 1/10000s
    if (units > 19)
        return fail(ErrorCode::Overflow);
    const auto digitAt = [&](long k) { return k < static_cast<long>(t.digits.size()) ? t.digits[k] - '0' : 0; };
    __int128 scaled = 0;
    for (long k = 0; k < units; ++k)
        scaled = scaled * 10 + digitAt(k);
    if (units >= 0 && units < static_cast<long>(t.digits.size())) {
        const int next = digitAt(units);
        const bool rest = t.digits.find_first_not_of('0', units + 1) != std::string::npos;
        if (next > 5 || (next == 5 && (rest || (scaled & 1))))
            ++scaled;
    }
    if (t.negative)
        scaled = -scaled;
    if (scaled > std::numeric_limits<int64_t>::max() || scaled < std::numeric_limits<int64_t>::min())
        return fail(ErrorCode::Overflow);
    return static_cast<int64_t>(scaled);
}

} // namespace

double roundHalfEven(double v) noexcept
{
    const double down = std::floor(v);
    const double diff = v - down;
    if (diff > 0.5)
        return down + 1;
    if (diff == 0.5 && std::fmod(down, 2.0) != 0)
        return down + 1;
    return down;
}

bool parseNumber(std::u16string_view text, double& out)
{
    text = trimBlanks(text);
    if (text.size() >= 2 && text[0] == u'&') {
        // A number read from text is 32 bits wide: "&HFFFF" is 65535,
        // "&HFFFFFFFF" is -1 (only CInt reads 16-bit patterns, see toInteger).
        uint32_t bits;
        if (!parseRadixText(text, bits))
            return false;
        out = static_cast<int32_t>(bits);
        return true;
    }
    std::string ascii;
    ascii.reserve(text.size());
    if (!scanNumberText(text, ascii))
        return false;
    // from_chars takes no '+' and reports range errors without a value;
    // strtod gives those their infinity or zero.
    const char* first = ascii.c_str() + (ascii[0] == '+' ? 1 : 0);
    const auto [ptr, ec] = std::from_chars(first, ascii.c_str() + ascii.size(), out);
    if (ec != std::errc())
        out = std::strtod(ascii.c_str(), nullptr);
    return true;
}

Result<Variant> toValue(const Variant& v)
{
    const Variant& d = v.deref();
    if (!d.isObject())
        return d;
    Variant current = d;
    for (int depth = 0; depth < maxDefaultDepth; ++depth) {
        TRY_ASSIGN(value, readDefaultMember(current.asObject()));
        if (!value.deref().isObject())
            return Variant(value.deref());
        current = value.deref();
    }
    return fail(ErrorCode::TypeMismatch);
}

Result<Variant> toNumeric(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.isNumeric() || d.isNull())
        return d;
    switch (d.type()) {
    case VarType::Empty: return Variant::fromInteger(0);
    case VarType::String: {
        TRY_ASSIGN(x, stringToDouble(d.stringView()));
        return Variant::fromDouble(x);
    }
    case VarType::Object: {
        TRY_ASSIGN(value, toValue(d));
        return toNumeric(value);
    }
    default: return fail(ErrorCode::TypeMismatch);
    }
}

Result<bool> toBool(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::Boolean: return d.asBool();
    case VarType::Integer: return d.asInteger() != 0;
    case VarType::Long: return d.asLong() != 0;
    case VarType::Empty: return false;
    case VarType::String: {
        bool b;
        if (parseBoolText(d.stringView(), b))
            return b;
        TRY_ASSIGN(x, stringToDouble(d.stringView()));
        return x != 0;
    }
    case VarType::Currency: return d.asCurrency() != 0;
    case VarType::Object: {
        TRY_ASSIGN(value, toValue(d));
        return toBool(value);
    }
    default: {
        TRY_ASSIGN(x, anyToDouble(d));
        return x != 0;
    }
    }
}

Result<uint8_t> toByte(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.type() == VarType::Byte)
        return d.asByte();
    if (d.type() == VarType::Boolean)
        return static_cast<uint8_t>(d.asBool() ? 255 : 0); // True's bits
    TRY_ASSIGN(r, roundedInRange(d, 0, 255));
    return static_cast<uint8_t>(r);
}

Result<int16_t> toInteger(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::Integer:
    case VarType::Boolean: return d.asInteger();
    case VarType::Byte: return int16_t(d.asByte());
    case VarType::String: {
        // "&HFFFF" is a 16-bit pattern for an Integer (-1), as the literal is.
        uint32_t bits;
        if (parseRadixText(d.stringView(), bits) && bits <= 0xFFFF)
            return static_cast<int16_t>(static_cast<uint16_t>(bits));
        [[fallthrough]];
    }
    default: {
        TRY_ASSIGN(r, roundedInRange(d, -32768, 32767));
        return static_cast<int16_t>(r);
    }
    }
}

Result<int32_t> toLong(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::Long: return d.asLong();
    case VarType::Integer:
    case VarType::Boolean: return int32_t(d.asInteger());
    case VarType::Byte: return int32_t(d.asByte());
    default: {
        TRY_ASSIGN(r, roundedInRange(d, -2147483648.0, 2147483647.0));
        return static_cast<int32_t>(r);
    }
    }
}

Result<float> toSingle(const Variant& v)
{
    TRY_ASSIGN(x, anyToDouble(v.deref()));
    const auto f = static_cast<float>(x);
    if (std::isinf(f) && !std::isinf(x))
        return fail(ErrorCode::Overflow);
    return f;
}

Result<double> toDouble(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.type() == VarType::Double)
        return d.asDouble();
    return anyToDouble(d);
}

Result<int64_t> toCurrency(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::Currency: return d.asCurrency();
    case VarType::Integer:
    case VarType::Boolean: return int64_t(d.asInteger()) * 10000;
    case VarType::Long: return int64_t(d.asLong()) * 10000;
    case VarType::Byte: return int64_t(d.asByte()) * 10000;
    case VarType::String: {
        std::string ascii;
        if (scanNumberText(trimBlanks(d.stringView()), ascii))
            return currencyFromDecimal(ascii);
        break;
    }
    default: break;
    }
    TRY_ASSIGN(x, anyToDouble(d));
    if (!(std::fabs(x) * currencyScale < currencyLimit))
        return fail(ErrorCode::Overflow);
    // Whole part and fraction scaled apart: x * 10000 as one Double loses the
    // last digits of large amounts (922337203685477 would end in .9664).
    const double whole = std::trunc(x);
    const __int128 scaled = static_cast<__int128>(static_cast<int64_t>(whole)) * 10000
        + static_cast<int64_t>(roundHalfEven((x - whole) * currencyScale));
    if (scaled > std::numeric_limits<int64_t>::max() || scaled < std::numeric_limits<int64_t>::min())
        return fail(ErrorCode::Overflow);
    return static_cast<int64_t>(scaled);
}

Result<double> toDate(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.type() == VarType::Date)
        return d.asDate();
    if (d.type() == VarType::String) {
        double serial;
        if (parseDateTime(d.stringView(), serial))
            return serial;
        if (!parseNumber(d.stringView(), serial))
            return fail(ErrorCode::TypeMismatch);
        if (!isValidDateSerial(serial))
            return fail(ErrorCode::Overflow);
        return serial; // a number text is a serial: CDate("1") is 12/31/1899
    }
    if (d.isObject()) {
        TRY_ASSIGN(value, toValue(d));
        return toDate(value);
    }
    TRY_ASSIGN(x, anyToDouble(d));
    if (!isValidDateSerial(x))
        return fail(ErrorCode::Overflow);
    return x;
}

Result<Str> toString(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::String: return d.asString();
    case VarType::Empty: return Str();
    case VarType::Null: return fail(ErrorCode::InvalidUseOfNull);
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency: {
        NumberText text;
        formatNumber(d, text);
        return Str(text.view());
    }
    case VarType::Date: return formatDateGeneral(d.asDate());
    case VarType::Object: {
        TRY_ASSIGN(value, toValue(d));
        return toString(value);
    }
    default: return fail(ErrorCode::TypeMismatch);
    }
}

bool formatOtherNumber(const Variant& d, NumberText& out) noexcept
{
    char ascii[NumberText::Capacity];
    size_t n;
    switch (d.type()) {
    case VarType::Byte: formatWhole(d.asByte(), out); return true;
    case VarType::Integer: formatWhole(d.asInteger(), out); return true;
    case VarType::Long: formatWhole(d.asLong(), out); return true;
    case VarType::Boolean:
        n = d.asBool() ? 4 : 5;
        std::memcpy(ascii, d.asBool() ? "True" : "False", n);
        break;
    // Seven digits of the float itself, not of its (longer) double expansion.
    case VarType::Single: n = formatFloatingAscii(static_cast<double>(d.asSingle()), 7, ascii); break;
    case VarType::Double: n = formatFloatingAscii(d.asDouble(), 15, ascii); break;
    case VarType::Currency: n = formatCurrencyAscii(d.asCurrency(), ascii); break;
    default: return false;
    }
    for (size_t i = 0; i < n; ++i)
        out.units[i] = static_cast<unsigned char>(ascii[i]);
    out.start = 0;
    out.length = static_cast<uint8_t>(n);
    return true;
}

Str formatDouble(double v)
{
    char ascii[NumberText::Capacity];
    return asciiStr(ascii, formatFloatingAscii(v, 15, ascii));
}

Str formatSingle(float v)
{
    char ascii[NumberText::Capacity];
    return asciiStr(ascii, formatFloatingAscii(static_cast<double>(v), 7, ascii));
}

Str formatCurrency(int64_t scaled)
{
    char ascii[NumberText::Capacity];
    return asciiStr(ascii, formatCurrencyAscii(scaled, ascii));
}

Str typeName(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::Empty: return Str(u"Empty");
    case VarType::Null: return Str(u"Null");
    case VarType::Integer: return Str(u"Integer");
    case VarType::Long: return Str(u"Long");
    case VarType::Single: return Str(u"Single");
    case VarType::Double: return Str(u"Double");
    case VarType::Currency: return Str(u"Currency");
    case VarType::Date: return Str(u"Date");
    case VarType::String: return Str(u"String");
    case VarType::Boolean: return Str(u"Boolean");
    case VarType::Byte: return Str(u"Byte");
    case VarType::Error: return Str(u"Error");
    case VarType::Array: return Str(u"Variant()");
    case VarType::Object: return d.asObject() ? d.asObject()->typeName() : Str(u"Nothing");
    default: return Str(u"Unknown");
    }
}

} // namespace vbs
