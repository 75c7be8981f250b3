// Helpers shared by the objects' unit tests.
#pragma once

#include "runtime/Variant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vbs::test {

inline Variant str(std::u16string_view s) { return Variant::fromString(s); }

inline std::string text(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.isString())
        return utf16ToUtf8(d.stringView());
    if (d.isEmpty())
        return "<Empty>";
    if (d.type() == VarType::Long)
        return std::to_string(d.asLong());
    if (d.type() == VarType::Integer)
        return std::to_string(d.asInteger());
    if (d.type() == VarType::Boolean)
        return d.asBool() ? "True" : "False";
    return "<other>";
}

} // namespace vbs::test
