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

// Ranges where upper and lower case alternate: even (or odd) units are upper.
struct PairRange {
    char16_t first, last;
    bool upperIsEven;
};
constexpr PairRange Pairs[] = {
    { 0x0100, 0x012F, true }, { 0x0132, 0x0137, true }, { 0x0139, 0x0148, false },
    { 0x014A, 0x0177, true }, { 0x0179, 0x017E, false }, { 0x0460, 0x0481, true },
    { 0x048A, 0x04BF, true }, { 0x04C1, 0x04CE, false }, { 0x04D0, 0x052F, true },
    { 0x1E00, 0x1E95, true }, { 0x1EA0, 0x1EFF, true }, { 0x0182, 0x0185, true }, { 0x0187, 0x0188, false },
    { 0x018B, 0x018C, false }, { 0x0191, 0x0192, false }, { 0x0198, 0x0199, true }, { 0x01A0, 0x01A5, true },
    { 0x01A7, 0x01A8, false }, { 0x01AC, 0x01AD, true }, { 0x01AF, 0x01B0, false }, { 0x01B3, 0x01B6, false },
    { 0x01B8, 0x01B9, true }, { 0x01BC, 0x01BD, true }, { 0x01CD, 0x01DC, false }, { 0x01DE, 0x01EF, true },
    { 0x01F4, 0x01F5, true }, { 0x01F8, 0x021F, true }, { 0x0222, 0x0233, true },
};

// Latin Extended-B capitals whose small letter lies elsewhere (mostly among
// the IPA letters).
struct CasePair {
    char16_t upper, lower;
};
constexpr CasePair ScatteredPairs[] = {
    { 0x0181, 0x0253 }, { 0x0186, 0x0254 }, { 0x0189, 0x0256 }, { 0x018A, 0x0257 }, { 0x018E, 0x01DD },
    { 0x018F, 0x0259 }, { 0x0190, 0x025B }, { 0x0193, 0x0260 }, { 0x0194, 0x0263 }, { 0x0196, 0x0269 },
    { 0x0197, 0x0268 }, { 0x019C, 0x026F }, { 0x019D, 0x0272 }, { 0x019F, 0x0275 }, { 0x01A6, 0x0280 },
    { 0x01A9, 0x0283 }, { 0x01AE, 0x0288 }, { 0x01B1, 0x028A }, { 0x01B2, 0x028B }, { 0x01B7, 0x0292 },
    { 0x01F6, 0x0195 }, { 0x01F7, 0x01BF }, { 0x0220, 0x019E },
};

// The digraphs DZ, LJ, NJ and DZ again come as capital, title case and
// small letter in a row: the first unit of each triple.
constexpr char16_t DigraphTriples[] = { 0x01C4, 0x01C7, 0x01CA, 0x01F1 };

// Case of a unit among the scattered pairs and digraphs; false when it is none.
bool scatteredCase(char16_t c, bool wantUpper, char16_t& out)
{
    if (c < 0x0181 || c > 0x0292)
        return false;
    for (char16_t first : DigraphTriples) {
        if (c >= first && c <= first + 2) {
            out = wantUpper ? first : char16_t(first + 2);
            return true;
        }
    }
    for (const CasePair& p : ScatteredPairs) {
        if (c == p.upper || c == p.lower) {
            out = wantUpper ? p.upper : p.lower;
            return true;
        }
    }
    return false;
}

// Ranges whose lower case sits at a fixed distance above the upper case.
struct ShiftRange {
    char16_t first, last;
    int16_t delta;
};
constexpr ShiftRange Shifts[] = {
    { u'A', u'Z', 32 }, { 0x00C0, 0x00D6, 32 }, { 0x00D8, 0x00DE, 32 }, { 0x0391, 0x03A1, 32 },
    { 0x03A3, 0x03AB, 32 }, { 0x0388, 0x038A, 37 }, { 0x038E, 0x038F, 63 }, { 0x0410, 0x042F, 32 },
    { 0x0400, 0x040F, 80 }, { 0x0531, 0x0556, 48 }, { 0xFF21, 0xFF3A, 32 },
};

bool inPairRange(char16_t c, bool wantUpper, char16_t& out)
{
    for (const PairRange& r : Pairs) {
        if (c < r.first || c > r.last)
            continue;
        bool isUpper = ((c % 2) == 0) == r.upperIsEven;
        if (isUpper == wantUpper)
            return false; // already in the asked case
        out = wantUpper ? char16_t(c - 1) : char16_t(c + 1);
        return true;
    }
    return false;
}

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

char16_t upperOther(char16_t c) noexcept
{
    switch (c) {
    case 0x00B5: return 0x039C;
    case 0x00FF: return 0x0178;
    case 0x0131: return u'I';
    case 0x017F: return u'S';
    case 0x03C2: return 0x03A3;
    case 0x03AC: return 0x0386;
    case 0x03CC: return 0x038C;
    default: break;
    }
    for (const ShiftRange& r : Shifts) {
        if (c >= r.first + r.delta && c <= r.last + r.delta)
            return char16_t(c - r.delta);
    }
    char16_t out;
    return inPairRange(c, true, out) || scatteredCase(c, true, out) ? out : c;
}

char16_t lowerOther(char16_t c) noexcept
{
    switch (c) {
    case 0x0178: return 0x00FF;
    case 0x0130: return u'i';
    case 0x0386: return 0x03AC;
    case 0x038C: return 0x03CC;
    default: break;
    }
    for (const ShiftRange& r : Shifts) {
        if (c >= r.first && c <= r.last)
            return char16_t(c + r.delta);
    }
    char16_t out;
    return inPairRange(c, false, out) || scatteredCase(c, false, out) ? out : c;
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
