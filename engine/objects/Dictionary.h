// Dictionary: the language's associative array (CreateObject
// "Scripting.Dictionary"). Keys are Variants, kept in insertion order; Item
// is the default member. The script-facing members are in Dictionary.cpp's
// member table; the typed functions below serve them and the unit tests.
#pragma once

#include "automation/Dispatch.h"
#include "objects/VariantKeyMap.h"

namespace vbs {

class Dictionary final : public HostObject {
public:
    Dictionary();
    ~Dictionary() override;

    static const ClassInfo& classInfo();

    Status add(const Variant& key, const Variant& item);
    Result<bool> exists(const Variant& key) const;
    // Item get: a missing key is added with an Empty value, as documented.
    Result<Variant> item(const Variant& key);
    // Item let / set: replaces the value or adds the key.
    Status setItem(const Variant& key, const Variant& item);
    // Key let: renames a key in place. 32811 when it is missing, 457 when the
    // new key belongs to another element.
    Status renameKey(const Variant& key, const Variant& newKey);
    // 32811 "Element not found" when the key is missing.
    Status remove(const Variant& key);
    void removeAll(); // releases the elements in insertion order

    size_t count() const { return m_map.size(); }
    int32_t compareMode() const { return m_compareMode; }
    // 5 for a negative mode or when the dictionary is not empty. Modes above
    // 1 (locale-specific ones) compare as text.
    Status setCompareMode(int32_t mode);
    Result<int32_t> hashValue(const Variant& key) const;

    Variant keysArray() const;
    Variant itemsArray() const;

    // Item, Exists, Add and Count, called as scripts usually call them, go
    // straight to the functions above; every other call goes through the
    // member table, which would call the same functions.
    Result<Variant> invoke(DispId id, InvokeKind kind, Args args) override;

    // For Each walks the keys.
    Result<Ref<Enumerator>> enumerate() override;

    bool holdsValues() const override { return true; }
    void dropValues() noexcept override { removeAll(); }

private:
    VariantKeyMap m_map;
    int32_t m_compareMode = 0;
};

} // namespace vbs
