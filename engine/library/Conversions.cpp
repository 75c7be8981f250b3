// Conversion, type-inspection and array functions: the C* wrappers around
// Convert.h, TypeName/VarType, the Is* tests, Array, UBound and LBound.
#include "library/LibraryArgs.h"
#include "runtime/DateTime.h"

#include <cmath>
#include <vector>

namespace vbs {

namespace {

using namespace lib;

// C<type>(expression): the value converted by Convert.h's rules. Null 94,
// not convertible 13, out of range 6; an object converts its default value.
template <class T, Result<T> (*Convert)(const Variant&), Variant (*Make)(T)>
Result<Variant> convertTo(BuiltinContext&, Args args)
{
    TRY_ASSIGN(v, value(args, 0));
    if (v.isNull())
        return nullUse();
    TRY_ASSIGN(r, Convert(v));
    return Make(std::move(r));
}

Variant makeBool(bool b) { return Variant::fromBool(b); }
Variant makeByte(uint8_t b) { return Variant::fromByte(b); }
Variant makeInteger(int16_t i) { return Variant::fromInteger(i); }
Variant makeLong(int32_t i) { return Variant::fromLong(i); }
Variant makeSingle(float f) { return Variant::fromSingle(f); }
Variant makeDouble(double d) { return Variant::fromDouble(d); }
Variant makeCurrency(int64_t c) { return Variant::fromCurrency(c); }
Variant makeDate(double d) { return Variant::fromDate(d); }
Variant makeStr(Str s) { return Variant::fromString(std::move(s)); }

// TypeName(varname) -> String: "Integer", "String", "Variant()", "Nothing",
// an object's class name ...
Result<Variant> typeNameFn(BuiltinContext&, Args args)
{
    return Variant::fromString(typeName(args[0].deref()));
}

// VarType(varname) -> Integer: the subtype (arrays 8204); an object with a
// default member reports its default value's subtype, otherwise 9.
Result<Variant> varTypeFn(BuiltinContext&, Args args)
{
    const Variant& v = args[0].deref();
    if (v.isObject() && !v.isNothing()) {
        Result<Variant> inner = toValue(v);
        if (inner.ok() && !inner->isObject())
            return Variant::fromInteger(int16_t(inner->varType()));
        return Variant::fromInteger(int16_t(VarType::Object));
    }
    return Variant::fromInteger(int16_t(v.varType()));
}

// IsEmpty / IsNull / IsArray / IsObject(expression) -> Boolean on the value
// itself (an object is not read through its default member; Nothing is an object).
Result<Variant> isEmptyFn(BuiltinContext&, Args args) { return Variant::fromBool(args[0].deref().isEmpty()); }
Result<Variant> isNullFn(BuiltinContext&, Args args) { return Variant::fromBool(args[0].deref().isNull()); }
Result<Variant> isArrayFn(BuiltinContext&, Args args) { return Variant::fromBool(args[0].deref().isArray()); }
Result<Variant> isObjectFn(BuiltinContext&, Args args) { return Variant::fromBool(args[0].deref().isObject()); }

// IsNumeric(expression) -> Boolean: numbers, Boolean and Empty are; Dates,
// Null and arrays are not; text is when it reads as a number. An object
// tests its default value (False when it has none).
Result<Variant> isNumericFn(BuiltinContext&, Args args)
{
    Result<Variant> r = toValue(args[0].deref());
    if (!r.ok())
        return Variant::fromBool(false);
    const Variant& v = *r;
    switch (v.type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
        return Variant::fromBool(true);
    case VarType::String: {
        double d; // text beyond a Double's range ("1e309") does not convert
        return Variant::fromBool(parseNumber(v.stringView(), d) && std::isfinite(d));
    }
    default:
        return Variant::fromBool(false);
    }
}

// IsDate(expression) -> Boolean: a Date, or text that reads as a date or time.
Result<Variant> isDateFn(BuiltinContext&, Args args)
{
    Result<Variant> r = toValue(args[0].deref());
    if (!r.ok())
        return Variant::fromBool(false);
    if (r->type() == VarType::Date)
        return Variant::fromBool(true);
    if (!r->isString())
        return Variant::fromBool(false);
    double serial;
    return Variant::fromBool(parseDateTime(r->stringView(), serial));
}

// Array(arglist) -> Variant(): a dynamic one-dimensional array of the
// arguments (none gives an empty array, UBound -1).
Result<Variant> arrayFn(BuiltinContext&, Args args)
{
    std::vector<Variant> items;
    items.reserve(args.size());
    for (Variant& a : args) {
        const Variant& v = a.deref();
        items.push_back(v.isMissing() ? Variant() : v);
    }
    return Variant::fromArray(Array::createVector(std::move(items)));
}

// UBound / LBound(arrayname[, dimension]) -> Long. Not an array (Null
// included) 13; dimension below 1 or above the count 9; dimension Null 94.
template <bool Upper>
Result<Variant> boundFn(BuiltinContext&, Args args)
{
    const Variant& v = args[0].deref();
    if (!v.isArray())
        return typeMismatch();
    TRY_ASSIGN(dim, longArg(args, 1, 1));
    const Array* a = v.asArray();
    if (dim < 1 || dim > a->dims())
        return fail(ErrorCode::SubscriptOutOfRange);
    return Variant::fromLong(Upper ? a->upperBound(dim - 1) : a->lowerBound(dim - 1));
}

} // namespace

std::span<const BuiltinFunction> conversionFunctions()
{
    static const BuiltinFunction table[] = {
        VBS_FN(Array, 0, UnlimitedArgs, arrayFn),
        VBS_FN(CBool, 1, 1, (convertTo<bool, toBool, makeBool>)),
        VBS_FN(CByte, 1, 1, (convertTo<uint8_t, toByte, makeByte>)),
        VBS_FN(CCur, 1, 1, (convertTo<int64_t, toCurrency, makeCurrency>)),
        VBS_FN(CDate, 1, 1, (convertTo<double, toDate, makeDate>)),
        VBS_FN(CDbl, 1, 1, (convertTo<double, toDouble, makeDouble>)),
        VBS_FN(CInt, 1, 1, (convertTo<int16_t, toInteger, makeInteger>)),
        VBS_FN(CLng, 1, 1, (convertTo<int32_t, toLong, makeLong>)),
        VBS_FN(CSng, 1, 1, (convertTo<float, toSingle, makeSingle>)),
        VBS_FN(CStr, 1, 1, (convertTo<Str, toString, makeStr>)),
        VBS_FN(IsArray, 1, 1, isArrayFn),
        VBS_FN(IsDate, 1, 1, isDateFn),
        VBS_FN(IsEmpty, 1, 1, isEmptyFn),
        VBS_FN(IsNull, 1, 1, isNullFn),
        VBS_FN(IsNumeric, 1, 1, isNumericFn),
        VBS_FN(IsObject, 1, 1, isObjectFn),
        VBS_FN(LBound, 1, 2, boundFn<false>),
        VBS_FN(TypeName, 1, 1, typeNameFn),
        VBS_FN(UBound, 1, 2, boundFn<true>),
        VBS_FN(VarType, 1, 1, varTypeFn),
    };
    return table;
}

} // namespace vbs
