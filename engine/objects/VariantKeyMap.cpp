#include "objects/VariantKeyMap.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace vbs {

namespace {

enum class KeyClass : uint8_t { Empty, Null, Number, String, Object, Error };

// The class a key falls in and, for numbers, its value.
KeyClass classify(const Variant& v, double& number)
{
    switch (v.type()) {
    case VarType::Empty:
        return KeyClass::Empty;
    case VarType::Null:
        return KeyClass::Null;
    case VarType::String:
        return KeyClass::String;
    case VarType::Object:
        return KeyClass::Object;
    case VarType::Error:
        return KeyClass::Error;
    case VarType::Integer:
        number = v.asInteger();
        break;
    case VarType::Long:
        number = v.asLong();
        break;
    case VarType::Byte:
        number = v.asByte();
        break;
    case VarType::Single:
        number = v.asSingle();
        break;
    case VarType::Currency:
        number = static_cast<double>(v.asCurrency()) / 10000.0;
        break;
    case VarType::Boolean:
        number = v.asBool() ? -1.0 : 0.0;
        break;
    default: // Double, Date
        number = v.asDouble();
        break;
    }
    return KeyClass::Number;
}

// Final avalanche so that the low bits used by the index depend on all bits.
uint64_t mix(uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

constexpr uint64_t FnvOffset = 0xcbf29ce484222325ULL;
constexpr uint64_t FnvPrime = 0x100000001b3ULL;

// Case folding with the ASCII letters inline: keys are mostly ASCII.
inline char16_t foldUnit(char16_t c)
{
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
    return foldCase(c);
}

uint64_t hashString(std::u16string_view s, CompareMode mode)
{
    uint64_t h = FnvOffset;
    if (mode == CompareMode::Binary) {
        for (char16_t c : s)
            h = (h ^ c) * FnvPrime;
    } else {
        for (char16_t c : s)
            h = (h ^ foldUnit(c)) * FnvPrime;
    }
    return h;
}

constexpr uint64_t classSeed(KeyClass cls) { return static_cast<uint64_t>(cls) * 0x9e3779b97f4a7c15ULL; }

uint64_t hashStringKey(std::u16string_view s, CompareMode mode)
{
    return mix(classSeed(KeyClass::String) ^ hashString(s, mode));
}

[[gnu::noinline]] bool sameFolded(std::u16string_view a, std::u16string_view b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && foldUnit(a[i]) != foldUnit(b[i]))
            return false;
    }
    return true;
}

inline bool sameString(std::u16string_view a, std::u16string_view b, CompareMode mode)
{
    if (a.size() != b.size())
        return false;
    if (a.data() == b.data() || a.empty()) // the same string (For Each k: d(k))
        return true;
    if (mode == CompareMode::Binary)
        return sameUnits(a.data(), b.data(), a.size());
    return sameFolded(a, b);
}

// A number's hash: its value as a Double, so that every subtype agrees.
uint64_t hashNumber(double number)
{
    if (number == 0)
        number = 0; // -0 and 0 are one key
    uint64_t bits;
    std::memcpy(&bits, &number, sizeof bits);
    return mix(classSeed(KeyClass::Number) ^ bits);
}

uint64_t hashKey(const Variant& v, CompareMode mode)
{
    double number = 0;
    KeyClass cls = classify(v, number);
    uint64_t h = classSeed(cls);
    switch (cls) {
    case KeyClass::Number:
        return hashNumber(number);
    case KeyClass::String:
        h ^= hashString(v.stringView(), mode);
        break;
    case KeyClass::Object:
        h ^= reinterpret_cast<uintptr_t>(v.asObject());
        break;
    case KeyClass::Error:
        h ^= static_cast<uint32_t>(v.asError());
        break;
    default:
        break;
    }
    return mix(h);
}

// The 32 bits a table keeps of a key's hash: both halves count.
uint32_t folded(uint64_t hash) { return static_cast<uint32_t>(hash ^ (hash >> 32)); }

} // namespace

Result<VariantKeyMap::HashedKey> VariantKeyMap::prepare(const Variant& key) const
{
    const Variant& k = key.deref();
    switch (k.type()) {
    case VarType::String: return HashedKey { &k, folded(hashStringKey(k.stringView(), m_mode)) };
    case VarType::Long: return HashedKey { &k, folded(hashNumber(k.asLong())) };
    case VarType::Integer: return HashedKey { &k, folded(hashNumber(k.asInteger())) };
    default: break;
    }
    if (k.isArray())
        return fail(ErrorCode::TypeMismatch);
    return HashedKey { &k, folded(hashKey(k, m_mode)) };
}

bool VariantKeyMap::sameKey(const Variant& a, const Variant& b) const
{
    if (a.type() == b.type()) {
        switch (a.type()) {
        case VarType::String: return sameString(a.stringView(), b.stringView(), m_mode);
        case VarType::Long: return a.asLong() == b.asLong();
        case VarType::Integer: return a.asInteger() == b.asInteger();
        default: break;
        }
    }
    double x = 0, y = 0;
    KeyClass ca = classify(a, x);
    if (ca != classify(b, y))
        return false;
    switch (ca) {
    case KeyClass::Number:
        return x == y;
    case KeyClass::String:
        return sameString(a.stringView(), b.stringView(), m_mode);
    case KeyClass::Object:
        return a.asObject() == b.asObject();
    case KeyClass::Error:
        return a.asError() == b.asError();
    default:
        return true;
    }
}

size_t VariantKeyMap::findSlot(const HashedKey& key) const
{
    if (m_index.empty())
        return npos;
    const uint32_t mask = indexMask();
    const uint32_t tag = key.hash & ~mask;
    for (uint32_t i = key.hash & mask;; i = (i + 1) & mask) {
        const Slot slot = m_index[i];
        if (slot == EmptySlot)
            return npos;
        if ((slot & ~mask) == tag && slot != DeletedSlot && sameKey(m_entries[slot & mask].key, *key.key))
            return i;
    }
}

size_t VariantKeyMap::find(const HashedKey& key) const
{
    size_t slot = findSlot(key);
    return slot == npos ? npos : m_index[slot] & indexMask();
}

// Flattened: hashing, probing and comparing keys run without calls.
[[gnu::flatten]] Result<VariantKeyMap::Lookup> VariantKeyMap::lookupUncached(const Variant& k) const
{
    if (!k.isString()) {
        TRY_ASSIGN(hashed, prepare(k));
        const size_t position = find(hashed);
        if (position != npos)
            m_recentPosition = position;
        return Lookup { hashed, position };
    }
    // A string key, the usual kind: hashed here, without a Result to unwrap.
    const HashedKey hashed { &k, folded(hashStringKey(k.stringView(), m_mode)) };
    const size_t position = find(hashed);
    if (position != npos)
        m_recentPosition = position;
    return Lookup { hashed, position };
}

void VariantKeyMap::Index::reset(size_t size)
{
    if (size != m_size) {
        void* grown = std::realloc(static_cast<void*>(m_slots), size * sizeof(Slot));
        if (!grown)
            throw std::bad_alloc();
        m_slots = static_cast<Slot*>(grown);
        m_size = size;
    }
    static_assert(EmptySlot == 0xFFFFFFFFu); // every byte of an empty slot is 0xFF
    std::memset(static_cast<void*>(m_slots), 0xFF, size * sizeof(Slot));
}

VariantKeyMap::Entries::~Entries()
{
    for (size_t i = 0; i < m_size; ++i) // insertion order, as the elements go everywhere else
        m_data[i].~Entry();
    std::free(m_data);
}

bool VariantKeyMap::Entries::push(Entry&& e) noexcept
{
    if (m_size == m_capacity) {
        const size_t capacity = m_capacity ? m_capacity * 2 : 8;
        void* grown = std::realloc(static_cast<void*>(m_data), capacity * sizeof(Entry));
        if (!grown)
            return false;
        m_data = static_cast<Entry*>(grown);
        m_capacity = capacity;
    }
    new (m_data + m_size) Entry(std::move(e));
    ++m_size;
    return true;
}

void VariantKeyMap::Entries::shrink(size_t n) noexcept
{
    while (m_size > n)
        m_data[--m_size].~Entry();
}

void VariantKeyMap::placeInIndex(uint32_t entry, uint32_t hash)
{
    const uint32_t mask = indexMask();
    uint32_t i = hash & mask;
    while (m_index[i] < DeletedSlot)
        i = (i + 1) & mask;
    if (m_index[i] == EmptySlot)
        ++m_usedSlots;
    m_index[i] = (hash & ~mask) | entry;
}

void VariantKeyMap::rebuildIndex(size_t capacity)
{
    m_index.reset(capacity);
    m_usedSlots = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].live())
            placeInIndex(static_cast<uint32_t>(i), m_entries[i].hash());
    }
}

// Keeps the index at most half full, counting deleted slots: probes stay short
// and always end at an empty slot.
void VariantKeyMap::growIfNeeded()
{
    if (m_index.empty()) {
        rebuildIndex(16);
        return;
    }
    if ((m_usedSlots + 1) * 2 <= m_index.size() && roomFor(m_entries.size() + 1, m_index.size()))
        return;
    size_t capacity = m_index.size();
    // Otherwise deleted slots are the crowd: rebuild in place.
    if ((m_live + 1) * 4 > capacity || !roomFor(m_entries.size() + 1, capacity))
        capacity *= 2;
    rebuildIndex(capacity);
}

Result<size_t> VariantKeyMap::insert(const HashedKey& key, Variant value)
{
    // Past 2^31 entries the index would outgrow the 32 bits of a hash.
    if (m_entries.size() >= (size_t(1) << 31))
        return fail(ErrorCode::OutOfMemory);
    try {
        growIfNeeded();
    } catch (const std::bad_alloc&) {
        return fail(ErrorCode::OutOfMemory);
    }
    if (!m_entries.push(Entry { *key.key, std::move(value) }))
        return fail(ErrorCode::OutOfMemory);
    const size_t position = m_entries.size() - 1;
    m_entries[position].key.setSpareWord(key.hash);
    placeInIndex(static_cast<uint32_t>(position), key.hash);
    ++m_live;
    return position;
}

// Index slot that refers to the entry at `position` (it always has one).
size_t VariantKeyMap::slotOfEntry(size_t position) const
{
    const uint32_t mask = indexMask();
    uint32_t i = m_entries[position].hash() & mask;
    while (m_index[i] >= DeletedSlot || (m_index[i] & mask) != position)
        i = (i + 1) & mask;
    return i;
}

void VariantKeyMap::rekey(size_t position, const HashedKey& key)
{
    forgetRecent();
    m_index[slotOfEntry(position)] = DeletedSlot;
    Entry& e = m_entries[position];
    Variant oldKey = std::move(e.key);
    e.key = *key.key;
    e.key.setSpareWord(key.hash);
    placeInIndex(static_cast<uint32_t>(position), key.hash);
}

void VariantKeyMap::erase(size_t position, Variant& oldKey, Variant& oldValue)
{
    forgetRecent();
    m_index[slotOfEntry(position)] = DeletedSlot;
    Entry& e = m_entries[position];
    oldKey = std::move(e.key);
    oldValue = std::move(e.value);
    e.key = Variant::fromRef(nullptr);
    --m_live;
    const size_t dead = m_entries.size() - m_live;
    if (dead > 16 && dead > m_live)
        compact();
}

void VariantKeyMap::compact()
{
    size_t out = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].live()) {
            if (out != i) {
                const uint32_t hash = m_entries[i].hash();
                m_entries[out] = std::move(m_entries[i]);
                m_entries[out].key.setSpareWord(hash);
            }
            ++out;
        }
    }
    m_entries.shrink(out); // the moved-from tail holds only Empty Variants
    rebuildIndex(m_index.size());
}

VariantKeyMap::Entries VariantKeyMap::takeAll()
{
    forgetRecent();
    Entries old(std::move(m_entries));
    m_index.clear();
    m_live = 0;
    m_usedSlots = 0;
    return old;
}

std::vector<Variant> VariantKeyMap::keys() const
{
    std::vector<Variant> out;
    out.reserve(m_live);
    for (const Entry& e : m_entries) {
        if (e.live())
            out.push_back(e.key);
    }
    return out;
}

std::vector<Variant> VariantKeyMap::values() const
{
    std::vector<Variant> out;
    out.reserve(m_live);
    for (const Entry& e : m_entries) {
        if (e.live())
            out.push_back(e.value);
    }
    return out;
}

} // namespace vbs
