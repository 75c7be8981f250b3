#include "objects/RegExpMatch.h"

#include "objects/SnapshotEnumerator.h"

namespace vbs {

namespace {

enum : DispId { IdItem = DispIdValue, IdCount = 1 };
enum : DispId { IdValue = DispIdValue, IdFirstIndex = 1, IdLength, IdSubMatches };

constexpr ParamInfo IndexParam { u"Index", ParamType::Int32 };

Result<Variant> longValue(size_t n)
{
    return Variant::fromLong(static_cast<int32_t>(n));
}

} // namespace

// --- SubMatches

const ClassInfo& SubMatches::classInfo()
{
    // Item(Index): the group's text, Empty when the group did not take part.
    // Index is converted to Long (Null 94, text 13); outside 0..Count-1 is
    // 5. Count: Long.
    static const ClassInfo info(u"ISubMatches",
        {
            { u"Item", IdItem, MemberKind::PropertyGet, { IndexParam },
                [](Object& o, Args a) { return static_cast<SubMatches&>(o).item(a[0].asLong()); } },
            { u"Count", IdCount, MemberKind::PropertyGet, {},
                [](Object& o, Args) { return longValue(static_cast<SubMatches&>(o).count()); } },
        });
    return info;
}

SubMatches::SubMatches(std::vector<Variant> groups)
    : HostObject(classInfo())
    , m_groups(std::move(groups))
{
}

Result<Variant> SubMatches::item(int32_t index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_groups.size())
        return fail(ErrorCode::InvalidProcedureCall);
    return m_groups[static_cast<size_t>(index)];
}

Result<Ref<Enumerator>> SubMatches::enumerate()
{
    return Ref<Enumerator>(new SnapshotEnumerator(m_groups));
}

// --- Match

const ClassInfo& Match::classInfo()
{
    // Value: String (the default member). FirstIndex, Length: Long.
    // SubMatches: the ISubMatches object, the same one on every read.
    static const ClassInfo info(u"IMatch2",
        {
            { u"Value", IdValue, MemberKind::PropertyGet, {},
                [](Object& o, Args) {
                    return Result<Variant>(Variant::fromString(static_cast<Match&>(o).value()));
                } },
            { u"FirstIndex", IdFirstIndex, MemberKind::PropertyGet, {},
                [](Object& o, Args) {
                    return Result<Variant>(Variant::fromLong(static_cast<Match&>(o).firstIndex()));
                } },
            { u"Length", IdLength, MemberKind::PropertyGet, {},
                [](Object& o, Args) {
                    return Result<Variant>(Variant::fromLong(static_cast<Match&>(o).length()));
                } },
            { u"SubMatches", IdSubMatches, MemberKind::PropertyGet, {},
                [](Object& o, Args) {
                    Ref<SubMatches> sub = static_cast<Match&>(o).subMatches();
                    return Result<Variant>(Variant::fromObject(sub.get()));
                } },
        });
    return info;
}

Match::Match(Str value, int32_t firstIndex, std::vector<Variant> groups)
    : HostObject(classInfo())
    , m_value(std::move(value))
    , m_firstIndex(firstIndex)
    , m_groups(std::move(groups))
{
}

Ref<SubMatches> Match::subMatches()
{
    if (!m_subMatches)
        m_subMatches = makeRef<SubMatches>(std::move(m_groups));
    return m_subMatches;
}

// --- MatchCollection

const ClassInfo& MatchCollection::classInfo()
{
    // Item(Index): the Match. Index is converted to Long (Null 94, text
    // 13); outside 0..Count-1 is 5. Count: Long.
    static const ClassInfo info(u"IMatchCollection2",
        {
            { u"Item", IdItem, MemberKind::PropertyGet, { IndexParam },
                [](Object& o, Args a) { return static_cast<MatchCollection&>(o).item(a[0].asLong()); } },
            { u"Count", IdCount, MemberKind::PropertyGet, {},
                [](Object& o, Args) { return longValue(static_cast<MatchCollection&>(o).count()); } },
        });
    return info;
}

MatchCollection::MatchCollection(std::vector<Ref<Match>> matches)
    : HostObject(classInfo())
    , m_matches(std::move(matches))
{
}

Result<Variant> MatchCollection::item(int32_t index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_matches.size())
        return fail(ErrorCode::InvalidProcedureCall);
    return Variant::fromObject(m_matches[static_cast<size_t>(index)].get());
}

Result<Ref<Enumerator>> MatchCollection::enumerate()
{
    std::vector<Variant> elements;
    elements.reserve(m_matches.size());
    for (const Ref<Match>& m : m_matches)
        elements.push_back(Variant::fromObject(m.get()));
    return Ref<Enumerator>(new SnapshotEnumerator(std::move(elements)));
}

} // namespace vbs
