// Helpers for driving the standard objects through their dispatch interface,
// as the interpreter does.
#pragma once

#include "automation/Dispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vbs::test {

inline Variant str(std::u16string_view s) { return Variant::fromString(s); }

inline Result<Variant> invokeByName(Object& o, std::u16string_view member, InvokeKind kind,
                                    std::vector<Variant> args = {})
{
    DispId id = o.memberId(member);
    if (id == DispIdUnknown)
        return fail(ErrorCode::ObjectDoesntSupportMember);
    return o.invoke(id, kind, Args(args));
}

inline Variant get(Object& o, std::u16string_view member, std::vector<Variant> args = {})
{
    Result<Variant> r = invokeByName(o, member, InvokeKind::MethodOrGet, std::move(args));
    EXPECT_TRUE(r.ok()) << "reading " << utf16ToUtf8(member) << ": "
                        << (r.ok() ? std::string() : r.error().description.toUtf8());
    return r.ok() ? r.value() : Variant();
}

inline int32_t errorOf(const Result<Variant>& r) { return r.ok() ? 0 : r.error().number; }

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
