// Compact constructors and a printable form of values for the runtime tests:
// a result reads "Integer 3", "Double 0.5", "Null" or "error 13", so one
// string states both the subtype and the value.
#pragma once

#include "runtime/Convert.h"

#include <cmath>
#include <ostream>
#include <string>

namespace vbs::test {

inline Variant I(int16_t v) { return Variant::fromInteger(v); }
inline Variant L(int32_t v) { return Variant::fromLong(v); }
inline Variant D(double v) { return Variant::fromDouble(v); }
inline Variant Sg(float v) { return Variant::fromSingle(v); }
inline Variant By(uint8_t v) { return Variant::fromByte(v); }
inline Variant B(bool v) { return Variant::fromBool(v); }
inline Variant Cy(double v) { return Variant::fromCurrency(std::llround(v * 10000)); }
inline Variant Dt(double serial) { return Variant::fromDate(serial); }
inline Variant S(const char16_t* s) { return Variant::fromString(std::u16string_view(s)); }
inline Variant E() { return Variant(); }
inline Variant N() { return Variant::null(); }

inline std::string describe(const Variant& v)
{
    if (v.isMissing())
        return "Missing";
    const std::string type = typeName(v).toUtf8();
    if (v.isEmpty() || v.isNull() || v.isArray() || v.isObject())
        return type;
    auto text = toString(v);
    return type + " " + (text.ok() ? text.value().toUtf8() : "?");
}

inline std::string describe(const Result<Variant>& r)
{
    return r.ok() ? describe(r.value()) : "error " + std::to_string(r.error().number);
}

template <class T>
std::string errorOf(const Result<T>& r)
{
    return r.ok() ? "ok" : "error " + std::to_string(r.error().number);
}

} // namespace vbs::test

namespace vbs {
// Readable gtest output for parameters holding Variants.
inline void PrintTo(const Variant& v, std::ostream* os) { *os << test::describe(v); }
} // namespace vbs
