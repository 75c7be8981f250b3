// Shared helpers of the in-process UI tests: a stand-in desktop at 15 twips
// per pixel, and member calls by name through the dispatch interface.
#pragma once

#include "ControlObjects.h"
#include "QtDesktop.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace vorna::test {

using vbs::Str;
using vbs::Variant;

inline Variant v(int value) { return Variant::fromLong(value); }
inline Variant v(double value) { return Variant::fromDouble(value); }
inline Variant v(const char16_t* text) { return Variant::fromString(std::u16string_view(text)); }
inline Variant v(bool value) { return Variant::fromBool(value); }

// Calls a member by name as a script would (method or property read).
inline vbs::Result<Variant> call(vbs::Object& object, std::u16string_view member, std::vector<Variant> args = {},
                                 vbs::InvokeKind kind = vbs::InvokeKind::MethodOrGet)
{
    vbs::DispId id = object.memberId(member);
    if (id == vbs::DispIdUnknown)
        return vbs::fail(vbs::ErrorCode::ObjectDoesntSupportMember);
    return object.invoke(id, kind, vbs::Args(args));
}

inline vbs::Result<Variant> put(vbs::Object& object, std::u16string_view member, Variant value)
{
    return call(object, member, { std::move(value) }, vbs::InvokeKind::PropertyPut);
}

inline std::u16string text(const vbs::Result<Variant>& result)
{
    return result ? std::u16string(result.value().deref().stringView()) : u"<error>";
}

inline int errorOf(const vbs::Result<Variant>& result) { return result ? 0 : result.error().number; }

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() { desktop.setTwipsPerPixel(15, 15); }
    platform::StandInDesktop desktop;
};

} // namespace vorna::test
