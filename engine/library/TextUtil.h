// Character-level helpers for the string functions: Windows-1252 for
// Chr/Asc, per-unit case mapping for UCase/LCase, searching under either
// comparison mode, and byte views of UTF-16 text for the B functions.
#pragma once

#include "runtime/Operators.h"
#include "runtime/Str.h"

#include <cstddef>
#include <string_view>

namespace vbs::lib {

// Windows-1252 byte -> UTF-16 unit (the five undefined bytes map to themselves).
char16_t fromCodePage(uint8_t byte) noexcept;
// UTF-16 unit -> Windows-1252 byte; '?' for units the code page lacks.
uint8_t toCodePage(char16_t unit) noexcept;

// Case mapping (upperOther and lowerOther), ASCII inline: it is nearly all
// the text scripts handle.
inline char16_t upperUnit(char16_t c) noexcept
{
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
    return upperOther(c);
}
inline char16_t lowerUnit(char16_t c) noexcept
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return lowerOther(c);
}

// Position of `needle` in `hay` at or after `from`, or npos.
size_t findExact(std::u16string_view hay, std::u16string_view needle, size_t from) noexcept;
size_t findFolded(std::u16string_view hay, std::u16string_view needle, size_t from) noexcept;
inline size_t findText(std::u16string_view hay, std::u16string_view needle, size_t from, CompareMode mode) noexcept
{
    return mode == CompareMode::Binary ? findExact(hay, needle, from) : findFolded(hay, needle, from);
}
// Last position p <= `last` where `needle` starts, or npos.
size_t findTextReverse(std::u16string_view hay, std::u16string_view needle, size_t last,
                       CompareMode mode) noexcept;
// -1, 0 or 1 as StrComp reports it; text order puts punctuation before
// digits and digits before letters.
int compareText(std::u16string_view a, std::u16string_view b, CompareMode mode) noexcept;

// The bytes of UTF-16 text, little-endian, as the B functions see them.
inline uint8_t byteAt(std::u16string_view s, size_t i) noexcept
{
    char16_t u = s[i / 2];
    return (i % 2) ? uint8_t(u >> 8) : uint8_t(u & 0xFF);
}

} // namespace vbs::lib
