// The results of RegExp.Execute: a MatchCollection of Match objects, each
// with its SubMatches. All three are read-only snapshots.
#pragma once

#include "automation/Dispatch.h"

#include <vector>

namespace vbs {

// SubMatches: the capture groups of one match, in order; a group that did
// not take part is Empty.
class SubMatches final : public HostObject {
public:
    explicit SubMatches(std::vector<Variant> groups);
    static const ClassInfo& classInfo();

    size_t count() const { return m_groups.size(); }
    // 5 "Invalid procedure call or argument" outside 0..Count-1.
    Result<Variant> item(int32_t index) const;
    Result<Ref<Enumerator>> enumerate() override;

private:
    std::vector<Variant> m_groups;
};

// Match: Value (the default member), FirstIndex (0-based), Length, SubMatches.
class Match final : public HostObject {
public:
    Match(Str value, int32_t firstIndex, std::vector<Variant> groups);
    static const ClassInfo& classInfo();

    const Str& value() const { return m_value; }
    int32_t firstIndex() const { return m_firstIndex; }
    int32_t length() const { return static_cast<int32_t>(m_value.size()); }
    Ref<SubMatches> subMatches();

private:
    Str m_value;
    int32_t m_firstIndex;
    std::vector<Variant> m_groups; // until SubMatches is first asked for
    Ref<SubMatches> m_subMatches;
};

// MatchCollection: Count, Item (the default member, 0-based), For Each.
class MatchCollection final : public HostObject {
public:
    explicit MatchCollection(std::vector<Ref<Match>> matches);
    static const ClassInfo& classInfo();

    size_t count() const { return m_matches.size(); }
    // 5 "Invalid procedure call or argument" outside 0..Count-1.
    Result<Variant> item(int32_t index) const;
    Result<Ref<Enumerator>> enumerate() override;

private:
    std::vector<Ref<Match>> m_matches;
};

} // namespace vbs
