// Str: the engine's string. Immutable to everyone who shares it, counted,
// length-prefixed UTF-16 (the language counts UTF-16 code units). A uniquely
// owned string is appended to in place, so `s = s & x` in a loop is amortised
// O(1) per append. The empty string has no allocation (null rep).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace vbs {

// A counted block of units. A short string (below LongLength units) has the
// room its length rounds up to (length | 7 units, plus the NUL): exactly the
// block the allocator hands out for that length, so no capacity is stored and
// a string of up to 7 units takes a 32-byte block. A long one grows
// geometrically and keeps its capacity in the 8 bytes before the header. The
// form follows the length, so an operation that changes the length in place
// keeps it within its form (fits).
struct StringRep {
    static constexpr uint32_t LongLength = 64;
    uint32_t refs;
    uint32_t length;
    char16_t data[1]; // length + 1 units, NUL-terminated for convenience

    static StringRep* allocate(size_t length, size_t capacity); // nullptr when too large / no memory
    bool isLong() const noexcept { return length >= LongLength; }
    size_t capacity() const noexcept
    {
        return isLong() ? *(reinterpret_cast<const uint64_t*>(this) - 1) : (length | 7);
    }
    // Whether the block holds `n` units without leaving its form (a string
    // that grows within its capacity keeps it).
    bool fits(size_t n) const noexcept { return n <= capacity() && (n >= LongLength) == isLong(); }
    void* block() noexcept { return isLong() ? static_cast<void*>(reinterpret_cast<uint64_t*>(this) - 1) : this; }
    void addRef() noexcept { ++refs; }
    void release() noexcept
    {
        if (--refs == 0)
            destroy();
    }
    [[gnu::noinline]] void destroy() noexcept;
    // Appends in place when this is the only reference and the block has
    // room; false, nothing done, otherwise.
    inline bool appendInPlace(std::u16string_view tail) noexcept;
};

// Copies n units. Most strings scripts build are a few units long, where a
// call to memcpy costs more than the copy: those are copied inline.
inline void copyUnits(char16_t* out, const char16_t* in, size_t n) noexcept
{
    switch (n) {
    case 4: out[3] = in[3]; [[fallthrough]];
    case 3: out[2] = in[2]; [[fallthrough]];
    case 2: out[1] = in[1]; [[fallthrough]];
    case 1: out[0] = in[0]; [[fallthrough]];
    case 0: return;
    default: std::memcpy(out, in, n * sizeof(char16_t));
    }
}

inline bool StringRep::appendInPlace(std::u16string_view tail) noexcept
{
    if (refs != 1 || length + tail.size() > capacity())
        return false;
    // The tail may be a view of this very string; its units lie before the
    // old length, so the copy never overlaps what it reads.
    copyUnits(data + length, tail.data(), tail.size());
    length = static_cast<uint32_t>(length + tail.size());
    data[length] = 0;
    return true;
}

// Binary comparison of UTF-16 units: negative, zero or positive.
inline int compareUnits(std::u16string_view a, std::u16string_view b) noexcept
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

class Str {
public:
    // Longest string the engine makes; beyond it an operation fails with
    // "Out of memory" instead of exhausting the machine.
    static constexpr size_t MaxLength = 0x10000000; // 256 Mi code units

    Str() noexcept = default;
    Str(std::u16string_view text); // throws std::bad_alloc past MaxLength
    Str(const char16_t* text)
        : Str(std::u16string_view(text))
    {
    }
    Str(const Str& other) noexcept
        : m_rep(other.m_rep)
    {
        if (m_rep)
            m_rep->addRef();
    }
    Str(Str&& other) noexcept
        : m_rep(other.m_rep)
    {
        other.m_rep = nullptr;
    }
    Str& operator=(const Str& other) noexcept
    {
        if (other.m_rep)
            other.m_rep->addRef();
        if (m_rep)
            m_rep->release();
        m_rep = other.m_rep;
        return *this;
    }
    Str& operator=(Str&& other) noexcept
    {
        if (this != &other) {
            if (m_rep)
                m_rep->release();
            m_rep = other.m_rep;
            other.m_rep = nullptr;
        }
        return *this;
    }
    ~Str()
    {
        if (m_rep)
            m_rep->release();
    }

    // Conversions. fromUtf8 replaces invalid bytes by U+FFFD; fromAscii takes a
    // plain 7-bit literal (error texts, type names).
    static Str fromUtf8(std::string_view utf8);
    static Str fromAscii(std::string_view ascii);
    static Str fromLatin1(std::string_view latin1);
    std::string toUtf8() const;

    // Makes a string of `length` units whose contents the caller fills in
    // through mutableData(). Returns false (and leaves *this empty) when the
    // length exceeds MaxLength or memory runs out.
    [[nodiscard]] bool allocate(size_t length);
    char16_t* mutableData() noexcept { return m_rep ? m_rep->data : nullptr; }

    size_t size() const noexcept { return m_rep ? m_rep->length : 0; }
    bool empty() const noexcept { return size() == 0; }
    const char16_t* data() const noexcept { return m_rep ? m_rep->data : u""; }
    std::u16string_view view() const noexcept { return { data(), size() }; }
    char16_t operator[](size_t i) const noexcept { return m_rep->data[i]; }
    operator std::u16string_view() const noexcept { return view(); }

    // Appends in place when this is the only reference and capacity allows,
    // otherwise reallocates with geometric growth. Returns false when the
    // result would exceed MaxLength or memory runs out (*this unchanged).
    [[nodiscard]] bool append(std::u16string_view tail);

    // Keeps units [from, from + count) of a uniquely owned string in place,
    // moving them to the front. count 0 leaves "".
    void keepUnits(size_t from, size_t count) noexcept;

    bool operator==(const Str& other) const noexcept { return view() == other.view(); }
    bool operator==(std::u16string_view other) const noexcept { return view() == other; }
    // Exact match for literals, which would otherwise be ambiguous between
    // the two overloads above.
    bool operator==(const char16_t* other) const noexcept { return view() == std::u16string_view(other); }

    // Raw handle for Variant: adopt takes over one reference, detach gives it up.
    static Str adopt(StringRep* rep) noexcept
    {
        Str s;
        s.m_rep = rep;
        return s;
    }
    StringRep* detach() noexcept
    {
        StringRep* r = m_rep;
        m_rep = nullptr;
        return r;
    }
    StringRep* rep() const noexcept { return m_rep; }

private:
    [[gnu::noinline]] bool appendSlow(std::u16string_view tail);
    bool growInPlace(std::u16string_view tail, size_t capacity);

    StringRep* m_rep = nullptr;
};

// Simple one-unit case mapping (Latin, Greek, Cyrillic, Armenian,
// fullwidth) of the units from 0x80 on.
char16_t upperOther(char16_t c) noexcept;
char16_t lowerOther(char16_t c) noexcept;

// Case folding used for names and text comparison (vbTextCompare): simple
// per-unit upper-casing, the same both ways.
// ASCII, nearly all the text scripts handle, is folded inline;
// foldCaseOther takes the units from 0x80 on.
char16_t foldCaseOther(char16_t c) noexcept;
inline char16_t foldCase(char16_t c) noexcept
{
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
    return foldCaseOther(c);
}
std::u16string foldName(std::u16string_view name);
bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b) noexcept;

// UTF-8 helpers for hosts and the runner.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

// Reads script-file bytes: a UTF-16 byte-order mark (either order) means
// UTF-16; a UTF-8 byte-order mark is skipped; text that is valid UTF-8 is
// decoded as such, otherwise every byte is read as Windows-1252.
std::u16string decodeScriptText(std::string_view bytes);
// UTF-16 bytes without their byte-order mark; an odd last byte is dropped.
std::u16string decodeUtf16(std::string_view bytes, bool bigEndian);

// Case-sensitive match of a whole name against a pattern: '*' matches any
// run of characters, '?' exactly one, everything else itself.
bool wildcardMatch(std::string_view pattern, std::string_view name);

} // namespace vbs
