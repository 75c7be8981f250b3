// Variant: the one value type of the language. 16 bytes: a subtype tag and an
// 8-byte payload. Heap payloads (strings, arrays, objects) are counted.
#pragma once

#include "automation/Object.h"
#include "runtime/Str.h"

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <vector>

namespace vbs {

class Array;

// Subtype tags; the numeric values are those VarType() reports (but Array's).
enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Variant = 12,
    Byte = 17,
    // VarType() reports 8204 (vbArray + vbVariant). The tag shares String's
    // and Object's low bits so that ownsHeap() is one test.
    Array = 0x2008,
    // Internal: a reference to another Variant (ByRef arguments). Never
    // stored in a variable; readers dereference with deref().
    Ref = 0x4000,
};

// Value of an omitted optional argument (an Error subtype with this code).
constexpr int32_t ParamNotFound = static_cast<int32_t>(0x80020004);

class Variant {
public:
    Variant() noexcept { m_i64 = 0; }
    Variant(const Variant& o) noexcept
        : m_type(o.m_type)
    {
        m_i64 = o.m_i64;
        retain();
    }
    Variant(Variant&& o) noexcept
        : m_type(o.m_type)
    {
        m_i64 = o.m_i64;
        o.m_type = VarType::Empty;
    }
    Variant& operator=(const Variant& o) noexcept
    {
        if (this != &o) {
            Variant tmp(o);
            swap(tmp);
        }
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept
    {
        // Take the new value before releasing the old one: `o` may live
        // inside what this Variant owns (an element of its array).
        if (this != &o) {
            Variant tmp(std::move(o));
            swap(tmp);
        }
        return *this;
    }
    ~Variant() { clear(); }

    // Constructors by subtype (explicit names: the subtypes must stay apart).
    static Variant null() noexcept { return make(VarType::Null); }
    static Variant missing() noexcept;
    static Variant fromBool(bool b) noexcept;
    static Variant fromByte(uint8_t v) noexcept;
    static Variant fromInteger(int16_t v) noexcept;
    static Variant fromLong(int32_t v) noexcept;
    static Variant fromSingle(float v) noexcept;
    static Variant fromDouble(double v) noexcept;
    static Variant fromCurrency(int64_t scaled) noexcept; // value * 10000
    static Variant fromDate(double serial) noexcept;
    static Variant fromError(int32_t code) noexcept;
    static Variant fromString(Str s) noexcept;
    static Variant fromString(std::u16string_view s) { return fromString(Str(s)); }
    static Variant fromObject(Object* o) noexcept; // nullptr is Nothing
    static Variant fromObject(const Ref<Object>& o) noexcept { return fromObject(o.get()); }
    static Variant nothing() noexcept { return fromObject(nullptr); }
    static Variant fromArray(Array* a) noexcept; // takes a new reference
    static Variant fromRef(Variant* target) noexcept; // ByRef link, no ownership

    VarType type() const noexcept { return m_type; }
    // VarType() as the language reports it (arrays: 8204).
    int32_t varType() const noexcept;

    bool isEmpty() const noexcept { return m_type == VarType::Empty; }
    bool isNull() const noexcept { return m_type == VarType::Null; }
    bool isString() const noexcept { return m_type == VarType::String; }
    bool isObject() const noexcept { return m_type == VarType::Object; }
    bool isNothing() const noexcept { return m_type == VarType::Object && !m_obj; }
    bool isArray() const noexcept { return m_type == VarType::Array; }
    bool isRef() const noexcept { return m_type == VarType::Ref; }
    bool isMissing() const noexcept { return m_type == VarType::Error && m_i32 == ParamNotFound; }
    // Integer, Long, Byte, Single, Double, Currency, Date, Boolean.
    bool isNumeric() const noexcept;

    // Follows ByRef links (at most one level is ever made).
    const Variant& deref() const noexcept { return m_type == VarType::Ref ? *m_ref : *this; }
    Variant& deref() noexcept { return m_type == VarType::Ref ? *m_ref : *this; }

    // Raw payload accessors; the caller has checked type().
    bool asBool() const noexcept { return m_i16 != 0; }
    uint8_t asByte() const noexcept { return m_u8; }
    int16_t asInteger() const noexcept { return m_i16; }
    int32_t asLong() const noexcept { return m_i32; }
    // Integer and Long keep their value sign-extended through the whole
    // payload, so either reads with one load.
    int64_t asIntegerOrLong() const noexcept { return m_i64; }
    float asSingle() const noexcept { return m_f32; }
    double asDouble() const noexcept { return m_f64; }
    int64_t asCurrency() const noexcept { return m_i64; }
    double asDate() const noexcept { return m_f64; }
    int32_t asError() const noexcept { return m_i32; }
    Str asString() const noexcept { return m_str ? Str::adopt((m_str->addRef(), m_str)) : Str(); }
    std::u16string_view stringView() const noexcept
    {
        return m_str ? std::u16string_view(m_str->data, m_str->length) : std::u16string_view();
    }
    Object* asObject() const noexcept { return m_obj; }
    Array* asArray() const noexcept { return m_arr; }
    Variant* asRef() const noexcept { return m_ref; }

    // References to the string payload (0 for the empty string or a non-string);
    // reading it creates no temporary Str.
    uint32_t stringRefs() const noexcept { return m_type == VarType::String && m_str ? m_str->refs : 0; }
    // Both strings, holding the very same block (or both none).
    bool sameString(const Variant& o) const noexcept
    {
        return m_type == VarType::String && o.m_type == VarType::String && m_str == o.m_str;
    }
    // In-place string append when this Variant holds the only reference
    // (`s = s & x`). Returns false on out-of-memory.
    [[nodiscard]] bool appendString(std::u16string_view tail);
    // Makes this a string whose text is a & b: a uniquely held string's own
    // block is rewritten when it fits (then neither may be its text), and a
    // plain value or another string gets a new block. False, with nothing
    // changed, for arrays and objects and when memory runs out.
    bool replaceString(std::u16string_view a, std::u16string_view b) noexcept;
    // Mutable array payload, copied first when shared (copy-on-write).
    Array* mutableArray();

    // Replaces the value with one that owns nothing (a number, Empty,
    // Null, Boolean, Error), releasing the old one: no temporary is made.
    // *this = std::move(o) for the interpreter's element stores: o is taken
    // first (it may live inside what this Variant owns), the old value is
    // released last, a string's count inline.
    void takeFrom(Variant& o) noexcept
    {
        Variant old;
        old.m_type = m_type;
        old.m_i64 = m_i64;
        m_type = o.m_type;
        m_i64 = o.m_i64;
        o.m_type = VarType::Empty;
        o.m_i64 = 0;
        old.clearString();
    }
    // Empty again, for a Variant known to own nothing.
    void forgetPlain() noexcept
    {
        m_type = VarType::Empty;
        m_i64 = 0;
    }
    // Owns no string, array or object: copies are plain bytes.
    bool isPlain() const noexcept { return !ownsHeap(); }
    void setPlain(const Variant& plain) noexcept
    {
        release();
        m_type = plain.m_type;
        m_i64 = plain.m_i64;
    }
    // A plain value as two words, to carry in registers.
    struct PlainBits {
        VarType type;
        int64_t bits;
    };
    PlainBits plainBits() const noexcept { return { m_type, m_i64 }; }
    void setPlain(PlainBits plain) noexcept
    {
        release();
        m_type = plain.type;
        m_i64 = plain.bits;
    }
    static Variant fromPlain(PlainBits plain) noexcept
    {
        Variant v;
        v.m_type = plain.type;
        v.m_i64 = plain.bits;
        return v;
    }
    void setLong(int32_t v) noexcept
    {
        release();
        m_type = VarType::Long;
        m_i64 = v;
    }
    void setInteger(int16_t v) noexcept
    {
        release();
        m_type = VarType::Integer;
        m_i64 = v;
    }
    void setDouble(double v) noexcept
    {
        release();
        m_type = VarType::Double;
        m_f64 = v;
    }
    // Integer/Long arithmetic's result r from operands of types lt and rt,
    // promoted as the language does: Integer when both were and it fits,
    // else Long when it fits, else Double. The old value must own nothing.
    void overwriteWide(int64_t r, VarType lt, VarType rt) noexcept
    {
        if (lt == VarType::Integer && rt == VarType::Integer && r == int16_t(r)) {
            m_type = VarType::Integer;
            m_i64 = r;
        } else if (r == int32_t(r)) {
            m_type = VarType::Long;
            m_i64 = r;
        } else {
            m_type = VarType::Double;
            m_f64 = static_cast<double>(r);
        }
    }
    // As copy-constructing at `at` and as clear(), with a string's or an
    // object's count changed inline: for the interpreter's hottest places
    // only (inline everywhere, the code grows more than it gains).
    [[gnu::always_inline]] static void copyTo(Variant* at, const Variant& o) noexcept
    {
        at->m_type = o.m_type;
        at->m_i64 = o.m_i64;
        if (o.m_type == VarType::String) {
            if (o.m_str)
                o.m_str->addRef();
        } else if (o.m_type == VarType::Object) {
            if (o.m_obj)
                o.m_obj->addRef();
        } else if (o.ownsHeap()) {
            at->retainHeap();
        }
    }
    // Moves o into the Empty slot at `at`, leaving o Empty.
    static void moveTo(Variant* at, Variant& o) noexcept
    {
        at->m_type = o.m_type;
        at->m_i64 = o.m_i64;
        o.m_type = VarType::Empty;
        o.m_i64 = 0;
    }
    [[gnu::always_inline]] void clearString() noexcept
    {
        if (m_type == VarType::String) {
            if (m_str)
                m_str->release();
        } else if (ownsHeap()) {
            releaseHeap();
        }
        m_type = VarType::Empty;
        m_i64 = 0;
    }
    // clear() with an object's count, too, dropped inline: detached first,
    // as its termination may run script code that looks at this Variant.
    void clearObject() noexcept
    {
        if (m_type == VarType::Object) {
            Object* o = m_obj;
            m_type = VarType::Empty;
            m_i64 = 0;
            if (o)
                o->release();
            return;
        }
        clearString();
    }
    [[gnu::always_inline]] void clear() noexcept
    {
        release();
        m_type = VarType::Empty;
        m_i64 = 0;
    }
    void swap(Variant& o) noexcept
    {
        std::swap(m_type, o.m_type);
        std::swap(m_i64, o.m_i64);
    }
    // A word in the padding, for a container to keep beside the value (a
    // table's key hash). Zero in a new Variant; copies, moves and swaps leave
    // it where it is.
    uint32_t spareWord() const noexcept { return m_spare; }
    void setSpareWord(uint32_t w) noexcept { m_spare = w; }

private:
    static Variant make(VarType t) noexcept
    {
        Variant v;
        v.m_type = t;
        return v;
    }
    // Only strings, objects and arrays own anything; numbers skip the call.
    bool ownsHeap() const noexcept
    {
        static_assert((uint16_t(VarType::String) & HeapMask) == 8 && (uint16_t(VarType::Object) & HeapMask) == 8
                      && (uint16_t(VarType::Array) & HeapMask) == 8);
        return (static_cast<uint16_t>(m_type) & HeapMask) == 8;
    }
    static constexpr uint16_t HeapMask = 0xDFFE;
    void retain() noexcept
    {
        if (ownsHeap())
            retainHeap();
    }
    void release() noexcept
    {
        if (ownsHeap())
            releaseHeap();
    }
    void retainHeap() noexcept;
    void releaseHeap() noexcept;

    VarType m_type = VarType::Empty;
    [[maybe_unused]] uint16_t m_reserved = 0; // padding, kept zero
    uint32_t m_spare = 0;
    union {
        int64_t m_i64;
        int32_t m_i32;
        int16_t m_i16;
        uint8_t m_u8;
        float m_f32;
        double m_f64;
        StringRep* m_str;
        Object* m_obj;
        Array* m_arr;
        Variant* m_ref;
    };
};
static_assert(sizeof(Variant) == 16, "Variant must stay 16 bytes");

// Numeric constructors are inline: the interpreter builds them on every step.
inline Variant Variant::missing() noexcept { return fromError(ParamNotFound); }
inline Variant Variant::fromBool(bool b) noexcept
{
    Variant v = make(VarType::Boolean);
    v.m_i16 = b ? -1 : 0;
    return v;
}
inline Variant Variant::fromByte(uint8_t x) noexcept
{
    Variant v = make(VarType::Byte);
    v.m_u8 = x;
    return v;
}
inline Variant Variant::fromInteger(int16_t x) noexcept
{
    Variant v = make(VarType::Integer);
    v.m_i64 = x;
    return v;
}
inline Variant Variant::fromLong(int32_t x) noexcept
{
    Variant v = make(VarType::Long);
    v.m_i64 = x;
    return v;
}
inline Variant Variant::fromSingle(float x) noexcept
{
    Variant v = make(VarType::Single);
    v.m_f32 = x;
    return v;
}
inline Variant Variant::fromDouble(double x) noexcept
{
    Variant v = make(VarType::Double);
    v.m_f64 = x;
    return v;
}
inline Variant Variant::fromCurrency(int64_t scaled) noexcept
{
    Variant v = make(VarType::Currency);
    v.m_i64 = scaled;
    return v;
}
inline Variant Variant::fromDate(double serial) noexcept
{
    Variant v = make(VarType::Date);
    v.m_f64 = serial;
    return v;
}
inline Variant Variant::fromString(Str s) noexcept
{
    Variant v = make(VarType::String);
    v.m_str = s.detach(); // null rep: the empty string
    return v;
}
inline Variant Variant::fromRef(Variant* target) noexcept
{
    Variant v = make(VarType::Ref);
    v.m_ref = target;
    return v;
}
inline Variant Variant::fromError(int32_t code) noexcept
{
    Variant v = make(VarType::Error);
    v.m_i32 = code;
    return v;
}


// Arrays of Variants, up to 60 dimensions, lower bounds 0 as in the language.
// An array's elements in one block that grows with realloc: a Variant holds
// no pointer into itself, so its bytes may move, and the bytes of Empty are
// all zero, so new elements are zeroed memory. Large blocks then grow by
// remapping pages instead of copying them. Failures leave it as it was.
class Elements {
public:
    Elements() = default;
    Elements(const Elements&) = delete;
    Elements& operator=(const Elements&) = delete;
    ~Elements();
    Variant* data() noexcept { return m_p; }
    const Variant* data() const noexcept { return m_p; }
    size_t size() const noexcept { return m_size; }
    size_t capacity() const noexcept { return m_capacity; }
    bool empty() const noexcept { return m_size == 0; }
    Variant& operator[](size_t i) noexcept { return m_p[i]; }
    const Variant& operator[](size_t i) const noexcept { return m_p[i]; }
    Variant* begin() noexcept { return m_p; }
    Variant* end() noexcept { return m_p + m_size; }
    // Room for n elements in all.
    bool reserve(size_t n) noexcept;
    // n elements: new ones Empty, those past n destroyed.
    bool resize(size_t n) noexcept;
    // n Empty elements, for an Elements that holds none yet.
    bool makeEmpty(size_t n) noexcept;
    // Copies of o's elements, for an Elements that holds none yet.
    bool makeCopy(const Elements& o) noexcept;
    // v's elements moved in, for an Elements that holds none yet.
    bool makeMoved(std::vector<Variant>& v) noexcept;

private:
    Variant* m_p = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

// An array's upper bounds: up to two in place, more on the heap.
class UpperBounds {
public:
    UpperBounds() = default;
    UpperBounds(const UpperBounds&) = delete; // m_p may point into this
    UpperBounds& operator=(const UpperBounds&) = delete;
    size_t size() const noexcept { return m_size; }
    bool empty() const noexcept { return m_size == 0; }
    int32_t operator[](size_t d) const noexcept { return data()[d]; }
    int32_t& operator[](size_t d) noexcept { return data()[d]; }
    std::span<const int32_t> view() const noexcept { return { data(), m_size }; }
    // Room for n bounds, so that assigning as many cannot fail.
    bool reserve(size_t n) noexcept
    {
        if (n <= InPlace || n <= m_heapSize)
            return true;
        int32_t* heap = new (std::nothrow) int32_t[n];
        if (!heap)
            return false;
        std::copy(data(), data() + m_size, heap);
        m_heap.reset(heap);
        m_p = heap;
        m_heapSize = static_cast<uint32_t>(n);
        return true;
    }
    bool assign(std::span<const int32_t> bounds) noexcept
    {
        if (!reserve(bounds.size()))
            return false;
        std::copy(bounds.begin(), bounds.end(), data());
        m_size = static_cast<uint32_t>(bounds.size());
        return true;
    }

private:
    static constexpr size_t InPlace = 2;
    const int32_t* data() const noexcept { return m_p; }
    int32_t* data() noexcept { return m_p; }
    int32_t m_inPlace[InPlace] = {};
    std::unique_ptr<int32_t[]> m_heap;
    int32_t* m_p = m_inPlace; // m_inPlace or m_heap
    uint32_t m_heapSize = 0;
    uint32_t m_size = 0;
};

// Stored with the first index varying fastest, so that ReDim Preserve (which
// may change only the last dimension) is a resize. Counted; the Variant that
// holds one copies it before writing when it is shared (assignment copies
// arrays in the language).
class Array {
public:
    static constexpr int MaxDims = 60;

    // bounds: upper bound per dimension (count = ubound + 1; -1 gives an
    // empty dimension). Fails with 7 "Out of memory" for absurd sizes, 9 for
    // negative counts below -1.
    static Result<Array*> create(std::span<const int32_t> upperBounds, bool fixed);
    static Array* createVector(std::vector<Variant> elements); // dynamic, 1 dimension

    void addRef() noexcept { ++m_refs; }
    void release() noexcept
    {
        if (--m_refs == 0)
            destroy(this);
    }
    uint32_t refCount() const noexcept { return m_refs; }
    Array* clone() const; // new array, refs 0

    int dims() const noexcept { return static_cast<int>(m_upper.size()); }
    // The element count of a one-dimension array, 0 for any other shape: one
    // unsigned compare checks the shape and an index together.
    uint64_t vectorCount() const noexcept { return m_vectorCount; }
    Variant* data() noexcept { return m_data.data(); }
    const Variant* data() const noexcept { return m_data.data(); }
    int32_t upperBound(int dim) const noexcept { return m_upper[dim]; } // dim 0-based
    int32_t lowerBound(int) const noexcept { return 0; }
    size_t size() const noexcept { return m_data.size(); }
    bool fixed() const noexcept { return m_fixed; }
    // Locked while For Each runs over it or an element is passed ByRef:
    // ReDim and Erase then fail with error 10.
    bool locked() const noexcept { return m_locks != 0; }
    void lock() noexcept { ++m_locks; }
    void unlock() noexcept { --m_locks; }

    // Element by indexes; error 9 when the count or a bound is wrong.
    Result<Variant*> at(std::span<const int32_t> indexes)
    {
        if (indexes.size() == 1) {
            if (Variant* v = elementAt(indexes[0]))
                return v;
        }
        return atAnyShape(indexes);
    }
    // The element at `index` of a one-dimension array; nullptr when the
    // array has another shape or the index is out of bounds.
    Variant* elementAt(int32_t index) noexcept
    {
        if (static_cast<uint64_t>(static_cast<int64_t>(index)) >= m_vectorCount)
            return nullptr;
        return &m_data[static_cast<size_t>(index)];
    }
    // The element at Integer or Long indexes; nullptr when an index is of
    // another kind, their count is not the array's or a bound is exceeded
    // (the general path then converts or fails).
    Variant* elementAtIndexes(const Variant* indexes, size_t n) noexcept
    {
        if (n != m_upper.size() || n == 0)
            return nullptr;
        size_t flat = 0, stride = 1;
        for (size_t d = 0; d < n; ++d) {
            const VarType t = indexes[d].type();
            if (t != VarType::Integer && t != VarType::Long)
                return nullptr;
            const int64_t i = indexes[d].asIntegerOrLong();
            if (i < 0 || i > m_upper[d])
                return nullptr;
            flat += static_cast<size_t>(i) * stride;
            stride *= static_cast<size_t>(m_upper[d]) + 1;
        }
        return &m_data[flat];
    }
    Variant& operator[](size_t flat) noexcept { return m_data[flat]; }
    const Variant& operator[](size_t flat) const noexcept { return m_data[flat]; }
    Elements& elements() noexcept { return m_data; }

    // ReDim Preserve: same dimension count, only the last bound may change.
    // Growth reserves geometrically, so an array grown one element at a time
    // costs amortised O(1) per step; the bounds stay exactly as asked.
    Status redimPreserve(std::span<const int32_t> upperBounds);

private:
    Array() = default;
    Result<Variant*> atAnyShape(std::span<const int32_t> indexes);
    // Reserves room for `count` elements, at least doubling the capacity.
    Status reserveFor(size_t count);
    // Frees an array and the arrays only it holds without recursion, so that
    // arrays nested a million deep do not exhaust the stack.
    static void destroy(Array* root) noexcept;
    void shapeChanged() noexcept
    {
        m_vectorCount = m_upper.size() == 1 ? static_cast<uint64_t>(static_cast<int64_t>(m_upper[0]) + 1) : 0;
    }
    uint64_t m_vectorCount = 0;
    uint32_t m_refs = 0;
    uint16_t m_locks = 0;
    bool m_fixed = false;
    UpperBounds m_upper;
    Elements m_data;
};

} // namespace vbs
