// VariantKeyMap: the dictionary's table. An insertion-ordered hash map from
// Variant keys to Variant values: entries live in a vector in insertion order,
// an open-addressed index of entry positions finds them. Removal leaves a
// tombstone in both; the entries are compacted once tombstones outnumber the
// live ones, so every operation stays amortised O(1).
//
// Key identity follows the language's dictionary: numbers compare by value
// whatever their subtype (1, 1.0 and CLng(1) are one key; Boolean and Date
// count as their numeric values), strings compare binary or case-folded,
// objects by identity, and a string never equals a number ("1" <> 1).
#pragma once

#include "runtime/Operators.h"
#include "runtime/Variant.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace vbs {

// Equal units; the first and last words of a short key compared in place.
inline bool sameUnits(const char16_t* a, const char16_t* b, size_t n) noexcept
{
    const size_t bytes = n * sizeof(char16_t);
    const auto word = [](const char16_t* p, size_t at, auto size) {
        decltype(size) w;
        std::memcpy(&w, reinterpret_cast<const char*>(p) + at, sizeof w);
        return w;
    };
    if (bytes >= 8 && bytes <= 16)
        return word(a, 0, uint64_t()) == word(b, 0, uint64_t())
            && word(a, bytes - 8, uint64_t()) == word(b, bytes - 8, uint64_t());
    if (bytes >= 4 && bytes < 8)
        return word(a, 0, uint32_t()) == word(b, 0, uint32_t())
            && word(a, bytes - 4, uint32_t()) == word(b, bytes - 4, uint32_t());
    if (bytes == 2)
        return a[0] == b[0];
    return std::memcmp(a, b, bytes) == 0;
}
class VariantKeyMap {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // A key checked and hashed once, for one or more table operations. It
    // points at the caller's Variant, which must outlive it.
    struct HashedKey {
        const Variant* key = nullptr;
        uint32_t hash = 0; // its low bits place it in the index, all are its tag
    };

    explicit VariantKeyMap(CompareMode mode = CompareMode::Binary)
        : m_mode(mode)
    {
    }

    CompareMode compareMode() const { return m_mode; }
    // Only valid while the map is empty (hashes depend on the mode).
    void setCompareMode(CompareMode mode)
    {
        m_mode = mode;
        forgetRecent();
    }

    // Follows a ByRef link and hashes the key. Arrays cannot be keys: 13.
    Result<HashedKey> prepare(const Variant& key) const;

    size_t size() const { return m_live; }
    bool empty() const { return m_live == 0; }

    // Position of the entry with this key, or npos.
    size_t find(const HashedKey& key) const;

    // prepare and find in one step. The key found last time, a string or a
    // whole number, is recognised without hashing or probing: scripts ask
    // Exists(k) and then read Item(k) with the same key.
    struct Lookup {
        HashedKey key;
        size_t position = npos;
    };
    Result<Lookup> lookup(const Variant& key) const
    {
        const Variant& k = key.deref();
        if (m_recentPosition != npos && isRecent(k))
            return Lookup { HashedKey { &k, m_entries[m_recentPosition].hash() }, m_recentPosition };
        return lookupUncached(k);
    }
    // Appends an entry; the caller has made sure the key is absent.
    // 7 Out of memory when the table cannot grow.
    Result<size_t> insert(const HashedKey& key, Variant value);
    // Gives the entry at `position` a new key, keeping its place in order;
    // the caller has made sure no other entry has that key.
    void rekey(size_t position, const HashedKey& key);
    // Removes the entry at `position`, handing its key and value to the
    // caller: releasing them may run script code (Class_Terminate) that comes
    // back to this map, so they must die only after the table is consistent.
    void erase(size_t position, Variant& oldKey, Variant& oldValue);

    // 32 bytes: the key's hash is kept in the key's spare word, and a removed
    // entry's key is a Ref without a target (no key is a Ref).
    struct Entry {
        Variant key;
        Variant value;
        bool live() const noexcept { return !key.isRef(); }
        uint32_t hash() const noexcept { return key.spareWord(); }
    };
    static_assert(sizeof(Entry) == 32);
    // The entries in insertion order. They grow with realloc: a Variant holds
    // no pointer into itself, so entries move as bytes, and a large table
    // grows by remapping its pages rather than copying them into new ones.
    class Entries {
    public:
        Entries() = default;
        Entries(Entries&& o) noexcept
            : m_data(std::exchange(o.m_data, nullptr))
            , m_size(std::exchange(o.m_size, 0))
            , m_capacity(std::exchange(o.m_capacity, 0))
        {
        }
        Entries& operator=(Entries&& o) noexcept
        {
            Entries gone(std::move(*this));
            std::swap(m_data, o.m_data);
            std::swap(m_size, o.m_size);
            std::swap(m_capacity, o.m_capacity);
            return *this;
        }
        ~Entries();
        size_t size() const noexcept { return m_size; }
        Entry& operator[](size_t i) noexcept { return m_data[i]; }
        const Entry& operator[](size_t i) const noexcept { return m_data[i]; }
        Entry* begin() noexcept { return m_data; }
        Entry* end() noexcept { return m_data + m_size; }
        const Entry* begin() const noexcept { return m_data; }
        const Entry* end() const noexcept { return m_data + m_size; }
        // false when memory runs out; nothing changes then.
        bool push(Entry&& e) noexcept;
        // Drops the entries from n on: they hold only Empty Variants.
        void shrink(size_t n) noexcept;

    private:
        Entry* m_data = nullptr;
        size_t m_size = 0;
        size_t m_capacity = 0;
    };
    // Empties the map, moving the old entries out for the same reason.
    Entries takeAll();

    const Variant& keyAt(size_t position) const { return m_entries[position].key; }
    Variant& valueAt(size_t position) { return m_entries[position].value; }

    // Keys or values in insertion order.
    std::vector<Variant> keys() const;
    std::vector<Variant> values() const;

private:
    // An index slot is 32 bits: the entry's position in the bits under the
    // index mask, and above them the key's hash bits the position does not
    // already imply, checked before the entry is touched. Both markers have
    // every mask bit set or all but the lowest, positions no entry takes (the
    // index stays larger than the entries by more than two).
    using Slot = uint32_t;
    static constexpr Slot EmptySlot = 0xFFFFFFFFu;
    static constexpr Slot DeletedSlot = 0xFFFFFFFEu;
    uint32_t indexMask() const noexcept { return static_cast<uint32_t>(m_index.size() - 1); }

    bool sameKey(const Variant& a, const Variant& b) const;
    // Whether k is the key the last successful look-up found: the same units
    // are the same key in either compare mode; an Integer or Long is the same
    // key as one of its own subtype and value.
    bool isRecent(const Variant& k) const noexcept
    {
        const Variant& recent = m_entries[m_recentPosition].key;
        if (k.type() != recent.type())
            return false;
        if (k.isString()) {
            const std::u16string_view a = k.stringView(), b = recent.stringView();
            return a.size() == b.size() && (a.data() == b.data() || sameUnits(a.data(), b.data(), a.size()));
        }
        return (k.type() == VarType::Long || k.type() == VarType::Integer)
            && k.asIntegerOrLong() == recent.asIntegerOrLong();
    }
    Result<Lookup> lookupUncached(const Variant& k) const;
    size_t findSlot(const HashedKey& key) const;
    size_t slotOfEntry(size_t position) const;
    void placeInIndex(uint32_t entry, uint32_t hash);
    bool roomFor(size_t entries, size_t capacity) const noexcept { return entries + 2 < capacity; }
    void growIfNeeded();
    void rebuildIndex(size_t capacity);
    void compact();
    void forgetRecent() const noexcept { m_recentPosition = npos; }

    Entries m_entries;
    // The index, remade at each growth: realloc keeps the old pages (a
    // large block is remapped), so only the added half is new memory.
    class Index {
    public:
        Index() = default;
        Index(const Index&) = delete;
        Index& operator=(const Index&) = delete;
        ~Index() { std::free(m_slots); }
        bool empty() const noexcept { return m_size == 0; }
        size_t size() const noexcept { return m_size; }
        Slot& operator[](size_t i) noexcept { return m_slots[i]; }
        const Slot& operator[](size_t i) const noexcept { return m_slots[i]; }
        // `size` empty slots; throws std::bad_alloc, leaving the index as it was.
        void reset(size_t size);
        void clear() noexcept
        {
            std::free(m_slots);
            m_slots = nullptr;
            m_size = 0;
        }

    private:
        Slot* m_slots = nullptr;
        size_t m_size = 0;
    };
    Index m_index; // size is a power of two, or 0
    size_t m_live = 0;
    size_t m_usedSlots = 0; // live plus deleted slots
    CompareMode m_mode;
    // The entry the last successful look-up found: the same text or whole
    // number is found again by comparing it with that entry's key.
    // No reference to the looked-up string is kept, so a variable holding
    // it can still be rewritten in place. Forgotten when entries move or die.
    mutable size_t m_recentPosition = npos;
};

} // namespace vbs
