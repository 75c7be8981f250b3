// String functions. Strings are UTF-16 code units, as the language counts
// them; results are made with one allocation, and an argument that would come
// back unchanged is returned as the same shared string.
#include "library/LibraryArgs.h"
#include "library/TextUtil.h"

#include <cstring>
#include <vector>

namespace vbs {

namespace {

using namespace lib;

Variant longResult(size_t n)
{
    return Variant::fromLong(int32_t(n));
}

// A string of one unit: below 256 the engine's shared one, else a new one.
Result<Variant> oneUnit(BuiltinContext& ctx, char16_t unit)
{
    if (unit < 256) {
        Str s = ctx.unitString(unit);
        if (!s.empty())
            return Variant::fromString(std::move(s));
    }
    return makeString(std::u16string_view(&unit, 1));
}

// The Asc functions: the code of the text's first unit, by `code`. Null 94,
// "" 5.
template <class Code>
Result<Variant> firstCode(Args args, Code code)
{
    if (const Variant* v = plainString(args, 0)) {
        if (v->stringView().empty())
            return invalidArgument();
        return Variant::fromInteger(static_cast<int16_t>(code(v->stringView())));
    }
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return nullUse();
    if (s.size() == 0)
        return invalidArgument();
    return Variant::fromInteger(static_cast<int16_t>(code(s.view())));
}

// Asc(string) -> Integer: the Windows-1252 code of the first character ('?'
// for characters outside it).
Result<Variant> asc(BuiltinContext&, Args args)
{
    return firstCode(args, [](std::u16string_view v) { return toCodePage(v[0]); });
}

// AscB(string) -> Integer: the first byte.
Result<Variant> ascB(BuiltinContext&, Args args)
{
    return firstCode(args, [](std::u16string_view v) { return byteAt(v, 0); });
}

// AscW(string) -> Integer: the first UTF-16 unit, signed as an Integer
// (units from &H8000 are negative).
Result<Variant> ascW(BuiltinContext&, Args args)
{
    return firstCode(args, [](std::u16string_view v) { return v[0]; });
}

// Chr(charcode) -> String: Windows-1252 character 0..255. Null 94, else 5.
Result<Variant> chr(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(code, longArg(args, 0, 0));
    if (code < 0 || code > 255)
        return invalidArgument();
    return oneUnit(ctx, fromCodePage(uint8_t(code)));
}

// ChrB(charcode) -> String of the one byte 0..255 (held in one unit). Null 94.
Result<Variant> chrB(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(code, longArg(args, 0, 0));
    if (code < 0 || code > 255)
        return invalidArgument();
    return oneUnit(ctx, char16_t(code));
}

// ChrW(charcode) -> String of one unit; -32768..65535 (negative as unsigned).
Result<Variant> chrW(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(code, longArg(args, 0, 0));
    if (code < -32768 || code > 65535)
        return invalidArgument();
    return oneUnit(ctx, char16_t(code & 0xFFFF));
}

// Units or bytes: the unit functions and their B twins share one body.
enum class Unit { Char, Byte };

// Text made of the bytes [from, from + count) of `s` (an odd tail byte is
// padded with 0, since a string holds whole units).
Result<Variant> byteSlice(std::u16string_view s, size_t from, size_t count)
{
    if (from % 2 == 0 && count % 2 == 0)
        return makeString(s.substr(from / 2, count / 2));
    size_t limit = s.size() * 2;
    return makeString((count + 1) / 2, [&](char16_t* out) {
        for (size_t k = 0; k < (count + 1) / 2; ++k) {
            size_t b = from + 2 * k;
            uint16_t lo = b < limit ? byteAt(s, b) : 0;
            uint16_t hi = (b + 1 < from + count && b + 1 < limit) ? byteAt(s, b + 1) : 0;
            out[k] = char16_t(lo | (hi << 8));
        }
    });
}

// A part of a string is cut in place only when it keeps most of the block:
// a short piece of a long text gets a block of its own rather than holding
// on to the whole.
bool worthKeeping(size_t length, size_t count)
{
    return count * 2 >= length || length <= 64;
}

// Units [from, from + count) of `s`, argument 0's text (from < its length):
// that string itself when it is all of it, a shared one-unit string, the
// argument's own string cut in place when the call alone holds it, else a
// copy.
Result<Variant> unitSlice(BuiltinContext& ctx, Args args, const Text& s, size_t from, size_t count)
{
    if (from == 0 && count == s.size())
        return Variant::fromString(s.str());
    if (count == 1)
        return oneUnit(ctx, s.view()[from]);
    Str own;
    if (worthKeeping(s.size(), count) && takeUnique(args, 0, own)) {
        own.keepUnits(from, count);
        return Variant::fromString(std::move(own));
    }
    return makeString(s.view().substr(from, count));
}

Result<Variant> slice(BuiltinContext& ctx, Args args, const Text& s, size_t from, size_t count, Unit unit)
{
    size_t length = unit == Unit::Byte ? s.size() * 2 : s.size();
    if (from >= length)
        return Variant::fromString(Str());
    count = std::min(count, length - from);
    if (unit == Unit::Byte) {
        if (from == 0 && count == length)
            return Variant::fromString(s.str());
        return byteSlice(s.view(), from, count);
    }
    return unitSlice(ctx, args, s, from, count);
}

// Left(string, length) / LeftB: Null string gives Null; length Null 94, < 0 5.
template <Unit U>
[[gnu::noinline]] Result<Variant> leftGeneral(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(s, text(args, 0));
    TRY_ASSIGN(n, longArg(args, 1, 0));
    if (n < 0)
        return invalidArgument();
    if (s.isNull())
        return Variant::null();
    return slice(ctx, args, s, 0, size_t(n), U);
}
template <Unit U>
Result<Variant> left(BuiltinContext& ctx, Args args)
{
    int32_t n;
    const Variant* s = plainString(args, 0);
    if (U == Unit::Char && s && plainWhole(args, 1, n) && n >= 0)
        return slice(ctx, args, Text::viewOf(*s), 0, size_t(n), U);
    return leftGeneral<U>(ctx, args);
}

// Right(string, length) / RightB: as Left, from the end.
template <Unit U>
[[gnu::noinline]] Result<Variant> rightGeneral(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(s, text(args, 0));
    TRY_ASSIGN(n, longArg(args, 1, 0));
    if (n < 0)
        return invalidArgument();
    if (s.isNull())
        return Variant::null();
    size_t length = U == Unit::Byte ? s.size() * 2 : s.size();
    size_t count = std::min(size_t(n), length);
    return slice(ctx, args, s, length - count, count, U);
}
template <Unit U>
Result<Variant> right(BuiltinContext& ctx, Args args)
{
    int32_t n;
    const Variant* s = plainString(args, 0);
    if (U == Unit::Char && s && plainWhole(args, 1, n) && n >= 0) {
        const size_t length = s->stringView().size();
        const size_t count = std::min(size_t(n), length);
        return slice(ctx, args, Text::viewOf(*s), length - count, count, U);
    }
    return rightGeneral<U>(ctx, args);
}

// Mid(string, start[, length]) / MidB: start >= 1 and length >= 0, else 5;
// a start past the end gives ""; Null string gives Null.
template <Unit U>
[[gnu::noinline]] Result<Variant> midGeneral(BuiltinContext& ctx, Args args)
{
    TRY_ASSIGN(s, text(args, 0));
    TRY_ASSIGN(start, longArg(args, 1, 1));
    TRY_ASSIGN(n, longArg(args, 2, INT32_MAX));
    if (start < 1 || n < 0)
        return invalidArgument();
    if (s.isNull())
        return Variant::null();
    return slice(ctx, args, s, size_t(start - 1), size_t(n), U);
}
template <Unit U>
Result<Variant> mid(BuiltinContext& ctx, Args args)
{
    int32_t start, n = INT32_MAX;
    const Variant* s = plainString(args, 0);
    if (U == Unit::Char && s && plainWhole(args, 1, start) && (args.size() < 3 || plainWhole(args, 2, n))
        && start >= 1 && n >= 0)
        return slice(ctx, args, Text::viewOf(*s), size_t(start - 1), size_t(n), U);
    return midGeneral<U>(ctx, args);
}

// Len(string | varname) -> Long: units of the value as text (Len(123) is 3).
// LenB: bytes. Null gives Null; an array is 13.
template <Unit U>
Result<Variant> len(BuiltinContext&, Args args)
{
    const Variant& v = args[0].deref();
    if (v.isString())
        return longResult(U == Unit::Byte ? v.stringView().size() * 2 : v.stringView().size());
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return Variant::null();
    return longResult(U == Unit::Byte ? s.size() * 2 : s.size());
}

// Byte search for InStrB: first p >= from where needle's bytes match.
size_t findBytes(std::u16string_view hay, std::u16string_view needle, size_t from)
{
    size_t h = hay.size() * 2, n = needle.size() * 2;
    for (size_t p = from; p + n <= h; ++p) {
        size_t k = 0;
        while (k < n && byteAt(hay, p + k) == byteAt(needle, k))
            ++k;
        if (k == n)
            return p;
    }
    return std::u16string_view::npos;
}

// InStr([start, ]string1, string2[, compare]) -> Long / InStrB: 1-based
// position of string2 in string1 from start, 0 when absent. Either string Null
// gives Null; start Null 94, start < 1 5; "" to find gives start; a start past
// the end gives 0.
template <Unit U>
[[gnu::noinline]] Result<Variant> inStrGeneral(Args args)
{
    size_t first = args.size() >= 3 ? 1 : 0;
    int32_t start = 1;
    if (first == 1) {
        TRY_ASSIGN(st, longArg(args, 0, 1));
        start = st;
    }
    if (start < 1)
        return invalidArgument();
    TRY_ASSIGN(mode, compareArg(args, 3));
    TRY_ASSIGN(hay, text(args, first));
    TRY_ASSIGN(needle, text(args, first + 1));
    if (hay.isNull() || needle.isNull())
        return Variant::null();
    size_t length = U == Unit::Byte ? hay.size() * 2 : hay.size();
    if (length == 0 || size_t(start) > length)
        return longResult(0);
    if (needle.size() == 0)
        return longResult(size_t(start));
    size_t p = U == Unit::Byte ? findBytes(hay.view(), needle.view(), size_t(start - 1))
                               : findText(hay.view(), needle.view(), size_t(start - 1), mode);
    return longResult(p == std::u16string_view::npos ? 0 : p + 1);
}
template <Unit U>
Result<Variant> inStr(BuiltinContext&, Args args)
{
    const size_t first = args.size() == 3 ? 1 : 0;
    int32_t start = 1;
    const Variant* hay = plainString(args, first);
    const Variant* needle = plainString(args, first + 1);
    if (U == Unit::Char && args.size() < 4 && hay && needle && (first == 0 || plainWhole(args, 0, start))
        && start >= 1) {
        const std::u16string_view h = hay->stringView(), n = needle->stringView();
        if (h.empty() || size_t(start) > h.size())
            return longResult(0);
        if (n.empty())
            return longResult(size_t(start));
        const size_t p = findExact(h, n, size_t(start - 1));
        return longResult(p == std::u16string_view::npos ? 0 : p + 1);
    }
    return inStrGeneral<U>(args);
}

// InStrRev(string1, string2[, start[, compare]]) -> Long: the last position of
// string2 ending at or before start (-1: the end). start 0 or < -1 is 5, Null
// 94; either string Null gives Null; a start past the end gives 0.
Result<Variant> inStrRev(BuiltinContext&, Args args)
{
    TRY_ASSIGN(start, longArg(args, 2, -1));
    if (start == 0 || start < -1)
        return invalidArgument();
    TRY_ASSIGN(mode, compareArg(args, 3));
    TRY_ASSIGN(hay, text(args, 0));
    TRY_ASSIGN(needle, text(args, 1));
    if (hay.isNull() || needle.isNull())
        return Variant::null();
    if (hay.size() == 0)
        return longResult(0);
    size_t end = start == -1 ? hay.size() : size_t(start);
    if (end > hay.size())
        return longResult(0);
    if (needle.size() == 0)
        return longResult(end);
    if (needle.size() > end)
        return longResult(0);
    size_t p = findTextReverse(hay.view(), needle.view(), end - needle.size(), mode);
    return longResult(p == std::u16string_view::npos ? 0 : p + 1);
}

// UCase and LCase four units a word while the text is ASCII: a lane in
// [first, first + 25] (a-z for UCase, A-Z for LCase) changes by 0x20.
constexpr uint64_t LaneOnes = 0x0001000100010001ull;
constexpr uint64_t NonAscii = 0xFF80FF80FF80FF80ull;

// 0x20 in each lane of an ASCII word that the mapping changes, else 0.
uint64_t caseFlips(uint64_t word, char16_t first) noexcept
{
    const uint64_t atLeastFirst = word + LaneOnes * (0x80 - first);
    const uint64_t pastLast = word + LaneOnes * (0x80 - first - 26);
    return (atLeastFirst & ~pastLast & (LaneOnes * 0x80)) >> 2;
}

uint64_t loadWord(const char16_t* p) noexcept
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Maps units [i, n) of `in` into `out`, which may be `in` itself.
template <char16_t (*Map)(char16_t) noexcept, char16_t first>
void mapUnits(const char16_t* in, char16_t* out, size_t i, size_t n) noexcept
{
    for (; i + 4 <= n; i += 4) {
        const uint64_t word = loadWord(in + i);
        if (word & NonAscii) {
            for (size_t k = i; k < i + 4; ++k)
                out[k] = Map(in[k]);
        } else {
            const uint64_t mapped = word ^ caseFlips(word, first);
            std::memcpy(out + i, &mapped, sizeof mapped);
        }
    }
    for (; i < n; ++i)
        out[i] = Map(in[i]);
}

// LCase(string) / UCase(string) -> String. Null gives Null. A text with
// nothing to change comes back as the same shared string; a string the call
// alone holds is mapped in place. `first` is the first ASCII letter that Map
// changes.
template <char16_t (*Map)(char16_t) noexcept, char16_t first>
Result<Variant> mapText(Args args, const Text& s)
{
    Str own;
    if (takeUnique(args, 0, own)) {
        char16_t* units = own.mutableData();
        mapUnits<Map, first>(units, units, 0, own.size());
        return Variant::fromString(std::move(own));
    }
    std::u16string_view v = s.view();
    const char16_t* in = v.data();
    const size_t n = v.size();
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const uint64_t word = loadWord(in + i);
        if ((word & NonAscii) || caseFlips(word, first))
            break;
    }
    while (i < n && Map(in[i]) == in[i])
        ++i;
    if (i == n)
        return Variant::fromString(s.str());
    return makeString(n, [&](char16_t* out) {
        copyUnits(out, in, i);
        mapUnits<Map, first>(in, out, i, n);
    });
}
template <char16_t (*Map)(char16_t) noexcept, char16_t first>
Result<Variant> mapCase(BuiltinContext&, Args args)
{
    if (const Variant* s = plainString(args, 0))
        return mapText<Map, first>(args, Text::viewOf(*s));
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return Variant::null();
    return mapText<Map, first>(args, s);
}

enum class TrimSide { Left = 1, Right = 2, Both = 3 };

// LTrim / RTrim / Trim(string) -> String: removes spaces (only U+0020, as
// the language does). Null gives Null.
template <TrimSide Side>
Result<Variant> trimText(BuiltinContext& ctx, Args args, const Text& s)
{
    std::u16string_view v = s.view();
    size_t from = 0, to = v.size();
    if (int(Side) & int(TrimSide::Left)) {
        while (from < to && v[from] == u' ')
            ++from;
    }
    if (int(Side) & int(TrimSide::Right)) {
        while (to > from && v[to - 1] == u' ')
            --to;
    }
    if (from == to)
        return Variant::fromString(Str());
    return unitSlice(ctx, args, s, from, to - from);
}
template <TrimSide Side>
Result<Variant> trim(BuiltinContext& ctx, Args args)
{
    if (const Variant* s = plainString(args, 0))
        return trimText<Side>(ctx, args, Text::viewOf(*s));
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return Variant::null();
    return trimText<Side>(ctx, args, s);
}

// Space(number) -> String of spaces. Null 94, negative 5, too long 7.
Result<Variant> space(BuiltinContext&, Args args)
{
    TRY_ASSIGN(n, longArg(args, 0, 0));
    if (n < 0)
        return invalidArgument();
    return makeString(size_t(n), [&](char16_t* out) { std::fill_n(out, size_t(n), u' '); });
}

// String(number, character) -> String: number copies of the character, given
// as text (its first unit; "" is 5) or as a code (Mod 256, Windows-1252).
// Either argument Null gives Null; negative number 5.
Result<Variant> stringOf(BuiltinContext&, Args args)
{
    TRY_ASSIGN(count, value(args, 0));
    TRY_ASSIGN(character, value(args, 1));
    if (count.isNull() || character.isNull())
        return Variant::null();
    TRY_ASSIGN(n, toLong(count));
    if (n < 0)
        return invalidArgument();
    char16_t c;
    if (character.isString()) {
        if (character.stringView().empty())
            return invalidArgument();
        c = character.stringView()[0];
    } else {
        TRY_ASSIGN(code, toLong(character));
        c = fromCodePage(uint8_t(((code % 256) + 256) % 256));
    }
    return makeString(size_t(n), [&](char16_t* out) { std::fill_n(out, size_t(n), c); });
}

// StrReverse(string) -> String, units in reverse order. Null 94.
Result<Variant> strReverse(BuiltinContext&, Args args)
{
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return nullUse();
    std::u16string_view v = s.view();
    return makeString(v.size(), [&](char16_t* out) { std::reverse_copy(v.begin(), v.end(), out); });
}

// StrComp(string1, string2[, compare]) -> Integer -1, 0 or 1; Null if either is Null.
Result<Variant> strComp(BuiltinContext&, Args args)
{
    const Variant* x = plainString(args, 0);
    const Variant* y = plainString(args, 1);
    if (args.size() == 2 && x && y)
        return Variant::fromInteger(int16_t(compareText(x->stringView(), y->stringView(), CompareMode::Binary)));
    TRY_ASSIGN(mode, compareArg(args, 2));
    TRY_ASSIGN(a, text(args, 0));
    TRY_ASSIGN(b, text(args, 1));
    if (a.isNull() || b.isNull())
        return Variant::null();
    return Variant::fromInteger(int16_t(compareText(a.view(), b.view(), mode)));
}

// Writes `tail` to `out` with up to `limit` units equal to `unit`, the first
// at `first`, replaced by the unit `by`. `out` may be tail.data() itself.
void replaceUnit(std::u16string_view tail, char16_t unit, char16_t by, size_t first, size_t limit, char16_t* out)
{
    size_t k = 0;
    if (limit >= tail.size() - first && tail.size() < 16) {
        // Every one, in a short text: a unit at a time, without branching.
        for (; k < tail.size(); ++k) {
            const char16_t c = tail[k];
            out[k] = c == unit ? by : c;
        }
        return;
    }
    if (limit >= tail.size() - first) {
        // Every one: four units a word, the matching lanes swapped for `by`.
        const uint64_t pattern = LaneOnes * unit, replacement = LaneOnes * by;
        constexpr uint64_t Low = 0x7FFF7FFF7FFF7FFFull;
        for (; k + 4 <= tail.size(); k += 4) {
            const uint64_t word = loadWord(tail.data() + k);
            const uint64_t x = word ^ pattern;
            const uint64_t equal = ~(((x & Low) + Low) | x) & ~Low; // top bit of each lane equal to unit
            const uint64_t mask = (equal >> 15) * 0xFFFF;
            const uint64_t mapped = (word & ~mask) | (replacement & mask);
            std::memcpy(out + k, &mapped, sizeof mapped);
        }
    } else {
        if (out != tail.data())
            copyUnits(out, tail.data(), first);
        k = first;
    }
    for (; k < tail.size() && limit; ++k) {
        char16_t c = tail[k];
        if (c == unit) {
            c = by;
            --limit;
        }
        out[k] = c;
    }
    if (out != tail.data())
        copyUnits(out + k, tail.data() + k, tail.size() - k);
}

// Writes `tail` to `out` with its first `hits` units equal to `unit` replaced
// by `by`.
void replaceUnits(std::u16string_view tail, char16_t unit, std::u16string_view by, size_t hits, char16_t* out)
{
    size_t k = 0;
    for (; hits; ++k) {
        const char16_t c = tail[k];
        if (c != unit) {
            *out++ = c;
            continue;
        }
        copyUnits(out, by.data(), by.size());
        out += by.size();
        --hits;
    }
    copyUnits(out, tail.data() + k, tail.size() - k);
}

// Replace of one unit in binary mode, the usual case: no search past the
// first hit. By one unit, the length is known; by other text, one counting
// pass.
Result<Variant> replaceUnitIn(Args args, const Text& expr, std::u16string_view tail, char16_t unit,
                              std::u16string_view by, int32_t start, size_t limit)
{
    const size_t first = limit ? findExact(tail, std::u16string_view(&unit, 1), 0) : std::u16string_view::npos;
    if (first == std::u16string_view::npos)
        return start == 1 ? Variant::fromString(expr.str()) : makeString(tail);
    if (by.size() == 1) {
        Str own;
        if (start == 1 && takeUnique(args, 0, own)) {
            replaceUnit(tail, unit, by[0], first, limit, own.mutableData());
            return Variant::fromString(std::move(own));
        }
        return makeString(tail.size(), [&](char16_t* out) { replaceUnit(tail, unit, by[0], first, limit, out); });
    }
    const size_t hits = std::min<size_t>(limit, size_t(std::count(tail.begin() + first, tail.end(), unit)));
    return makeString(tail.size() - hits + hits * by.size(),
                      [&](char16_t* out) { replaceUnits(tail, unit, by, hits, out); });
}

// The replacing itself, the arguments read and checked.
Result<Variant> replaceText(Args args, const Text& expr, const Text& find, const Text& with, int32_t start,
                            int32_t count, CompareMode mode)
{
    if (size_t(start) > expr.size())
        return Variant::fromString(Str());
    std::u16string_view tail = expr.view().substr(size_t(start - 1));
    std::u16string_view what = find.view(), by = with.view();
    size_t limit = count < 0 ? SIZE_MAX : size_t(count);
    if (what.empty())
        limit = 0;
    if (what.size() == 1 && mode == CompareMode::Binary)
        return replaceUnitIn(args, expr, tail, what[0], by, start, limit);
    // The first hits are kept from the counting pass; the fill pass searches
    // again only past them.
    constexpr size_t Kept = 32;
    size_t kept[Kept];
    size_t hits = 0;
    for (size_t p = 0; hits < limit; p += what.size()) {
        p = findText(tail, what, p, mode);
        if (p == std::u16string_view::npos)
            break;
        if (hits < Kept)
            kept[hits] = p;
        ++hits;
    }
    if (hits == 0)
        return start == 1 ? Variant::fromString(expr.str()) : makeString(tail);
    Str own;
    if (start == 1 && what.size() == by.size() && takeUnique(args, 0, own)) {
        // Same length, the call's own string: the hits are overwritten in
        // place. Searching resumes past each hit, so no changed unit is read.
        char16_t* units = own.mutableData();
        size_t from = 0;
        for (size_t n = 0; n < hits; ++n) {
            size_t hit = n < Kept ? kept[n] : findText(tail, what, from, mode);
            copyUnits(units + hit, by.data(), by.size());
            from = hit + what.size();
        }
        return Variant::fromString(std::move(own));
    }
    size_t length = tail.size() - hits * what.size() + hits * by.size();
    return makeString(length, [&](char16_t* out) {
        size_t from = 0;
        for (size_t n = 0; n < hits; ++n) {
            size_t hit = n < Kept ? kept[n] : findText(tail, what, from, mode);
            copyUnits(out, tail.data() + from, hit - from);
            out += hit - from;
            copyUnits(out, by.data(), by.size());
            out += by.size();
            from = hit + what.size();
        }
        copyUnits(out, tail.data() + from, tail.size() - from);
    });
}

[[gnu::noinline]] Result<Variant> replaceGeneral(Args args)
{
    TRY_ASSIGN(start, longArg(args, 3, 1));
    TRY_ASSIGN(count, longArg(args, 4, -1));
    TRY_ASSIGN(mode, compareArg(args, 5));
    if (start < 1 || count < -1)
        return invalidArgument();
    TRY_ASSIGN(expr, text(args, 0));
    TRY_ASSIGN(find, text(args, 1));
    TRY_ASSIGN(with, text(args, 2));
    if (expr.isNull() || find.isNull() || with.isNull())
        return nullUse();
    return replaceText(args, expr, find, with, start, count, mode);
}

// Replace(expression, find, replacewith[, start[, count[, compare]]]) ->
// String: the text from start on, with up to count (-1: all) occurrences
// replaced. Any string Null 94; start < 1 or count < -1 5.
Result<Variant> replace(BuiltinContext&, Args args)
{
    const Variant* expr = plainString(args, 0);
    const Variant* find = plainString(args, 1);
    const Variant* with = plainString(args, 2);
    if (args.size() == 3 && expr && find && with && find->stringView().size() == 1)
        return replaceUnitIn(args, Text::viewOf(*expr), expr->stringView(), find->stringView()[0],
                             with->stringView(), 1, SIZE_MAX);
    if (args.size() == 3 && expr && find && with)
        return replaceText(args, Text::viewOf(*expr), Text::viewOf(*find), Text::viewOf(*with), 1, -1,
                           CompareMode::Binary);
    return replaceGeneral(args);
}

bool unreserved(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
        || std::u16string_view(u"@*_+-./").find(c) != std::u16string_view::npos;
}

size_t escapedLength(char16_t c)
{
    return unreserved(c) ? 1 : c < 0x100 ? 3 : 6;
}

// Escape(string) -> String: every character but A-Z a-z 0-9 @*_+-./ as %XX,
// or %uXXXX above 255. Null gives Null; too long a result 7.
Result<Variant> escape(BuiltinContext&, Args args)
{
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return Variant::null();
    size_t length = 0;
    for (char16_t c : s.view())
        length += escapedLength(c);
    static constexpr char16_t Hex[] = u"0123456789ABCDEF";
    return makeString(length, [&](char16_t* out) {
        for (char16_t c : s.view()) {
            size_t n = escapedLength(c);
            if (n == 1) {
                *out++ = c;
                continue;
            }
            *out++ = u'%';
            if (n == 6)
                *out++ = u'u';
            int digits = n == 6 ? 4 : 2;
            for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
                *out++ = Hex[(c >> shift) & 15];
        }
    });
}

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The value of `digits` hex digits at v[at], or -1.
int hexRun(std::u16string_view v, size_t at, size_t digits)
{
    if (at + digits > v.size())
        return -1;
    int value = 0;
    for (size_t i = 0; i < digits; ++i) {
        int d = hexDigit(v[at + i]);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

// Unescape(string) -> String: decodes %XX and %uXXXX; other % stay as they
// are. Null gives Null.
Result<Variant> unescape(BuiltinContext&, Args args)
{
    TRY_ASSIGN(s, text(args, 0));
    if (s.isNull())
        return Variant::null();
    std::u16string_view v = s.view();
    std::u16string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        int code = -1;
        if (v[i] == u'%' && i + 1 < v.size() && v[i + 1] == u'u' && (code = hexRun(v, i + 2, 4)) >= 0) {
            i += 5;
        } else if (v[i] == u'%' && (code = hexRun(v, i + 1, 2)) >= 0) {
            i += 2;
        }
        out += code >= 0 ? char16_t(code) : v[i];
    }
    return makeString(out);
}


Variant arrayResult(std::vector<Variant> items)
{
    return Variant::fromArray(Array::createVector(std::move(items)));
}

// Split(expression[, delimiter[, count[, compare]]]) -> Variant() of Strings:
// "" gives an empty array (UBound -1), an empty delimiter the whole text as
// one element; count limits the pieces (the last holds the rest; 0 gives an
// empty array). Expression or delimiter Null 94; count < -1 5.
Result<Variant> split(BuiltinContext&, Args args)
{
    TRY_ASSIGN(count, longArg(args, 2, -1));
    TRY_ASSIGN(mode, compareArg(args, 3));
    if (count < -1)
        return invalidArgument();
    TRY_ASSIGN(expr, text(args, 0));
    Text delimiter;
    if (present(args, 1)) {
        TRY_ASSIGN(d, text(args, 1));
        delimiter = std::move(d);
    }
    if (expr.isNull() || delimiter.isNull())
        return nullUse();
    std::u16string_view v = expr.view();
    std::u16string_view d = present(args, 1) ? delimiter.view() : std::u16string_view(u" ");
    if (v.empty() || count == 0)
        return arrayResult({});
    // Count the pieces first: the array is made at its final size. The
    // first delimiters found are remembered, later ones are found again.
    const size_t most = count < 0 ? SIZE_MAX : size_t(count);
    constexpr size_t Remembered = 32;
    size_t found[Remembered];
    size_t expected = 1;
    for (size_t p = 0; !d.empty() && expected < most; p += d.size()) {
        p = findText(v, d, p, mode);
        if (p == std::u16string_view::npos)
            break;
        if (expected <= Remembered)
            found[expected - 1] = p;
        ++expected;
    }
    const int32_t upper = static_cast<int32_t>(expected - 1);
    TRY_ASSIGN(array, Array::create(std::span<const int32_t>(&upper, 1), false));
    Variant result = Variant::fromArray(array);
    Variant* out = array->data();
    size_t from = 0;
    for (size_t k = 0; k + 1 < expected; ++k) {
        const size_t p = k < Remembered ? found[k] : findText(v, d, from, mode);
        TRY_ASSIGN(piece, makeString(v.substr(from, p - from)));
        out[k] = std::move(piece);
        from = p + d.size();
    }
    TRY_ASSIGN(last, makeString(v.substr(from)));
    out[expected - 1] = std::move(last);
    return result;
}

// The one-dimensional array argument of Join and Filter: Null 94, not an
// array 13, more dimensions 5.
Result<const Array*> vectorArg(Args args, size_t i)
{
    TRY_ASSIGN(v, value(args, i));
    if (v.isNull())
        return nullUse();
    if (!v.isArray())
        return typeMismatch();
    const Array* a = args[i].deref().asArray();
    if (a->dims() != 1)
        return invalidArgument();
    return a;
}

// An array element as text for Join and Filter: Null counts as "", a nested
// array is 13.
Result<Text> elementText(const Variant& element)
{
    const Variant& e = element.deref();
    if (e.isNull())
        return Text();
    if (e.isArray())
        return typeMismatch();
    return Text::from(e);
}

// Join(list[, delimiter]) -> String: the elements as text between delimiters
// (default " "). list: see vectorArg; delimiter Null 94.
Result<Variant> join(BuiltinContext&, Args args)
{
    TRY_ASSIGN(list, vectorArg(args, 0));
    Text delimiter;
    if (present(args, 1)) {
        TRY_ASSIGN(d, text(args, 1));
        if (d.isNull())
            return nullUse();
        delimiter = std::move(d);
    }
    std::u16string_view d = present(args, 1) ? delimiter.view() : std::u16string_view(u" ");
    // A list of Strings, the usual case, is joined from the elements' text.
    size_t total = 0;
    bool allStrings = true;
    for (size_t i = 0; i < list->size() && allStrings; ++i) {
        allStrings = (*list)[i].type() == VarType::String;
        total += allStrings ? (*list)[i].stringView().size() + (i ? d.size() : 0) : 0;
    }
    if (allStrings) {
        return makeString(total, [&](char16_t* out) {
            for (size_t i = 0; i < list->size(); ++i) {
                if (i) {
                    copyUnits(out, d.data(), d.size());
                    out += d.size();
                }
                const std::u16string_view t = (*list)[i].stringView();
                copyUnits(out, t.data(), t.size());
                out += t.size();
            }
        });
    }
    std::vector<Text> parts;
    parts.reserve(list->size());
    size_t length = 0;
    for (size_t i = 0; i < list->size(); ++i) {
        TRY_ASSIGN(t, elementText((*list)[i]));
        length += t.size() + (i ? d.size() : 0);
        parts.push_back(std::move(t));
    }
    return makeString(length, [&](char16_t* out) {
        for (size_t i = 0; i < parts.size(); ++i) {
            if (i)
                out = std::copy(d.begin(), d.end(), out);
            out = std::copy(parts[i].view().begin(), parts[i].view().end(), out);
        }
    });
}

// Filter(InputStrings, Value[, Include[, Compare]]) -> Variant(): the
// elements that contain Value (Include True, the default) or do not.
// InputStrings: see vectorArg; Value Null 94.
Result<Variant> filter(BuiltinContext&, Args args)
{
    TRY_ASSIGN(list, vectorArg(args, 0));
    TRY_ASSIGN(match, text(args, 1));
    if (match.isNull())
        return nullUse();
    bool include = true;
    if (present(args, 2)) {
        TRY_ASSIGN(inc, value(args, 2));
        if (inc.isNull())
            return nullUse();
        TRY_ASSIGN(b, toBool(inc));
        include = b;
    }
    TRY_ASSIGN(mode, compareArg(args, 3));
    std::vector<Variant> kept;
    for (size_t i = 0; i < list->size(); ++i) {
        TRY_ASSIGN(t, elementText((*list)[i]));
        bool found = findText(t.view(), match.view(), 0, mode) != std::u16string_view::npos;
        if (found == include)
            kept.push_back(Variant::fromString(t.str()));
    }
    return arrayResult(std::move(kept));
}

} // namespace

std::span<const BuiltinFunction> stringFunctions()
{
    static const BuiltinFunction table[] = {
        VBS_FN(Asc, 1, 1, asc),
        VBS_FN(AscB, 1, 1, ascB),
        VBS_FN(AscW, 1, 1, ascW),
        VBS_FN(Chr, 1, 1, chr),
        VBS_FN(ChrB, 1, 1, chrB),
        VBS_FN(ChrW, 1, 1, chrW),
        VBS_FN(Escape, 1, 1, escape),
        VBS_FN(Filter, 2, 4, filter),
        VBS_FN(InStr, 2, 4, inStr<Unit::Char>),
        VBS_FN(InStrB, 2, 4, inStr<Unit::Byte>),
        VBS_FN(InStrRev, 2, 4, inStrRev),
        VBS_FN(Join, 1, 2, join),
        VBS_FN(LCase, 1, 1, (mapCase<lowerUnit, u'A'>)),
        VBS_FN(Left, 2, 2, left<Unit::Char>),
        VBS_FN(LeftB, 2, 2, left<Unit::Byte>),
        VBS_FN(Len, 1, 1, len<Unit::Char>),
        VBS_FN(LenB, 1, 1, len<Unit::Byte>),
        VBS_FN(LTrim, 1, 1, trim<TrimSide::Left>),
        VBS_FN(Mid, 2, 3, mid<Unit::Char>),
        VBS_FN(MidB, 2, 3, mid<Unit::Byte>),
        VBS_FN(Replace, 3, 6, replace),
        VBS_FN(Right, 2, 2, right<Unit::Char>),
        VBS_FN(RightB, 2, 2, right<Unit::Byte>),
        VBS_FN(RTrim, 1, 1, trim<TrimSide::Right>),
        VBS_FN(Space, 1, 1, space),
        VBS_FN(Split, 1, 4, split),
        VBS_FN(StrComp, 2, 3, strComp),
        VBS_FN(String, 2, 2, stringOf),
        VBS_FN(StrReverse, 1, 1, strReverse),
        VBS_FN(Trim, 1, 1, trim<TrimSide::Both>),
        VBS_FN(UCase, 1, 1, (mapCase<upperUnit, u'a'>)),
        VBS_FN(Unescape, 1, 1, unescape),
    };
    return table;
}

} // namespace vbs
