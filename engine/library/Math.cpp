// Math functions and the language's 24-bit random number generator.
#include "library/LibraryArgs.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>

namespace vbs {

namespace {

using namespace lib;

// A value as an arithmetic operand: Empty is Integer 0, strings are parsed
// (13 when not numeric), Boolean becomes Integer, Null stays Null.
Result<Variant> numberOf(const Variant& v)
{
    if (v.isNull())
        return v;
    TRY_ASSIGN(n, toNumeric(v));
    if (n.type() == VarType::Boolean)
        return Variant::fromInteger(n.asBool() ? -1 : 0);
    return n;
}

Result<Variant> numberArg(Args args, size_t i)
{
    TRY_ASSIGN(v, value(args, i));
    return numberOf(v);
}

// A Currency's scaled value rounded to a multiple of `unit` (a power of ten
// up to 10000): down (floor), towards zero, or half to even. Exact at any
// size; a result beyond the Currency range is 6.
enum class CurrencyRounding { Floor, Truncate, HalfEven };

Result<Variant> roundCurrency(int64_t scaled, int64_t unit, CurrencyRounding how)
{
    int64_t q = scaled / unit;
    const int64_t r = scaled % unit;
    if (r != 0 && how == CurrencyRounding::Floor && r < 0) {
        --q;
    } else if (r != 0 && how == CurrencyRounding::HalfEven) {
        const int64_t twice = 2 * (r < 0 ? -r : r);
        if (twice > unit || (twice == unit && q % 2 != 0))
            q += r < 0 ? -1 : 1;
    }
    int64_t result;
    if (__builtin_mul_overflow(q, unit, &result))
        return fail(ErrorCode::Overflow);
    return Variant::fromCurrency(result);
}

// Applies a whole-number rounding (floor or trunc) keeping the subtype.
Result<Variant> wholePart(Args args, bool floor)
{
    const auto round = [floor](double x) { return (floor ? std::floor(x) : std::trunc(x)) + 0.0; }; // -0 shows as 0
    TRY_ASSIGN(n, numberArg(args, 0));
    switch (n.type()) {
    case VarType::Double:
        return Variant::fromDouble(round(n.asDouble()));
    case VarType::Single:
        return Variant::fromSingle(float(round(n.asSingle())));
    case VarType::Date:
        return Variant::fromDate(round(n.asDate()));
    case VarType::Currency:
        return roundCurrency(n.asCurrency(), 10000, floor ? CurrencyRounding::Floor : CurrencyRounding::Truncate);
    default:
        return n; // Null, Byte, Integer, Long: already whole
    }
}

// Int(number) / Fix(number): the whole part, rounded down (Int) or towards
// zero (Fix), of the same subtype. Null gives Null; text not a number 13;
// Int of a Currency below -922337203685477 is 6.
Result<Variant> intFn(BuiltinContext&, Args args)
{
    return wholePart(args, true);
}

Result<Variant> fixFn(BuiltinContext&, Args args)
{
    return wholePart(args, false);
}

// Abs(number): same subtype (Integer -32768 widens to Long, as negation
// does). Null gives Null, Empty 0; text not a number 13.
Result<Variant> absFn(BuiltinContext&, Args args)
{
    TRY_ASSIGN(n, numberArg(args, 0));
    if (n.isNull())
        return n;
    bool negative = false;
    switch (n.type()) {
    case VarType::Integer: negative = n.asInteger() < 0; break;
    case VarType::Long: negative = n.asLong() < 0; break;
    case VarType::Single: negative = n.asSingle() < 0; break;
    case VarType::Currency: negative = n.asCurrency() < 0; break;
    case VarType::Double: return Variant::fromDouble(std::fabs(n.asDouble()));
    case VarType::Date: return Variant::fromDouble(std::fabs(n.asDate()));
    default: break;
    }
    return negative ? opNeg(n) : Result<Variant>(n);
}

// Sgn(number) -> Integer -1, 0 or 1. Null gives Null; text not a number 13.
Result<Variant> sgnFn(BuiltinContext&, Args args)
{
    TRY_ASSIGN(n, numberArg(args, 0));
    if (n.isNull())
        return n;
    TRY_ASSIGN(d, toDouble(n));
    return Variant::fromInteger(int16_t(d > 0 ? 1 : d < 0 ? -1 : 0));
}

// A Double function of one number: Null 94, text not a number 13; `domain`
// rejects arguments with 5; an infinite result is 6 Overflow.
Result<Variant> real(Args args, double (*f)(double), bool (*domain)(double) = nullptr)
{
    TRY_ASSIGN(x, doubleArg(args, 0));
    if (domain && !domain(x))
        return invalidArgument();
    double r = f(x);
    if (std::isinf(r) || std::isnan(r))
        return fail(ErrorCode::Overflow);
    return Variant::fromDouble(r);
}

// Atn, Cos, Sin, Tan, Exp(number) -> Double. Null 94; Exp beyond 709.78 is 6.
Result<Variant> atnFn(BuiltinContext&, Args args) { return real(args, [](double x) { return std::atan(x); }); }
Result<Variant> cosFn(BuiltinContext&, Args args) { return real(args, [](double x) { return std::cos(x); }); }
Result<Variant> sinFn(BuiltinContext&, Args args) { return real(args, [](double x) { return std::sin(x); }); }
Result<Variant> tanFn(BuiltinContext&, Args args) { return real(args, [](double x) { return std::tan(x); }); }
Result<Variant> expFn(BuiltinContext&, Args args) { return real(args, [](double x) { return std::exp(x); }); }

// Log(number) -> Double, natural logarithm; number <= 0 is 5. Null 94.
Result<Variant> logFn(BuiltinContext&, Args args)
{
    return real(args, [](double x) { return std::log(x); }, [](double x) { return x > 0; });
}

// Sqr(number) -> Double; negative is 5. Null 94.
Result<Variant> sqrFn(BuiltinContext&, Args args)
{
    return real(args, [](double x) { return std::sqrt(x); }, [](double x) { return x >= 0; });
}

// The number of Hex and Oct as its bit pattern: Integer and Byte (and
// Boolean) as 16 bits, everything else rounded to a Long as 32 bits.
// Returns false for Null.
Result<bool> bitPattern(Args args, uint32_t& bits)
{
    TRY_ASSIGN(v, value(args, 0));
    switch (v.type()) {
    case VarType::Null: return false;
    case VarType::Empty: bits = 0; return true;
    case VarType::Byte: bits = v.asByte(); return true;
    case VarType::Integer: bits = uint16_t(v.asInteger()); return true;
    case VarType::Boolean: bits = v.asBool() ? 0xFFFFu : 0u; return true;
    default: break;
    }
    TRY_ASSIGN(n, toLong(v));
    bits = uint32_t(n);
    return true;
}

Result<Variant> radix(Args args, unsigned shift)
{
    uint32_t bits = 0;
    TRY_ASSIGN(ok, bitPattern(args, bits));
    if (!ok)
        return Variant::null();
    char16_t buffer[16];
    size_t n = 0;
    unsigned mask = (1u << shift) - 1;
    do {
        buffer[n++] = u"0123456789ABCDEF"[bits & mask];
        bits >>= shift;
    } while (bits);
    std::reverse(buffer, buffer + n);
    return makeString(std::u16string_view(buffer, n));
}

// Hex(number) / Oct(number) -> String: the number rounded half to even to a
// Long (6 beyond); negative numbers as two's complement, 16 bits for an
// Integer, 32 for a Long ("FFFF" for -1, "FFFFFFFF" for -1&). Null gives
// Null, Empty "0"; text not a number 13.
Result<Variant> hexFn(BuiltinContext&, Args args) { return radix(args, 4); }
Result<Variant> octFn(BuiltinContext&, Args args) { return radix(args, 3); }

// Round(expression[, numdecimalplaces]): half to even at the given decimal
// place, same subtype (text becomes Double, a Boolean stays as it is). Null
// gives Null; places Null 94, negative 5.
Result<Variant> roundFn(BuiltinContext&, Args args)
{
    TRY_ASSIGN(places, longArg(args, 1, 0));
    if (places < 0)
        return invalidArgument();
    TRY_ASSIGN(v, value(args, 0));
    if (v.type() == VarType::Boolean)
        return v;
    TRY_ASSIGN(n, numberOf(v));
    auto roundTo = [&](double x) {
        if (places > 22)
            return x;
        double scale = std::pow(10.0, places);
        double scaled = x * scale;
        if (std::isinf(scaled))
            return x;
        return roundHalfEven(scaled) / scale + 0.0; // -0 shows as 0
    };
    switch (n.type()) {
    case VarType::Double:
        return Variant::fromDouble(roundTo(n.asDouble()));
    case VarType::Single:
        return Variant::fromSingle(float(roundTo(n.asSingle())));
    case VarType::Date:
        return Variant::fromDate(roundTo(n.asDate()));
    case VarType::Currency: {
        if (places >= 4)
            return n;
        int64_t unit = 1;
        for (int32_t i = places; i < 4; ++i)
            unit *= 10;
        return roundCurrency(n.asCurrency(), unit, CurrencyRounding::HalfEven);
    }
    default:
        return n;
    }
}

// --- Rnd and Randomize: x = (x * &H43FD43FD + &HC39EC3) mod 2^24, value x / 2^24.

constexpr uint32_t RndMask = 0xFFFFFF;

void rndStep(BuiltinContext& ctx)
{
    ctx.rndSeed = (ctx.rndSeed * 0x43FD43FDu + 0xC39EC3u) & RndMask;
}

float rndValue(const BuiltinContext& ctx)
{
    return float(ctx.rndSeed) / 16777216.0f;
}

// Rnd([number]) -> Single in [0, 1): the next value; number < 0 restarts the
// sequence from the number's Single bits (the same number gives the same
// value); 0 repeats the last value. Null 94.
Result<Variant> rndFn(BuiltinContext& ctx, Args args)
{
    float number = 1.0f;
    if (present(args, 0)) {
        TRY_ASSIGN(d, doubleArg(args, 0));
        number = float(d);
    }
    if (number < 0) {
        uint32_t bits = std::bit_cast<uint32_t>(number);
        ctx.rndSeed = (bits + (bits >> 24)) & RndMask;
    }
    if (number != 0)
        rndStep(ctx);
    ctx.rndStarted = true;
    ctx.lastRnd = rndValue(ctx);
    return Variant::fromSingle(ctx.lastRnd);
}

double secondsSinceMidnight()
{
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&t, &local);
    auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() % 1000000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + double(micros) / 1e6;
}

// Randomize [number]: mixes the number's Double bits (the high 32 bits, their
// two halves xor-ed) into bits 8..23 of the seed; without a number the timer
// is used. Null 94; text not a number 13.
Result<Variant> randomizeFn(BuiltinContext& ctx, Args args)
{
    double number;
    if (present(args, 0)) {
        TRY_ASSIGN(d, doubleArg(args, 0));
        number = d;
    } else {
        number = double(float(secondsSinceMidnight()));
    }
    uint32_t high = uint32_t(std::bit_cast<uint64_t>(number) >> 32);
    high ^= high >> 16;
    ctx.rndSeed = (ctx.rndSeed & 0xFF0000FFu) | ((high & 0xFFFFu) << 8);
    ctx.rndSeed &= RndMask;
    return Variant();
}

} // namespace

std::span<const BuiltinFunction> mathFunctions()
{
    static const BuiltinFunction table[] = {
        VBS_FN(Abs, 1, 1, absFn),
        VBS_FN(Atn, 1, 1, atnFn),
        VBS_FN(Cos, 1, 1, cosFn),
        VBS_FN(Exp, 1, 1, expFn),
        VBS_FN(Fix, 1, 1, fixFn),
        VBS_FN(Hex, 1, 1, hexFn),
        VBS_FN(Int, 1, 1, intFn),
        VBS_FN(Log, 1, 1, logFn),
        VBS_FN(Oct, 1, 1, octFn),
        VBS_FN(Randomize, 0, 1, randomizeFn),
        VBS_FN(Rnd, 0, 1, rndFn),
        VBS_FN(Round, 1, 2, roundFn),
        VBS_FN(Sgn, 1, 1, sgnFn),
        VBS_FN(Sin, 1, 1, sinFn),
        VBS_FN(Sqr, 1, 1, sqrFn),
        VBS_FN(Tan, 1, 1, tanFn),
    };
    return table;
}

} // namespace vbs
