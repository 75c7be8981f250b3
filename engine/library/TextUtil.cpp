#include "library/TextUtil.h"

#include <bit>
#include <cstring>

namespace vbs::lib {

namespace {

// Windows-1252 0x80..0x9F; the undefined bytes keep their own value.
constexpr char16_t CodePageHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t fromCodePage(uint8_t byte) noexcept
{
    return (byte >= 0x80 && byte < 0xA0) ? CodePageHigh[byte - 0x80] : char16_t(byte);
}

uint8_t toCodePage(char16_t unit) noexcept
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return uint8_t(unit);
    for (int i = 0; i < 32; ++i) {
        if (CodePageHigh[i] == unit)
            return uint8_t(0x80 + i);
    }
    return u'?';
}

namespace {

bool equalFolded(const char16_t* a, const char16_t* b, size_t n) noexcept
{
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i] && foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

bool equalUnits(const char16_t* a, const char16_t* b, size_t n) noexcept
{
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// First p in [from, to) with s[p] == unit, or `to`. Long runs are scanned
// four units a word (a lane equal to the unit becomes a zero lane).
size_t scanUnit(const char16_t* s, size_t from, size_t to, char16_t unit) noexcept
{
    size_t p = from;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t ones = 0x0001000100010001ull;
        constexpr uint64_t highs = 0x8000800080008000ull;
        const uint64_t pattern = ones * unit;
        for (; p + 4 <= to; p += 4) {
            uint64_t word;
            std::memcpy(&word, s + p, sizeof word);
            word ^= pattern;
            // Exact for the lowest zero lane, which is the one wanted.
            const uint64_t zero = (word - ones) & ~word & highs;
            if (zero)
                return p + size_t(std::countr_zero(zero)) / 16;
        }
    }
    for (; p < to; ++p) {
        if (s[p] == unit)
            return p;
    }
    return to;
}

} // namespace

// Binary search: scan for the first unit, then compare the rest.
size_t findExact(std::u16string_view hay, std::u16string_view needle, size_t from) noexcept
{
    const size_t n = needle.size();
    if (n == 0)
        return from <= hay.size() ? from : std::u16string_view::npos;
    if (n > hay.size() || from > hay.size() - n)
        return std::u16string_view::npos;
    const char16_t* h = hay.data();
    const char16_t first = needle[0];
    const size_t end = hay.size() - n + 1; // candidate starts lie before it
    if (n == 1) {
        const size_t p = scanUnit(h, from, end, first);
        return p < end ? p : std::u16string_view::npos;
    }
    for (size_t p = scanUnit(h, from, end, first); p < end; p = scanUnit(h, p + 1, end, first)) {
        if (equalUnits(h + p + 1, needle.data() + 1, n - 1))
            return p;
    }
    return std::u16string_view::npos;
}

size_t findFolded(std::u16string_view hay, std::u16string_view needle, size_t from) noexcept
{
    if (needle.size() > hay.size())
        return std::u16string_view::npos;
    for (size_t p = from; p + needle.size() <= hay.size(); ++p) {
        if (equalFolded(hay.data() + p, needle.data(), needle.size()))
            return p;
    }
    return std::u16string_view::npos;
}

size_t findTextReverse(std::u16string_view hay, std::u16string_view needle, size_t last,
                       CompareMode mode) noexcept
{
    if (needle.size() > hay.size())
        return std::u16string_view::npos;
    if (needle.empty())
        return std::min(last, hay.size());
    if (mode == CompareMode::Binary) {
        // Scan back for the first unit, then compare the rest.
        const char16_t first = needle[0];
        for (size_t p = std::min(last, hay.size() - needle.size()) + 1; p-- > 0;) {
            if (hay[p] == first && equalUnits(hay.data() + p + 1, needle.data() + 1, needle.size() - 1))
                return p;
        }
        return std::u16string_view::npos;
    }
    size_t p = std::min(last, hay.size() - needle.size());
    for (;; --p) {
        if (equalFolded(hay.data() + p, needle.data(), needle.size()))
            return p;
        if (p == 0)
            return std::u16string_view::npos;
    }
}

namespace {

// Base letters of the accented Latin letters, folded to capitals, from
// 0xC0 on: 0 for the others (AE, ETH, the signs, O with stroke, THORN, the
// ligatures, L with stroke ...).
constexpr char BaseLatin[0x180 - 0xC0 + 1] =
    // 0xC0..0xDF
    "AAAAAA\0CEEEEIIII\0NOOOOO\0\0UUUUY\0\0"
    // 0xE0..0xFF: folded to 0xC0..0xDE before the look-up
    "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
    // 0x100..0x17F
    "AAAAAACCCCCCCCDD\0\0EEEEEEEEEEGGGGGGGGHH\0\0IIIIIIIII\0\0\0JJKK\0LLLLLL\0\0\0\0NNNNNN\0\0\0"
    "OOOOOO\0\0RRRRRRSSSSSSSSTTTT\0\0UUUUUUUUUUUUWWYYYZZZZZZ\0";

// Latin-1 signs and punctuation (not the ordinal indicators, superscript
// digits, micro sign and fractions, which sort with letters and digits).
bool isLatinSign(char16_t f) noexcept
{
    if (f == 0xD7 || f == 0xF7)
        return true;
    if (f < 0xA0 || f > 0xBF)
        return false;
    const bool withLetters = f == 0xAA || f == 0xB5 || f == 0xBA;
    const bool withDigits = f == 0xB2 || f == 0xB3 || f == 0xB9 || (f >= 0xBC && f <= 0xBE);
    return !withLetters && !withDigits;
}

// A unit's place in text order, as the locale's sorting has it: punctuation
// and signs first, then digits, then letters with case ignored and accents
// set aside (an accent decides only between texts whose letters are
// otherwise equal), then the rest by folded unit. "_" comes before "A",
// "{" before "1", "e" before "E" with an acute before "f".
struct TextWeight {
    uint32_t primary;
    char16_t accent;
};

TextWeight textWeight(char16_t c) noexcept
{
    constexpr uint32_t Digit = 0x10000, Letter = 0x20000, Other = 0x30000;
    const char16_t f = foldCase(c);
    if (f < 0x80) {
        if (f >= u'A' && f <= u'Z')
            return { Letter | f, 0 };
        return { f >= u'0' && f <= u'9' ? Digit | f : f, 0 };
    }
    if (f >= 0xC0 && f <= 0x180 && BaseLatin[f - 0xC0])
        return { Letter | static_cast<uint32_t>(BaseLatin[f - 0xC0]), f };
    if (isLatinSign(f))
        return { f, 0 };
    return { Other | f, 0 };
}

} // namespace

int compareText(std::u16string_view a, std::u16string_view b, CompareMode mode) noexcept
{
    if (mode == CompareMode::Binary) {
        const int c = a.compare(b);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    // Letters and length first; the first accent that differs only after them.
    int accents = 0;
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char16_t x = a[i], y = b[i];
        if (x == y)
            continue;
        const TextWeight wx = textWeight(x), wy = textWeight(y);
        if (wx.primary != wy.primary)
            return wx.primary < wy.primary ? -1 : 1;
        if (accents == 0 && wx.accent != wy.accent)
            accents = wx.accent < wy.accent ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return accents;
}

} // namespace vbs::lib
