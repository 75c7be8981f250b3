// The library's function table (all areas concatenated once), its
// case-insensitive look-up, and the argument helpers of LibraryArgs.h.
#include "library/Builtins.h"
#include "library/LibraryArgs.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace vbs {

namespace lib {

ErrorTag nameError(ErrorTag tag, std::u16string_view name)
{
    ScriptError& e = *tag.error;
    const char* bare = errorDescription(e.number);
    if (bare && e.description.toUtf8() == bare) {
        std::u16string text(e.description.view());
        text += u": '";
        text += name;
        text += u"'";
        e.nameSuffix = static_cast<uint32_t>(text.size() - e.description.size());
        e.description = Str(text);
    }
    return tag;
}

Result<Variant> value(Args args, size_t i)
{
    const Variant& v = args[i].deref();
    if (v.isMissing())
        return fail(ErrorCode::ArgumentNotOptional);
    if (v.isObject() && !v.isNothing())
        return toValue(v);
    return v;
}

Result<Text> Text::from(const Variant& v)
{
    Text t;
    if (v.isString()) {
        t.m_source = &v;
        t.m_view = v.stringView();
    } else if (v.isNull()) {
        t.m_null = true;
    } else if (v.isMissing()) {
        return fail(ErrorCode::ArgumentNotOptional);
    } else if (v.isObject() && !v.isNothing()) {
        TRY_ASSIGN(inner, toValue(v));
        TRY_ASSIGN(converted, from(inner));
        if (converted.m_source) {
            converted.m_owned = inner.asString();
            converted.m_source = nullptr;
            converted.m_view = converted.m_owned.view();
        }
        return converted;
    } else {
        TRY_ASSIGN(s, toString(v));
        t.m_owned = std::move(s);
        t.m_view = t.m_owned.view();
    }
    return t;
}

Result<int32_t> longArgSlow(Args args, size_t i, int32_t fallback)
{
    if (!present(args, i))
        return fallback;
    const Variant& v = args[i].deref();
    switch (v.type()) {
    case VarType::Integer:
        return int32_t(v.asInteger());
    case VarType::Long:
        return v.asLong();
    case VarType::Null:
        return nullUse();
    default:
        break;
    }
    TRY_ASSIGN(plain, value(args, i));
    if (plain.isNull())
        return nullUse();
    return toLong(plain);
}

Result<double> doubleArg(Args args, size_t i)
{
    TRY_ASSIGN(plain, value(args, i));
    if (plain.isNull())
        return nullUse();
    return toDouble(plain);
}

Result<CompareMode> compareArgSlow(Args args, size_t i)
{
    TRY_ASSIGN(mode, longArg(args, i, 0));
    if (mode == 0)
        return CompareMode::Binary;
    if (mode == 1)
        return CompareMode::Text;
    return invalidArgument();
}

Result<Variant> outOfMemory()
{
    return fail(ErrorCode::OutOfMemory);
}

} // namespace lib

namespace {

char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

// Orders names ignoring ASCII case (every built-in name is ASCII).
bool lessIgnoreCase(std::u16string_view a, std::u16string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        char16_t x = asciiUpper(a[i]), y = asciiUpper(b[i]);
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

bool equalIgnoreCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    }
    return true;
}

std::vector<BuiltinFunction> concatenateAreas()
{
    std::vector<BuiltinFunction> all;
    for (auto area : { stringFunctions(), mathFunctions(), conversionFunctions(), dateFunctions(),
                       formatFunctions(), interactionFunctions() })
        all.insert(all.end(), area.begin(), area.end());
    return all;
}

// Pointers into the concatenated table, sorted by name for binary search.
std::vector<const BuiltinFunction*> sortedIndex(std::span<const BuiltinFunction> all)
{
    std::vector<const BuiltinFunction*> index;
    index.reserve(all.size());
    for (const BuiltinFunction& f : all)
        index.push_back(&f);
    std::stable_sort(index.begin(), index.end(), [](const BuiltinFunction* a, const BuiltinFunction* b) {
        return lessIgnoreCase(a->name, b->name);
    });
    return index;
}

} // namespace

std::span<const BuiltinFunction> builtinFunctions()
{
    static const std::vector<BuiltinFunction> all = concatenateAreas();
    return all;
}

const BuiltinFunction* findBuiltin(std::u16string_view name)
{
    static const std::vector<const BuiltinFunction*> index = sortedIndex(builtinFunctions());
    auto it = std::lower_bound(index.begin(), index.end(), name, [](const BuiltinFunction* f, std::u16string_view n) {
        return lessIgnoreCase(f->name, n);
    });
    if (it != index.end() && equalIgnoreCase((*it)->name, name))
        return *it;
    return nullptr;
}

} // namespace vbs
