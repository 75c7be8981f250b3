// Argument helpers shared by the library's area files: reading optional
// arguments, string arguments without copies, and naming errors after the
// function that raised them ("Invalid procedure call or argument: 'Mid'").
#pragma once

#include "library/Builtins.h"
#include "runtime/Convert.h"
#include "runtime/Operators.h"

#include <algorithm>
#include <cstddef>

namespace vbs::lib {

// The function's name as a template argument, so that every table entry gets
// its own error-naming trampoline without a hand-written wrapper.
template <size_t N>
struct FnName {
    char16_t text[N] {};
    constexpr FnName(const char16_t (&s)[N]) { std::copy_n(s, N, text); }
    constexpr std::u16string_view view() const { return { text, N - 1 }; }
};

// Appends ": 'Name'" to an error that still carries the table's bare text;
// errors with their own description (an object's, a class name) stay as they are.
ErrorTag nameError(ErrorTag tag, std::u16string_view name);

template <FnName Name, BuiltinFn Impl>
Result<Variant> named(BuiltinContext& ctx, Args args)
{
    // One named result, returned in place: no move on the success path.
    Result<Variant> r = Impl(ctx, args);
    if (!r.ok()) [[unlikely]]
        r = nameError(r.takeError(), Name.view());
    return r;
}

// Table entry: FN(Mid, 2, 3, mid).
#define VBS_FN(name, minArgs, maxArgs, impl) \
    BuiltinFunction { u"" #name, minArgs, maxArgs, &::vbs::lib::named<u"" #name, impl> }

inline bool present(Args args, size_t i)
{
    return i < args.size() && !args[i].deref().isMissing();
}

// The argument's value: ByRef followed, an object read through its default
// member. A required argument left out inside the list is 449.
Result<Variant> value(Args args, size_t i);

// A string argument, viewed in place when it already is a String (no copy,
// not even a reference count, on the hot paths of Mid, InStr, Len ...): the
// argument outlives the call. Null is reported, not converted.
class Text {
public:
    bool isNull() const { return m_null; }
    std::u16string_view view() const { return m_view; }
    size_t size() const { return m_view.size(); }
    // The argument as a Str (shares the caller's string, no copy).
    Str str() const { return m_source ? m_source->asString() : m_owned; }

    static Result<Text> from(const Variant& v);
    // A String argument, viewed (the caller has checked isString()).
    static Text viewOf(const Variant& v) noexcept
    {
        Text t;
        t.m_source = &v;
        t.m_view = v.stringView();
        return t;
    }

private:
    const Variant* m_source = nullptr; // the String argument viewed
    Str m_owned; // the text of a converted argument
    std::u16string_view m_view;
    bool m_null = false;
};
inline Result<Text> text(Args args, size_t i)
{
    const Variant& v = args[i].deref();
    if (v.isString())
        return Text::viewOf(v);
    return Text::from(v);
}

// The usual arguments read without conversion, for the fast paths of the
// hot functions: a String (ByRef followed) or nullptr; a Long or Integer.
// Anything else goes the general way, which converts and raises the errors.
inline const Variant* plainString(Args args, size_t i) noexcept
{
    const Variant& v = args[i].deref();
    return v.isString() ? &v : nullptr;
}
inline bool plainWhole(Args args, size_t i, int32_t& out) noexcept
{
    const Variant& v = args[i].deref();
    if (v.type() == VarType::Long) {
        out = v.asLong();
        return true;
    }
    if (v.type() == VarType::Integer) {
        out = v.asInteger();
        return true;
    }
    return false;
}

// Argument i when it is a String that the call alone holds: the caller's
// temporary (not a ByRef link to a variable) with one reference. It is taken
// out of the argument list into `out`, so the function may change its units
// in place and return it. A string that a variable, a constant or any other
// value still shares is never taken. A Text viewing this argument must not
// call str() afterwards (its source is then Empty); its view stays valid.
inline bool takeUnique(Args args, size_t i, Str& out) noexcept
{
    Variant& v = args[i];
    if (v.stringRefs() != 1)
        return false;
    out = v.asString();
    v.clear();
    return true;
}

// Integer arguments (CLng rules: half to even, 6 beyond Long, 94 for Null,
// 13 for text that is not a number); `fallback` when omitted.
Result<int32_t> longArgSlow(Args args, size_t i, int32_t fallback);
inline Result<int32_t> longArg(Args args, size_t i, int32_t fallback)
{
    if (i >= args.size())
        return fallback;
    const Variant& v = args[i].deref();
    if (v.type() == VarType::Long)
        return v.asLong();
    if (v.type() == VarType::Integer)
        return int32_t(v.asInteger());
    return longArgSlow(args, i, fallback);
}
Result<double> doubleArg(Args args, size_t i);
// vbBinaryCompare (0) or vbTextCompare (1); anything else is 5.
Result<CompareMode> compareArgSlow(Args args, size_t i);
inline Result<CompareMode> compareArg(Args args, size_t i)
{
    if (i >= args.size())
        return CompareMode::Binary;
    return compareArgSlow(args, i);
}

inline ErrorTag invalidArgument() { return fail(ErrorCode::InvalidProcedureCall); }
inline ErrorTag typeMismatch() { return fail(ErrorCode::TypeMismatch); }
inline ErrorTag nullUse() { return fail(ErrorCode::InvalidUseOfNull); }

// 7 Out of memory, kept out of the callers' way.
[[gnu::cold, gnu::noinline]] Result<Variant> outOfMemory();

// A string result of `length` units filled by `fill(char16_t*)`; 7 when too long.
template <class F>
Result<Variant> makeString(size_t length, F&& fill)
{
    if (length == 0)
        return Variant::fromString(Str());
    StringRep* rep = StringRep::allocate(length, length); // nullptr past MaxLength
    if (!rep)
        return outOfMemory();
    fill(rep->data);
    return Variant::fromString(Str::adopt(rep));
}
inline Result<Variant> makeString(std::u16string_view text)
{
    return makeString(text.size(), [&](char16_t* out) { copyUnits(out, text.data(), text.size()); });
}

} // namespace vbs::lib
