// Helpers shared by the objects' unit tests.
#pragma once

#include "automation/Dispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vbs::test {

inline Variant str(std::u16string_view s)
{
    return Variant::fromString(s);
}

// Calls a member by name, as the interpreter does: memberId, then invoke.
inline Result<Variant> invokeByName(
    Object& o, std::u16string_view member, InvokeKind kind, std::vector<Variant> args = {})
{
    DispId id = o.memberId(member);
    if (id == DispIdUnknown)
        return fail(ErrorCode::ObjectDoesntSupportMember);
    return o.invoke(id, kind, Args(args));
}

inline int32_t errorOf(const Result<Variant>& r)
{
    return r.ok() ? 0 : r.error().number;
}

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
