// Str: allocation, UTF-8 / Latin-1 / Windows-1252 conversion and case folding.
#include "runtime/Str.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

namespace vbs {

namespace {

constexpr size_t headerBytes = offsetof(StringRep, data);

constexpr char16_t replacementChar = 0xFFFD;

// Decodes one UTF-8 sequence starting at bytes[i]. Returns the code point and
// advances i, or returns -1 (and advances i by one) when the sequence is
// invalid: overlong forms, surrogates and values past U+10FFFF included.
int32_t decodeUtf8(std::string_view bytes, size_t& i)
{
    const auto b0 = static_cast<uint8_t>(bytes[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra;
    int32_t cp;
    int32_t minimum;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (i + extra >= bytes.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<uint8_t>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += extra + 1;
    return cp;
}

void appendCodePoint(std::u16string& out, int32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

void appendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Windows-1252 in 0x80..0x9F; the five unassigned bytes keep their C1 value.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        if (decodeUtf8(bytes, i) < 0)
            return false;
    }
    return true;
}

} // namespace

void StringRep::destroy() noexcept { std::free(block()); }

StringRep* StringRep::allocate(size_t length, size_t capacity)
{
    if (length > Str::MaxLength)
        return nullptr;
    void* memory;
    StringRep* rep;
    if (length < LongLength) {
        memory = std::malloc(headerBytes + ((length | 7) + 1) * sizeof(char16_t));
        rep = static_cast<StringRep*>(memory);
    } else {
        capacity = std::min(std::max(capacity, length), Str::MaxLength);
        memory = std::malloc(sizeof(uint64_t) + headerBytes + (capacity + 1) * sizeof(char16_t));
        if (memory)
            *static_cast<uint64_t*>(memory) = capacity;
        rep = reinterpret_cast<StringRep*>(static_cast<uint64_t*>(memory) + 1);
    }
    if (!memory)
        return nullptr;
    rep->refs = 1;
    rep->length = static_cast<uint32_t>(length);
    rep->data[length] = 0;
    return rep;
}

Str::Str(std::u16string_view text)
{
    if (text.empty())
        return;
    m_rep = StringRep::allocate(text.size(), text.size());
    if (!m_rep)
        throw std::bad_alloc();
    copyUnits(m_rep->data, text.data(), text.size());
}

Str Str::fromUtf8(std::string_view utf8) { return Str(utf8ToUtf16(utf8)); }

Str Str::fromAscii(std::string_view ascii) { return fromLatin1(ascii); }

Str Str::fromLatin1(std::string_view latin1)
{
    Str s;
    if (!s.allocate(latin1.size()))
        return s;
    char16_t* out = s.mutableData();
    for (size_t i = 0; i < latin1.size(); ++i)
        out[i] = static_cast<uint8_t>(latin1[i]);
    return s;
}

std::string Str::toUtf8() const { return utf16ToUtf8(view()); }

bool Str::allocate(size_t length)
{
    if (m_rep) {
        m_rep->release();
        m_rep = nullptr;
    }
    if (length == 0)
        return true;
    m_rep = StringRep::allocate(length, length);
    return m_rep != nullptr;
}

bool Str::append(std::u16string_view tail)
{
    if (m_rep && m_rep->appendInPlace(tail))
        return true;
    return appendSlow(tail);
}

// Appending that allocates: a shared string, or one without room.
bool Str::appendSlow(std::u16string_view tail)
{
    if (tail.empty())
        return true;
    const size_t oldLength = size();
    if (tail.size() > MaxLength - oldLength)
        return false;
    const size_t newLength = oldLength + tail.size();
    // A string this one owns grows geometrically: appends to it cost O(1)
    // each. A shared one is copied with an eighth to spare, for the pieces
    // that follow in the same expression: the copy is usually stored where
    // the shared text was (a(i) = a(i) & x), and doubling it would make
    // every such store touch twice the memory.
    size_t capacity = newLength;
    if (oldLength > 0 && m_rep && m_rep->refs == 1)
        capacity = std::min(MaxLength, std::max(newLength, oldLength * 2));
    else if (oldLength > 0)
        capacity = std::min(MaxLength, newLength + newLength / 8);
    if (m_rep && m_rep->refs == 1)
        return growInPlace(tail, capacity);
    StringRep* rep = StringRep::allocate(newLength, capacity);
    if (!rep)
        return false;
    if (oldLength)
        std::memcpy(rep->data, m_rep->data, oldLength * sizeof(char16_t));
    copyUnits(rep->data + oldLength, tail.data(), tail.size());
    if (m_rep)
        m_rep->release();
    m_rep = rep;
    return true;
}

void Str::keepUnits(size_t from, size_t count) noexcept
{
    if (count == 0) {
        m_rep->release();
        m_rep = nullptr;
        return;
    }
    if (m_rep->isLong() && count < StringRep::LongLength) {
        // Becomes a short string at the start of its block: header and units
        // move down over the stored capacity.
        auto* shortRep = static_cast<StringRep*>(m_rep->block());
        std::memmove(shortRep->data, m_rep->data + from, count * sizeof(char16_t));
        shortRep->refs = 1;
        m_rep = shortRep;
    } else if (from != 0) {
        std::memmove(m_rep->data, m_rep->data + from, count * sizeof(char16_t));
    }
    m_rep->length = static_cast<uint32_t>(count);
    m_rep->data[count] = 0;
}

// A uniquely owned string grows by realloc: a large block is remapped rather
// than copied, so the old and the new never take memory side by side. A
// short string that becomes long is copied into a new block.
bool Str::growInPlace(std::u16string_view tail, size_t capacity)
{
    const size_t oldLength = m_rep->length;
    const size_t newLength = oldLength + tail.size();
    if (!m_rep->isLong() && newLength >= StringRep::LongLength) {
        StringRep* rep = StringRep::allocate(newLength, capacity);
        if (!rep)
            return false;
        copyUnits(rep->data, m_rep->data, oldLength);
        copyUnits(rep->data + oldLength, tail.data(), tail.size()); // tail may lie in the old block
        m_rep->release();
        m_rep = rep;
        return true;
    }
    const std::less<const char16_t*> before;
    const char16_t* oldData = m_rep->data;
    // The tail may be a view of this very string, which realloc may move.
    const bool ownTail = !before(tail.data(), oldData) && before(tail.data(), oldData + oldLength + 1);
    const size_t offset = ownTail ? size_t(tail.data() - oldData) : 0;
    if (m_rep->isLong()) {
        void* grown = std::realloc(m_rep->block(), sizeof(uint64_t) + headerBytes + (capacity + 1) * sizeof(char16_t));
        if (!grown)
            return false; // the old block is untouched
        *static_cast<uint64_t*>(grown) = capacity;
        m_rep = reinterpret_cast<StringRep*>(static_cast<uint64_t*>(grown) + 1);
    } else {
        void* grown = std::realloc(m_rep, headerBytes + ((newLength | 7) + 1) * sizeof(char16_t));
        if (!grown)
            return false;
        m_rep = static_cast<StringRep*>(grown);
    }
    const char16_t* from = ownTail ? m_rep->data + offset : tail.data();
    copyUnits(m_rep->data + oldLength, from, tail.size());
    m_rep->length = static_cast<uint32_t>(newLength);
    m_rep->data[newLength] = 0;
    return true;
}

std::u16string foldName(std::u16string_view name)
{
    std::u16string out(name);
    for (auto& c : out)
        c = foldCase(c);
    return out;
}

bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

std::u16string utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const int32_t cp = decodeUtf8(utf8, i);
        appendCodePoint(out, cp < 0 ? replacementChar : cp);
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        uint32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00
            && utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = replacementChar; // a lone surrogate has no UTF-8 form
        }
        appendUtf8(out, c);
    }
    return out;
}

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i) {
        const auto a = static_cast<uint8_t>(bytes[2 * i]);
        const auto b = static_cast<uint8_t>(bytes[2 * i + 1]);
        out[i] = bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
    }
    return out;
}

std::u16string decodeScriptText(std::string_view bytes)
{
    if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF"))
        return decodeUtf16(bytes.substr(2), bytes[0] == '\xFE');
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (isValidUtf8(bytes))
        return utf8ToUtf16(bytes);
    std::u16string out(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? cp1252High[b - 0x80] : char16_t(b);
    }
    return out;
}

bool wildcardMatch(std::string_view pattern, std::string_view name)
{
    size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace vbs
