#include "runtime/Str.h"

namespace vbs {

namespace {

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

char16_t foldCaseOther(char16_t c) noexcept
{
    // The micro sign keeps its own identity in comparisons; UCase makes it mu.
    return c == 0x00B5 ? c : upperOther(c);
}

} // namespace vbs
