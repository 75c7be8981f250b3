// The built-in library as the compiler and interpreter see it: a table of
// functions (name, argument counts, implementation) and a table of constants.
// Functions receive their arguments as values (ByRef links followed, objects
// not yet read through their default member); an argument omitted inside the
// list (`InStr(, "a")`) arrives as Variant::missing(), trailing omitted ones
// are simply absent (args.size() < maxArgs). The interpreter checks the count
// against minArgs/maxArgs (450) before calling.
#pragma once

#include "runtime/ScriptSite.h"
#include "runtime/Variant.h"

#include <array>
#include <span>

namespace vbs {

// Per-engine state and services the library needs. The engine implements it;
// no library state is global.
class BuiltinContext {
public:
    virtual ~BuiltinContext() = default;
    virtual ScriptSite* site() = 0; // may be null
    // CreateObject / GetObject: 429 for an unknown class.
    virtual Result<Variant> createObject(std::u16string_view progId) = 0;
    virtual Result<Variant> getObject(std::u16string_view path, std::u16string_view progId) = 0;

    // Rnd: the language's 24-bit generator state, and the last value
    // returned (Rnd(0) repeats it).
    uint32_t rndSeed = 0x50000;
    float lastRnd = 0.0f;
    bool rndStarted = false;
    int32_t locale = 1033; // GetLocale / SetLocale

    // One-unit strings below 256, made once and shared: Chr, and Mid, Left
    // and Right of one character, return them without an allocation. Shared
    // strings are never changed in place, so handing them out is safe.
    Str unitString(char16_t unit) noexcept
    {
        Str& s = m_unitStrings[unit];
        if (s.empty()) {
            if (StringRep* rep = StringRep::allocate(1, 1)) {
                rep->data[0] = unit;
                s = Str::adopt(rep);
            }
        }
        return s; // "" only when memory ran out
    }

private:
    std::array<Str, 256> m_unitStrings;
};

using BuiltinFn = Result<Variant> (*)(BuiltinContext& ctx, Args args);

// maxArgs of a function taking any number of arguments (Array): the
// interpreter checks no upper bound for it.
constexpr int8_t UnlimitedArgs = INT8_MAX;

struct BuiltinFunction {
    std::u16string_view name;
    int8_t minArgs;
    int8_t maxArgs;
    BuiltinFn fn;
};

struct BuiltinConstant {
    std::u16string_view name;
    Variant value;
};

// Every library function, from all areas (strings, math, dates, formatting,
// conversions, interaction). Each area file contributes its part through the
// area functions below; builtinFunctions() concatenates them once.
std::span<const BuiltinFunction> builtinFunctions();
std::span<const BuiltinConstant> builtinConstants();
const BuiltinFunction* findBuiltin(std::u16string_view name); // case-insensitive

// Area tables (each defined in its own file).
std::span<const BuiltinFunction> stringFunctions();
std::span<const BuiltinFunction> mathFunctions();
std::span<const BuiltinFunction> conversionFunctions(); // C*, Is*, TypeName, VarType, Array, UBound...
std::span<const BuiltinFunction> dateFunctions();
std::span<const BuiltinFunction> formatFunctions();
std::span<const BuiltinFunction> interactionFunctions(); // MsgBox, InputBox, CreateObject, RGB, ScriptEngine*...

} // namespace vbs
