#include "objects/Dictionary.h"

#include "objects/SnapshotEnumerator.h"

namespace vbs {

namespace {

enum : DispId {
    IdItem = DispIdValue,
    IdAdd = 1,
    IdCount,
    IdExists,
    IdItems,
    IdKey,
    IdKeys,
    IdRemove,
    IdRemoveAll,
    IdCompareMode,
    IdHashVal,
};

Dictionary& self(Object& o)
{
    return static_cast<Dictionary&>(o);
}

constexpr ParamInfo KeyParam { u"Key" };
constexpr ParamInfo NewValueParam { u"NewValue" };

Result<Variant> fromStatus(Status s)
{
    if (!s)
        return s.takeError();
    return Variant();
}

std::vector<MemberInfo> dictionaryMembers()
{
    return {
        // Keys (every member's Key) may be any value but an array (13):
        // Empty and Null are keys like others, objects count by identity and
        // are not read through their default member.
        // Item(Key) [= NewValue]: the default member. Get of a missing key
        // adds it with Empty; Let and Set replace the value or add the key.
        // The value is stored as given, Empty, Null and objects included.
        { u"Item", IdItem, MemberKind::PropertyGet, { KeyParam },
            [](Object& o, Args a) { return self(o).item(a[0]); } },
        { u"Item", IdItem, MemberKind::PropertyLet, { KeyParam, NewValueParam },
            [](Object& o, Args a) { return fromStatus(self(o).setItem(a[0], a[1])); } },
        { u"Item", IdItem, MemberKind::PropertySet, { KeyParam, NewValueParam },
            [](Object& o, Args a) { return fromStatus(self(o).setItem(a[0], a[1])); } },
        // Add Key, Item: 457 when the key is already there.
        { u"Add", IdAdd, MemberKind::Method, { KeyParam, { u"Item" } },
            [](Object& o, Args a) { return fromStatus(self(o).add(a[0], a[1])); } },
        // Count: Long.
        { u"Count", IdCount, MemberKind::PropertyGet, {},
            [](Object& o, Args) {
                return Result<Variant>(Variant::fromLong(static_cast<int32_t>(self(o).count())));
            } },
        // Exists(Key): Boolean; never adds the key.
        { u"Exists", IdExists, MemberKind::Method, { KeyParam },
            [](Object& o, Args a) -> Result<Variant> {
                TRY_ASSIGN(found, self(o).exists(a[0]));
                return Variant::fromBool(found);
            } },
        // Items(), Keys(): arrays of Variants in insertion order (a copy).
        { u"Items", IdItems, MemberKind::Method, {},
            [](Object& o, Args) { return Result<Variant>(self(o).itemsArray()); } },
        { u"Keys", IdKeys, MemberKind::Method, {},
            [](Object& o, Args) { return Result<Variant>(self(o).keysArray()); } },
        // Key(Key) = NewValue: write-only; renames a key in place. 32811
        // when Key is missing, 457 when NewValue is another element's key.
        { u"Key", IdKey, MemberKind::PropertyLet, { KeyParam, NewValueParam },
            [](Object& o, Args a) { return fromStatus(self(o).renameKey(a[0], a[1])); } },
        // Remove Key: 32811 when missing. RemoveAll: empties the dictionary.
        { u"Remove", IdRemove, MemberKind::Method, { KeyParam },
            [](Object& o, Args a) { return fromStatus(self(o).remove(a[0])); } },
        { u"RemoveAll", IdRemoveAll, MemberKind::Method, {},
            [](Object& o, Args) {
                self(o).removeAll();
                return Result<Variant>(Variant());
            } },
        // CompareMode: Long; vbBinaryCompare 0, vbTextCompare 1. The new
        // value is converted to Long (Null 94, non-numeric text 13); a
        // negative one, or any change while elements are held, is 5.
        { u"CompareMode", IdCompareMode, MemberKind::PropertyGet, {},
            [](Object& o, Args) { return Result<Variant>(Variant::fromLong(self(o).compareMode())); } },
        { u"CompareMode", IdCompareMode, MemberKind::PropertyLet, { { u"NewValue", ParamType::Int32 } },
            [](Object& o, Args a) { return fromStatus(self(o).setCompareMode(a[0].asLong())); } },
        // HashVal(Key): Long, the key's hash as the table sees it.
        { u"HashVal", IdHashVal, MemberKind::Method, { KeyParam },
            [](Object& o, Args a) -> Result<Variant> {
                TRY_ASSIGN(h, self(o).hashValue(a[0]));
                return Variant::fromLong(h);
            } },
    };
}

// A value as it is stored: ByRef links followed.
Variant stored(const Variant& v)
{
    return v.deref();
}

} // namespace

const ClassInfo& Dictionary::classInfo()
{
    static const ClassInfo info(u"Dictionary", dictionaryMembers());
    return info;
}

Dictionary::Dictionary()
    : HostObject(classInfo())
{
}

Status Dictionary::add(const Variant& key, const Variant& item)
{
    TRY_ASSIGN(found, m_map.lookup(key));
    if (found.position != VariantKeyMap::npos)
        return fail(ErrorCode::KeyAlreadyAssociated);
    TRY_STATUS(m_map.insert(found.key, stored(item)));
    return {};
}

// Flattened: the common members and the key look-up run without calls.
[[gnu::flatten]] Result<Variant> Dictionary::invoke(DispId id, InvokeKind kind, Args args)
{
    const bool put = kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
    switch (id) {
    case IdItem:
        if (!put && args.size() == 1 && !args[0].deref().isMissing())
            return item(args[0]);
        // A ByRef value takes the table's path, which copies it first.
        if (put && args.size() == 2 && !args[0].deref().isMissing() && !args[1].isRef()) {
            TRY_STATUS(setItem(args[0], args[1]));
            return Variant();
        }
        break;
    case IdExists:
        if (!put && args.size() == 1 && !args[0].deref().isMissing()) {
            TRY_ASSIGN(found, exists(args[0]));
            return Variant::fromBool(found);
        }
        break;
    case IdAdd:
        if (!put && args.size() == 2 && !args[0].deref().isMissing() && !args[1].deref().isMissing()) {
            TRY_STATUS(add(args[0], args[1]));
            return Variant();
        }
        break;
    case IdCount:
        if (!put && args.empty())
            return Variant::fromLong(static_cast<int32_t>(count()));
        break;
    default: break;
    }
    return HostObject::invoke(id, kind, args);
}

Result<bool> Dictionary::exists(const Variant& key) const
{
    TRY_ASSIGN(found, m_map.lookup(key));
    return found.position != VariantKeyMap::npos;
}

Result<Variant> Dictionary::item(const Variant& key)
{
    TRY_ASSIGN(found, m_map.lookup(key));
    if (found.position != VariantKeyMap::npos)
        return m_map.valueAt(found.position);
    TRY_STATUS(m_map.insert(found.key, Variant()));
    return Variant();
}

Status Dictionary::setItem(const Variant& key, const Variant& item)
{
    TRY_ASSIGN(found, m_map.lookup(key));
    const size_t position = found.position;
    if (position == VariantKeyMap::npos) {
        TRY_STATUS(m_map.insert(found.key, stored(item)));
        return {};
    }
    // The old value dies after the new one is in place: its release may run
    // script code that reaches this dictionary.
    Variant old = std::move(m_map.valueAt(position));
    m_map.valueAt(position) = stored(item);
    return {};
}

Status Dictionary::renameKey(const Variant& key, const Variant& newKey)
{
    TRY_ASSIGN(oldK, m_map.prepare(key));
    size_t position = m_map.find(oldK);
    if (position == VariantKeyMap::npos)
        return fail(ErrorCode::ElementNotFound);
    TRY_ASSIGN(newK, m_map.prepare(newKey));
    size_t other = m_map.find(newK);
    if (other != VariantKeyMap::npos && other != position)
        return fail(ErrorCode::KeyAlreadyAssociated);
    m_map.rekey(position, newK);
    return {};
}

Status Dictionary::remove(const Variant& key)
{
    TRY_ASSIGN(found, m_map.lookup(key));
    const size_t position = found.position;
    if (position == VariantKeyMap::npos)
        return fail(ErrorCode::ElementNotFound);
    Variant oldKey, oldValue; // released on return, with the table consistent
    m_map.erase(position, oldKey, oldValue);
    return {};
}

Dictionary::~Dictionary()
{
    removeAll();
}

// The old elements are released in insertion order, after the map is already
// empty: releasing one may run script code (Class_Terminate) that uses it.
void Dictionary::removeAll()
{
    VariantKeyMap::Entries old = m_map.takeAll();
    for (VariantKeyMap::Entry& e : old) {
        e.value.clear();
        e.key.clear();
    }
}

Status Dictionary::setCompareMode(int32_t mode)
{
    if (mode < 0 || !m_map.empty())
        return fail(ErrorCode::InvalidProcedureCall);
    m_compareMode = mode;
    m_map.setCompareMode(mode == 0 ? CompareMode::Binary : CompareMode::Text);
    return {};
}

Result<int32_t> Dictionary::hashValue(const Variant& key) const
{
    TRY_ASSIGN(k, m_map.prepare(key));
    return static_cast<int32_t>(k.hash & 0x7FFFFFFF);
}

Variant Dictionary::keysArray() const
{
    return Variant::fromArray(Array::createVector(m_map.keys()));
}

Variant Dictionary::itemsArray() const
{
    return Variant::fromArray(Array::createVector(m_map.values()));
}

Result<Ref<Enumerator>> Dictionary::enumerate()
{
    return Ref<Enumerator>(new SnapshotEnumerator(m_map.keys()));
}

} // namespace vbs
