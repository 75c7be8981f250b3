// Arithmetic, concatenation, logical and comparison operators with the
// language's result subtypes. Each operator tries the common cases (Integer,
// Long, Double, String) first; those paths never allocate.
#include "runtime/Operators.h"

#include "runtime/Convert.h"
#include "runtime/DateTime.h"

#include <cmath>
#include <limits>

namespace vbs {

namespace {

// Operand classes in the order of the language's precision ladder: the wider
// of two operands decides the result (with the exceptions in resultKind).
enum class NumKind : uint8_t { Empty, Byte, Integer, Long, Single, Double, Currency, Date };

// An arithmetic operand: integral kinds and Currency (scaled) use i, the
// floating kinds and Date use d.
struct Num {
    NumKind kind;
    int64_t i = 0;
    double d = 0;
};

enum class ArithOp : uint8_t { Add, Sub, Mul };

constexpr double currencyLimit = 9223372036854775807.0;

Num numOf(const Variant& v)
{
    switch (v.type()) {
    case VarType::Byte: return { NumKind::Byte, v.asByte() };
    case VarType::Boolean:
    case VarType::Integer: return { NumKind::Integer, v.asInteger() };
    case VarType::Long: return { NumKind::Long, v.asLong() };
    case VarType::Single: return { NumKind::Single, 0, v.asSingle() };
    case VarType::Double: return { NumKind::Double, 0, v.asDouble() };
    case VarType::Currency: return { NumKind::Currency, v.asCurrency() };
    case VarType::Date: return { NumKind::Date, 0, v.asDate() };
    default: return { NumKind::Empty };
    }
}

double toDoubleValue(const Num& n)
{
    switch (n.kind) {
    case NumKind::Byte:
    case NumKind::Integer:
    case NumKind::Long: return double(n.i);
    case NumKind::Currency: return double(n.i) / 10000.0;
    case NumKind::Empty: return 0;
    default: return n.d;
    }
}

bool isIntegral(NumKind k) { return k == NumKind::Empty || k == NumKind::Byte || k == NumKind::Integer || k == NumKind::Long; }

// A value (not Null) as an arithmetic operand: strings are read as Double,
// objects through their default member; arrays and errors are 13.
Result<Num> arithmeticOperand(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.isNumeric() || d.isEmpty())
        return numOf(d);
    if (d.isString()) {
        double x;
        if (!parseNumber(d.stringView(), x))
            return fail(ErrorCode::TypeMismatch);
        if (!std::isfinite(x))
            return fail(ErrorCode::Overflow);
        return Num { NumKind::Double, 0, x };
    }
    if (d.isObject()) {
        TRY_ASSIGN(value, toValue(d));
        if (value.isNull())
            return fail(ErrorCode::InvalidUseOfNull);
        return arithmeticOperand(value);
    }
    return fail(ErrorCode::TypeMismatch);
}

NumKind resultKind(NumKind a, NumKind b, ArithOp op)
{
    if (a == NumKind::Empty && b == NumKind::Empty)
        return NumKind::Integer;
    const NumKind hi = std::max(a, b);
    if (hi == NumKind::Date) {
        if (op == ArithOp::Mul || (op == ArithOp::Sub && a == b))
            return NumKind::Double;
        return NumKind::Date;
    }
    if (hi == NumKind::Single && (a == NumKind::Long || b == NumKind::Long))
        return NumKind::Double;
    return hi;
}

// An integral result in the narrowest of kind, Integer, Long that holds it;
// past Long it becomes a Double.
Variant integralResult(int64_t r, NumKind kind)
{
    if (kind == NumKind::Byte && r >= 0 && r <= 255)
        return Variant::fromByte(static_cast<uint8_t>(r));
    if (kind <= NumKind::Integer && r >= -32768 && r <= 32767)
        return Variant::fromInteger(static_cast<int16_t>(r));
    if (r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())
        return Variant::fromLong(static_cast<int32_t>(r));
    return Variant::fromDouble(double(r));
}

double applyFloating(double a, double b, ArithOp op)
{
    switch (op) {
    case ArithOp::Add: return a + b;
    case ArithOp::Sub: return a - b;
    case ArithOp::Mul: return a * b;
    }
    return 0;
}

Result<Variant> doubleResult(double r)
{
    if (!std::isfinite(r))
        return fail(ErrorCode::Overflow);
    return Variant::fromDouble(r);
}

Result<int64_t> scaledCurrency(const Num& n)
{
    if (n.kind == NumKind::Currency)
        return n.i;
    if (isIntegral(n.kind))
        return n.i * 10000;
    const double scaled = roundHalfEven(n.d * 10000.0);
    if (!(scaled >= -currencyLimit && scaled < currencyLimit))
        return fail(ErrorCode::Overflow);
    return static_cast<int64_t>(scaled);
}

// Currency * Currency keeps four decimals, rounding half to even.
Result<Variant> currencyProduct(int64_t a, int64_t b)
{
    const __int128 p = static_cast<__int128>(a) * b;
    __int128 q = p / 10000;
    const __int128 rem = p % 10000;
    const __int128 twice = rem < 0 ? -2 * rem : 2 * rem;
    if (twice > 10000 || (twice == 10000 && (q & 1)))
        q += p < 0 ? -1 : 1;
    if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min())
        return fail(ErrorCode::Overflow);
    return Variant::fromCurrency(static_cast<int64_t>(q));
}

Result<Variant> currencyArith(const Num& a, const Num& b, ArithOp op)
{
    if (op == ArithOp::Mul && !(a.kind == NumKind::Currency || isIntegral(a.kind))) {
        TRY_ASSIGN(scaled, toCurrency(Variant::fromDouble(toDoubleValue(a) * toDoubleValue(b))));
        return Variant::fromCurrency(scaled);
    }
    if (op == ArithOp::Mul && !(b.kind == NumKind::Currency || isIntegral(b.kind)))
        return currencyArith(b, a, op);
    TRY_ASSIGN(x, scaledCurrency(a));
    TRY_ASSIGN(y, scaledCurrency(b));
    int64_t r;
    if (op == ArithOp::Mul) {
        if (a.kind == NumKind::Currency && b.kind == NumKind::Currency)
            return currencyProduct(x, y);
        const int64_t factor = a.kind == NumKind::Currency ? b.i : a.i;
        const int64_t money = a.kind == NumKind::Currency ? x : y;
        if (__builtin_mul_overflow(money, factor, &r))
            return fail(ErrorCode::Overflow);
        return Variant::fromCurrency(r);
    }
    const bool overflow = op == ArithOp::Add ? __builtin_add_overflow(x, y, &r) : __builtin_sub_overflow(x, y, &r);
    if (overflow)
        return fail(ErrorCode::Overflow);
    return Variant::fromCurrency(r);
}

Result<Variant> arithmetic(const Num& a, const Num& b, ArithOp op)
{
    const NumKind kind = resultKind(a.kind, b.kind, op);
    switch (kind) {
    case NumKind::Byte:
    case NumKind::Integer:
    case NumKind::Long: {
        const int64_t r = op == ArithOp::Add ? a.i + b.i : op == ArithOp::Sub ? a.i - b.i : a.i * b.i;
        return integralResult(r, kind);
    }
    case NumKind::Single: {
        const double r = applyFloating(toDoubleValue(a), toDoubleValue(b), op);
        const auto f = static_cast<float>(r);
        if (std::isinf(f))
            return doubleResult(r); // a Single that overflows becomes a Double
        return Variant::fromSingle(f);
    }
    case NumKind::Currency: return currencyArith(a, b, op);
    case NumKind::Date: {
        // A date past the calendar's range (after 9999, before 100) is 6.
        const double r = applyFloating(toDoubleValue(a), toDoubleValue(b), op);
        if (!isValidDateSerial(r))
            return fail(ErrorCode::Overflow);
        return Variant::fromDate(r);
    }
    default: return doubleResult(applyFloating(toDoubleValue(a), toDoubleValue(b), op));
    }
}

Result<Variant> arithmeticSlow(const Variant& a, const Variant& b, ArithOp op)
{
    TRY_ASSIGN(x, arithmeticOperand(a));
    TRY_ASSIGN(y, arithmeticOperand(b));
    return arithmetic(x, y, op);
}

// Values for the operators that read objects through their default member
// before looking at Null: the pair as plain values.
Result<std::pair<Variant, Variant>> plainValues(const Variant& a, const Variant& b)
{
    TRY_ASSIGN(x, toValue(a));
    TRY_ASSIGN(y, toValue(b));
    return std::pair<Variant, Variant>(std::move(x), std::move(y));
}

// Integer or Long payload, for the fast paths.
bool smallInt(const Variant& v, int64_t& out)
{
    if (v.type() != VarType::Integer && v.type() != VarType::Long)
        return false;
    out = v.type() == VarType::Integer ? v.asInteger() : v.asLong();
    return true;
}

// Integer, Long or Double payload as a double.
bool plainNumber(const Variant& v, double& out)
{
    int64_t i = 0;
    if (v.type() != VarType::Double && !smallInt(v, i))
        return false;
    out = v.type() == VarType::Double ? v.asDouble() : double(i);
    return true;
}

// Fast cases shared by + - *: Integer and Long operands, and Double with
// any of the three. Anything else, and overflow of a Double, takes the slow
// path.
bool arithmeticFast(const Variant& a, const Variant& b, ArithOp op, Variant& out)
{
    int64_t x, y;
    if (smallInt(a, x) && smallInt(b, y)) {
        const int64_t r = op == ArithOp::Add ? x + y : op == ArithOp::Sub ? x - y : x * y;
        const bool bothInteger = a.type() == VarType::Integer && b.type() == VarType::Integer;
        out = integralResult(r, bothInteger ? NumKind::Integer : NumKind::Long);
        return true;
    }
    double dx, dy;
    if ((a.type() == VarType::Double || b.type() == VarType::Double) && plainNumber(a, dx) && plainNumber(b, dy)) {
        const double r = applyFloating(dx, dy, op);
        if (!std::isfinite(r))
            return false;
        out = Variant::fromDouble(r);
        return true;
    }
    return false;
}

Result<Variant> arithmeticOp(const Variant& a0, const Variant& b0, ArithOp op)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    Variant out;
    if (arithmeticFast(a, b, op, out))
        return out;
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return arithmeticOp(values.first, values.second, op);
    }
    if (a.isNull() || b.isNull())
        return Variant::null();
    return arithmeticSlow(a, b, op);
}

[[gnu::cold, gnu::noinline]] Result<Variant> outOfMemory()
{
    return fail(ErrorCode::OutOfMemory);
}

Result<Variant> concatStrings(std::u16string_view x, std::u16string_view y)
{
    const size_t length = x.size() + y.size();
    if (length == 0)
        return Variant::fromString(Str());
    StringRep* rep = StringRep::allocate(length, length); // nullptr past MaxLength
    if (!rep)
        return outOfMemory();
    copyUnits(rep->data, x.data(), x.size());
    copyUnits(rep->data + x.size(), y.data(), y.size());
    return Variant::fromString(Str::adopt(rep));
}

} // namespace

// + : two Strings concatenate; a String with Empty gives the String; a String
// with a number is read as Double (13 when not numeric). Null gives Null.
Result<Variant> opAdd(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    Variant out;
    if (arithmeticFast(a, b, ArithOp::Add, out))
        return out;
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return opAdd(values.first, values.second);
    }
    if (a.isNull() || b.isNull())
        return Variant::null();
    if (a.isString() && (b.isString() || b.isEmpty()))
        return b.isEmpty() ? Result<Variant>(a) : concatStrings(a.stringView(), b.stringView());
    if (b.isString() && a.isEmpty())
        return b;
    return arithmeticSlow(a, b, ArithOp::Add);
}

Result<Variant> opSub(const Variant& a, const Variant& b) { return arithmeticOp(a, b, ArithOp::Sub); }

Result<Variant> opMul(const Variant& a, const Variant& b) { return arithmeticOp(a, b, ArithOp::Mul); }

// / : Double, or Single when both operands are Single. A zero divisor is 11,
// except 0 / 0, which the language reports as 6 Overflow.
Result<Variant> opDiv(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return opDiv(values.first, values.second);
    }
    if (a.isNull() || b.isNull())
        return Variant::null();
    TRY_ASSIGN(x, arithmeticOperand(a));
    TRY_ASSIGN(y, arithmeticOperand(b));
    const double dx = toDoubleValue(x);
    const double dy = toDoubleValue(y);
    if (dy == 0)
        return fail(dx == 0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    const double r = dx / dy;
    if (x.kind == NumKind::Single && y.kind == NumKind::Single && !std::isinf(static_cast<float>(r)))
        return Variant::fromSingle(static_cast<float>(r));
    return doubleResult(r);
}

namespace {

// An operand of \ and Mod (and of the logical operators): Byte stays Byte,
// Integer, Boolean and Empty are Integer, anything else rounds half to even to
// a Long (6 out of range).
Result<Num> integerOperand(const Variant& v)
{
    TRY_ASSIGN(n, arithmeticOperand(v));
    switch (n.kind) {
    case NumKind::Byte:
    case NumKind::Integer:
    case NumKind::Long: return n;
    case NumKind::Empty: return Num { NumKind::Integer, 0 };
    default: {
        TRY_ASSIGN(l, toLong(Variant::fromDouble(toDoubleValue(n))));
        return Num { NumKind::Long, l };
    }
    }
}

enum class IntOp : uint8_t { Div, Mod };

Result<Variant> integerDivision(const Variant& a0, const Variant& b0, IntOp op)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    int64_t x0, y0;
    if (smallInt(a, x0) && smallInt(b, y0) && y0 != 0) {
        const int64_t r = op == IntOp::Div ? x0 / y0 : x0 % y0;
        const bool bothInteger = a.type() == VarType::Integer && b.type() == VarType::Integer;
        if (r <= std::numeric_limits<int32_t>::max())
            return integralResult(r, bothInteger ? NumKind::Integer : NumKind::Long);
    }
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return integerDivision(values.first, values.second, op);
    }
    if (a.isNull() || b.isNull())
        return Variant::null();
    TRY_ASSIGN(x, integerOperand(a));
    TRY_ASSIGN(y, integerOperand(b));
    if (y.i == 0)
        return fail(ErrorCode::DivisionByZero);
    const int64_t r = op == IntOp::Div ? x.i / y.i : x.i % y.i;
    const NumKind kind = std::max(x.kind, y.kind);
    if (kind == NumKind::Long && r > std::numeric_limits<int32_t>::max())
        return fail(ErrorCode::Overflow); // only the most negative Long \ -1
    return integralResult(r, kind);
}

} // namespace

Result<Variant> opIntDiv(const Variant& a, const Variant& b) { return integerDivision(a, b, IntOp::Div); }

Result<Variant> opMod(const Variant& a, const Variant& b) { return integerDivision(a, b, IntOp::Mod); }

// ^ : Double. A negative base with a fractional exponent, or zero to a
// negative power, is 5.
Result<Variant> opPow(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return opPow(values.first, values.second);
    }
    if (a.isNull() || b.isNull())
        return Variant::null();
    TRY_ASSIGN(x, arithmeticOperand(a));
    TRY_ASSIGN(y, arithmeticOperand(b));
    const double base = toDoubleValue(x);
    const double exponent = toDoubleValue(y);
    if ((base < 0 && exponent != std::floor(exponent)) || (base == 0 && exponent < 0))
        return fail(ErrorCode::InvalidProcedureCall);
    return doubleResult(std::pow(base, exponent));
}

// Unary - : Integer stays Integer (-32768 becomes Long 32768), Byte, Boolean
// and Empty give Integer, Strings Double; Null gives Null.
Result<Variant> opNeg(const Variant& a0)
{
    const Variant& a = a0.deref();
    switch (a.type()) {
    case VarType::Integer:
    case VarType::Boolean: return integralResult(-int64_t(a.asInteger()), NumKind::Integer);
    case VarType::Long: return integralResult(-int64_t(a.asLong()), NumKind::Long);
    case VarType::Double: return Variant::fromDouble(-a.asDouble());
    case VarType::Null: return Variant::null();
    case VarType::Empty: return Variant::fromInteger(0);
    case VarType::Byte: return Variant::fromInteger(static_cast<int16_t>(-a.asByte()));
    case VarType::Single: return Variant::fromSingle(-a.asSingle());
    case VarType::Date:
        if (!isValidDateSerial(-a.asDate()))
            return fail(ErrorCode::Overflow);
        return Variant::fromDate(-a.asDate());
    case VarType::Currency:
        if (a.asCurrency() == std::numeric_limits<int64_t>::min())
            return fail(ErrorCode::Overflow);
        return Variant::fromCurrency(-a.asCurrency());
    case VarType::Object: {
        TRY_ASSIGN(value, toValue(a));
        return opNeg(value);
    }
    default: {
        TRY_ASSIGN(n, arithmeticOperand(a));
        return doubleResult(-toDoubleValue(n));
    }
    }
}

namespace {

// One operand of & as text: a String is viewed in place, a number is written
// into a local buffer, Null and Empty are "", anything else (a Date) is
// converted. Nothing is allocated for the common operands.
class ConcatOperand {
public:
    Status read(const Variant& v)
    {
        if (v.isString()) {
            m_view = v.stringView();
            m_source = &v;
        } else if (formatNumber(v, m_number)) {
            m_view = m_number.view();
        } else if (!v.isNull() && !v.isEmpty()) {
            TRY_ASSIGN(s, toString(v));
            m_owned = std::move(s);
            m_view = m_owned.view();
        }
        return {};
    }
    std::u16string_view view() const { return m_view; }
    // The operand as a String value, sharing the operand's own string.
    Variant value() const
    {
        if (m_source)
            return *m_source;
        if (!m_owned.empty())
            return Variant::fromString(m_owned);
        return Variant::fromString(m_view);
    }

private:
    const Variant* m_source = nullptr;
    NumberText m_number;
    Str m_owned;
    std::u16string_view m_view;
};

} // namespace

// & : both sides as CStr gives them, Null as ""; Null & Null is Null.
Result<Variant> opConcat(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    // Strings and numbers, the usual operands: one allocation.
    if (a.isString()) {
        if (b.isString())
            return concatStrings(a.stringView(), b.stringView());
        NumberText nb;
        if (formatNumber(b, nb))
            return concatStrings(a.stringView(), nb.view());
    } else if (NumberText na; formatNumber(a, na)) {
        if (b.isString())
            return concatStrings(na.view(), b.stringView());
        NumberText nb;
        if (formatNumber(b, nb))
            return concatStrings(na.view(), nb.view());
    }
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return opConcat(values.first, values.second);
    }
    if (a.isNull() && b.isNull())
        return Variant::null();
    ConcatOperand x, y;
    TRY_STATUS(x.read(a));
    TRY_STATUS(y.read(b));
    if (y.view().empty())
        return x.value();
    if (x.view().empty())
        return y.value();
    return concatStrings(x.view(), y.view());
}

namespace {

// Operand classes of the logical operators: Booleans stay Boolean and Bytes
// stay Byte when both sides agree; otherwise Integer, or Long once either
// side is not Boolean, Byte or Integer (Empty counts as the Long 0).
enum class LogicKind : uint8_t { Boolean, Byte, Integer, Long };

struct Logic {
    LogicKind kind;
    int32_t v;
};

enum class LogicOp : uint8_t { And, Or, Xor, Eqv, Imp };

// A plain (not Null, not object) value as a logical operand. Strings may be
// "True" / "False" or numbers; other numbers round half to even to a Long.
Result<Logic> logicalOperand(const Variant& d)
{
    switch (d.type()) {
    case VarType::Boolean: return Logic { LogicKind::Boolean, d.asInteger() };
    case VarType::Byte: return Logic { LogicKind::Byte, d.asByte() };
    case VarType::Integer: return Logic { LogicKind::Integer, d.asInteger() };
    case VarType::Empty: return Logic { LogicKind::Long, 0 };
    case VarType::Long: return Logic { LogicKind::Long, d.asLong() };
    case VarType::String:
        if (equalsIgnoreCase(d.stringView(), u"True") || equalsIgnoreCase(d.stringView(), u"False"))
            return Logic { LogicKind::Boolean, equalsIgnoreCase(d.stringView(), u"True") ? -1 : 0 };
        [[fallthrough]];
    default: {
        TRY_ASSIGN(l, toLong(d));
        return Logic { LogicKind::Long, l };
    }
    }
}

LogicKind combine(LogicKind a, LogicKind b)
{
    if (a == b)
        return a;
    return (a == LogicKind::Long || b == LogicKind::Long) ? LogicKind::Long : LogicKind::Integer;
}

Variant logicResult(int32_t r, LogicKind kind)
{
    switch (kind) {
    case LogicKind::Boolean: return Variant::fromBool(r != 0);
    case LogicKind::Byte: return Variant::fromByte(static_cast<uint8_t>(r & 0xFF));
    case LogicKind::Integer: return Variant::fromInteger(static_cast<int16_t>(r));
    case LogicKind::Long: break;
    }
    return Variant::fromLong(r);
}

int32_t applyLogic(int32_t x, int32_t y, LogicOp op)
{
    switch (op) {
    case LogicOp::And: return x & y;
    case LogicOp::Or: return x | y;
    case LogicOp::Xor: return x ^ y;
    case LogicOp::Eqv: return ~(x ^ y);
    case LogicOp::Imp: break;
    }
    return ~x | y;
}

bool allBitsSet(const Logic& l) { return l.kind == LogicKind::Byte ? (l.v & 0xFF) == 0xFF : l.v == -1; }

// One side Null: the result is known only where the other side decides it
// alone (False And Null is False, True Or Null is True, False Imp Null and
// Null Imp True are True); everything else is Null, except that a Byte Imp
// Null is the Byte Not x.
Variant logicWithNull(const Logic& other, bool nullOnLeft, LogicOp op)
{
    switch (op) {
    case LogicOp::And:
        return other.v == 0 ? logicResult(0, other.kind) : Variant::null();
    case LogicOp::Or:
        return allBitsSet(other) ? logicResult(other.v, other.kind) : Variant::null();
    case LogicOp::Imp:
        if (nullOnLeft)
            return allBitsSet(other) ? logicResult(other.v, other.kind) : Variant::null();
        if (other.kind == LogicKind::Byte)
            return logicResult(~other.v, LogicKind::Byte); // a Byte keeps its type: Not x
        return other.v == 0 ? logicResult(-1, other.kind) : Variant::null();
    default: return Variant::null();
    }
}

Result<Variant> logical(const Variant& a0, const Variant& b0, LogicOp op)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return logical(values.first, values.second, op);
    }
    if (a.isNull() && b.isNull())
        return Variant::null();
    if (a.isNull() || b.isNull()) {
        TRY_ASSIGN(other, logicalOperand(a.isNull() ? b : a));
        return logicWithNull(other, a.isNull(), op);
    }
    TRY_ASSIGN(x, logicalOperand(a));
    TRY_ASSIGN(y, logicalOperand(b));
    return logicResult(applyLogic(x.v, y.v, op), combine(x.kind, y.kind));
}

} // namespace

// Not: bitwise; Boolean stays Boolean, Byte stays Byte, Empty is Long -1;
// Null gives Null.
Result<Variant> opNot(const Variant& a0)
{
    const Variant& a = a0.deref();
    if (a.isNull())
        return Variant::null();
    if (a.isObject()) {
        TRY_ASSIGN(value, toValue(a));
        return opNot(value);
    }
    TRY_ASSIGN(x, logicalOperand(a));
    return logicResult(~x.v, x.kind);
}

Result<Variant> opAnd(const Variant& a, const Variant& b) { return logical(a, b, LogicOp::And); }
Result<Variant> opOr(const Variant& a, const Variant& b) { return logical(a, b, LogicOp::Or); }
Result<Variant> opXor(const Variant& a, const Variant& b) { return logical(a, b, LogicOp::Xor); }
Result<Variant> opEqv(const Variant& a, const Variant& b) { return logical(a, b, LogicOp::Eqv); }
Result<Variant> opImp(const Variant& a, const Variant& b) { return logical(a, b, LogicOp::Imp); }

namespace {

template <class T>
int threeWay(T x, T y)
{
    return x < y ? -1 : (y < x ? 1 : 0);
}

int compareText(std::u16string_view x, std::u16string_view y, CompareMode mode)
{
    if (mode == CompareMode::Binary)
        return compareUnits(x, y);
    const size_t n = std::min(x.size(), y.size());
    for (size_t i = 0; i < n; ++i) {
        const char16_t cx = foldCase(x[i]);
        const char16_t cy = foldCase(y[i]);
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    return threeWay(x.size(), y.size());
}

int compareNumbers(const Num& a, const Num& b)
{
    // A Single meets a Double at the Single's precision.
    if ((a.kind == NumKind::Single && b.kind == NumKind::Double) || (a.kind == NumKind::Double && b.kind == NumKind::Single))
        return threeWay(static_cast<float>(a.d), static_cast<float>(b.d));
    const bool exactA = isIntegral(a.kind) || a.kind == NumKind::Currency;
    const bool exactB = isIntegral(b.kind) || b.kind == NumKind::Currency;
    if (exactA && exactB) {
        if (a.kind == NumKind::Currency || b.kind == NumKind::Currency) {
            const int64_t x = a.kind == NumKind::Currency ? a.i : a.i * 10000;
            const int64_t y = b.kind == NumKind::Currency ? b.i : b.i * 10000;
            return threeWay(x, y);
        }
        return threeWay(a.i, b.i);
    }
    return threeWay(toDoubleValue(a), toDoubleValue(b));
}

bool isLiteral(Literals set, Literals side) { return (static_cast<uint8_t>(set) & static_cast<uint8_t>(side)) != 0; }

// A String read as the operand of a numeric or date literal: a number, or for
// a date also a date text; 13 when it is neither.
Result<Num> textAsNumber(std::u16string_view text, bool asDate)
{
    if (asDate) {
        TRY_ASSIGN(serial, toDate(Variant::fromString(text)));
        return Num { NumKind::Date, 0, serial };
    }
    double x;
    if (!parseNumber(text, x))
        return fail(ErrorCode::TypeMismatch);
    if (!std::isfinite(x))
        return fail(ErrorCode::Overflow);
    return Num { NumKind::Double, 0, x };
}

// The order of a String against a number or Boolean (see opCompare).
Result<int> compareTextWith(std::u16string_view text, const Variant& other, bool textLiteral, bool otherLiteral,
                            CompareMode mode)
{
    if (other.type() == VarType::Boolean) {
        if (!textLiteral && !otherLiteral)
            return 1;
        return compareText(text, other.asBool() ? u"True" : u"False", CompareMode::Binary);
    }
    if (otherLiteral) {
        TRY_ASSIGN(n, textAsNumber(text, other.type() == VarType::Date));
        return compareNumbers(n, numOf(other));
    }
    if (!textLiteral)
        return 1;
    TRY_ASSIGN(digits, toString(other));
    return compareText(text, digits.view(), mode);
}

// Ordering of two plain values (not Null, not objects, not arrays).
Result<int> compareValues(const Variant& a, const Variant& b, CompareMode mode, Literals literals)
{
    const bool aText = a.isString();
    const bool bText = b.isString();
    if (aText && bText)
        return compareText(a.stringView(), b.stringView(), mode);
    if (aText && b.isEmpty())
        return compareText(a.stringView(), {}, mode);
    if (bText && a.isEmpty())
        return compareText({}, b.stringView(), mode);
    const auto comparable = [](const Variant& v) { return v.isNumeric() || v.isEmpty() || v.isString(); };
    if (!comparable(a) || !comparable(b))
        return fail(ErrorCode::TypeMismatch);
    if (aText)
        return compareTextWith(a.stringView(), b, isLiteral(literals, Literals::Left),
                               isLiteral(literals, Literals::Right), mode);
    if (bText) {
        TRY_ASSIGN(c, compareTextWith(b.stringView(), a, isLiteral(literals, Literals::Right),
                                      isLiteral(literals, Literals::Left), mode));
        return -c;
    }
    return compareNumbers(numOf(a), numOf(b));
}

bool holds(int c, CompareOp op)
{
    switch (op) {
    case CompareOp::Eq: return c == 0;
    case CompareOp::Ne: return c != 0;
    case CompareOp::Lt: return c < 0;
    case CompareOp::Le: return c <= 0;
    case CompareOp::Gt: return c > 0;
    case CompareOp::Ge: return c >= 0;
    }
    return false;
}

bool isSmallInt(VarType t) { return t == VarType::Integer || t == VarType::Long; }

} // namespace

Result<Variant> opCompare(const Variant& a0, const Variant& b0, CompareOp op, CompareMode mode, Literals literals)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (isSmallInt(a.type()) && isSmallInt(b.type())) {
        const int32_t x = a.type() == VarType::Integer ? a.asInteger() : a.asLong();
        const int32_t y = b.type() == VarType::Integer ? b.asInteger() : b.asLong();
        return Variant::fromBool(holds(threeWay(x, y), op));
    }
    if (a.type() == VarType::Double && b.type() == VarType::Double)
        return Variant::fromBool(holds(threeWay(a.asDouble(), b.asDouble()), op));
    if (a.isObject() || b.isObject()) {
        TRY_ASSIGN(values, plainValues(a, b));
        return opCompare(values.first, values.second, op, mode, literals);
    }
    if (a.isArray() || b.isArray())
        return fail(ErrorCode::TypeMismatch);
    if (a.isNull() || b.isNull())
        return Variant::null();
    TRY_ASSIGN(c, compareValues(a, b, mode, literals));
    return Variant::fromBool(holds(c, op));
}

Result<bool> opIs(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (!a.isObject() || !b.isObject())
        return fail(ErrorCode::ObjectRequired);
    return a.asObject() == b.asObject();
}

Result<bool> toCondition(const Variant& v)
{
    const Variant& d = v.deref();
    switch (d.type()) {
    case VarType::Boolean: return d.asBool();
    case VarType::Integer: return d.asInteger() != 0;
    case VarType::Long: return d.asLong() != 0;
    case VarType::Null:
    case VarType::Empty: return false;
    case VarType::Object: {
        TRY_ASSIGN(value, toValue(d));
        return toCondition(value);
    }
    default: return toBool(d);
    }
}

} // namespace vbs
