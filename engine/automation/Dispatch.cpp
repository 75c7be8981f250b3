// Member tables, argument conversion and invocation of host objects.
#include "automation/Dispatch.h"

#include "runtime/Convert.h"

#include <algorithm>
#include <cmath>

namespace vbs {

namespace {

bool isGetLike(InvokeKind kind)
{
    return kind == InvokeKind::Method || kind == InvokeKind::PropertyGet || kind == InvokeKind::MethodOrGet;
}

bool isPut(InvokeKind kind) { return kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef; }

// A whole default reads as the smallest integer subtype that holds it, as the
// same literal in a script would.
Variant numberDefault(double n)
{
    if (n == std::floor(n) && n >= -32768 && n <= 32767)
        return Variant::fromInteger(static_cast<int16_t>(n));
    if (n == std::floor(n) && n >= -2147483648.0 && n <= 2147483647.0)
        return Variant::fromLong(static_cast<int32_t>(n));
    return Variant::fromDouble(n);
}

Result<Variant> defaultArgument(const ParamInfo& param)
{
    const DefaultValue& d = param.defaultValue;
    switch (d.kind) {
    case DefaultValue::Kind::Number: return convertArgument(numberDefault(d.number), param.type);
    case DefaultValue::Kind::Text: return convertArgument(Variant::fromString(d.text), param.type);
    case DefaultValue::Kind::Boolean: return convertArgument(Variant::fromBool(d.number != 0), param.type);
    case DefaultValue::Kind::Missing: break;
    }
    return Variant::missing();
}

// Converted arguments: in place for the usual few, on the heap beyond. They
// are released first to last, as a vector would.
class ArgList {
public:
    explicit ArgList(size_t capacity)
    {
        if (capacity > Inline) {
            m_heap.resize(capacity);
            m_data = m_heap.data();
        }
    }
    ArgList(const ArgList&) = delete;
    ArgList& operator=(const ArgList&) = delete;
    ~ArgList()
    {
        for (size_t i = 0; i < m_size; ++i)
            m_data[i].clear();
    }
    void push(Variant v) noexcept { m_data[m_size++] = std::move(v); }
    Args args() noexcept { return Args(m_data, m_size); }

private:
    static constexpr size_t Inline = 6;
    Variant m_inline[Inline];
    std::vector<Variant> m_heap;
    Variant* m_data = m_inline;
    size_t m_size = 0;
};

// Converts args against params one by one. An argument that is absent or an
// omitted marker takes the parameter's default; a required one is 450.
Status bindArguments(std::span<const ParamInfo> params, Args args, ArgList& out, std::u16string_view memberName)
{
    if (args.size() > params.size())
        return fail(ErrorCode::WrongArgumentCount, memberName);
    for (size_t i = 0; i < params.size(); ++i) {
        const bool omitted = i >= args.size() || args[i].deref().isMissing();
        if (omitted && !params[i].optional)
            return fail(ErrorCode::WrongArgumentCount, memberName);
        if (omitted) {
            TRY_ASSIGN(value, defaultArgument(params[i]));
            out.push(std::move(value));
        } else {
            TRY_ASSIGN(value, convertArgument(args[i], params[i].type));
            out.push(std::move(value));
        }
    }
    return {};
}

bool anyMissing(Args args)
{
    for (const Variant& a : args) {
        if (a.deref().isMissing())
            return true;
    }
    return false;
}

// Whether the script's arguments are exactly what binding would produce:
// Variant parameters, none omitted, and for an assignment a value that is
// not a link to the caller's variable (a property stores a value).
bool passesThrough(const MemberInfo& member, InvokeKind kind, Args args)
{
    if (!member.passThrough || args.size() != member.params.size())
        return false;
    if (isPut(kind))
        return !args.empty() && !args.back().isRef() && !anyMissing(args.first(args.size() - 1));
    return !anyMissing(args);
}

// `obj.Items(2)` where Items is a property without parameters: the
// arguments index the value it returned.
Result<Variant> applyArguments(const Variant& value, InvokeKind kind, Args args, std::u16string_view memberName)
{
    const Variant& v = value.deref();
    if (v.isObject()) {
        if (!v.asObject())
            return fail(ErrorCode::ObjectVariableNotSet);
        return v.asObject()->invoke(DispIdValue, kind, args);
    }
    if (!v.isArray())
        return fail(ErrorCode::WrongArgumentCount, memberName);
    std::vector<int32_t> indexes;
    indexes.reserve(args.size());
    for (const Variant& a : args) {
        TRY_ASSIGN(i, toLong(a));
        indexes.push_back(i);
    }
    TRY_ASSIGN(element, v.asArray()->at(indexes));
    return Variant(*element);
}

} // namespace

// Which member answers an invocation: a read or call takes a method or a
// property get; `Set x.p = v` takes Property Set, else Let; a plain
// assignment takes Property Let only (nullptr here), and refuses a Set-only
// property (an object may not be assigned without Set).
static const MemberInfo* pickMember(const ClassInfo& info, DispId id, InvokeKind kind)
{
    const auto first = [&](MemberKind a, MemberKind b) {
        const MemberInfo* found = info.find(id, a);
        return found ? found : info.find(id, b);
    };
    switch (kind) {
    case InvokeKind::PropertyGet: return first(MemberKind::PropertyGet, MemberKind::Method);
    case InvokeKind::Method:
    case InvokeKind::MethodOrGet: return first(MemberKind::Method, MemberKind::PropertyGet);
    case InvokeKind::PropertyPutRef: return first(MemberKind::PropertySet, MemberKind::PropertyLet);
    case InvokeKind::PropertyPut: return info.find(id, MemberKind::PropertyLet);
    }
    return nullptr;
}

static Result<const MemberInfo*> resolveMember(const ClassInfo& info, DispId id, InvokeKind kind)
{
    const MemberInfo* m = pickMember(info, id, kind);
    if (!m && kind == InvokeKind::PropertyPut && info.find(id, MemberKind::PropertySet))
        return fail(ErrorCode::WrongArgumentCount, info.nameOf(id).view());
    if (!m || !m->call)
        return fail(ErrorCode::ObjectDoesntSupportMember, info.nameOf(id).view());
    return m;
}

ClassInfo::ClassInfo(std::u16string_view className, std::vector<MemberInfo> members)
    : m_name(className)
    , m_members(std::move(members))
{
    // Members sharing a name (a property's Get and Let) share its id; the
    // first entry wins if a table disagrees with itself.
    DispId maxId = -1;
    for (MemberInfo& m : m_members) {
        m_ids.emplace(foldName(m.name), m.id);
        m.passThrough = true;
        for (const ParamInfo& p : m.params)
            m.passThrough = m.passThrough && p.type == ParamType::Variant;
        maxId = std::max(maxId, m.id);
    }
    buildDispatchTable(maxId);
}

DispId ClassInfo::idOf(std::u16string_view memberName) const
{
    const auto it = m_ids.find(foldName(memberName));
    return it == m_ids.end() ? DispIdUnknown : it->second;
}

const MemberInfo* ClassInfo::find(DispId id, MemberKind kind) const
{
    for (const MemberInfo& m : m_members) {
        if (m.id == id && m.kind == kind)
            return &m;
    }
    return nullptr;
}

Str ClassInfo::nameOf(DispId id) const
{
    for (const MemberInfo& m : m_members) {
        if (m.id == id)
            return Str(m.name);
    }
    return {};
}

// Resolves every (id, kind) of ids 0 up to a small bound once, so that an
// invocation finds its member by indexing; the same choice as pickMember,
// made in one pass over the members. Invocations that fail are left out:
// the long path produces their errors.
void ClassInfo::buildDispatchTable(DispId maxId)
{
    constexpr DispId tableLimit = 1024;
    if (maxId < 0 || maxId >= tableLimit || m_members.size() > 0x7FFF)
        return;
    // The first member of each MemberKind per id.
    std::vector<std::array<int16_t, 4>> first(static_cast<size_t>(maxId) + 1, { -1, -1, -1, -1 });
    for (size_t i = 0; i < m_members.size(); ++i) {
        const MemberInfo& m = m_members[i];
        if (m.id < 0)
            continue;
        int16_t& slot = first[static_cast<size_t>(m.id)][static_cast<size_t>(m.kind)];
        if (slot < 0)
            slot = static_cast<int16_t>(i);
    }
    const auto either = [](int16_t a, int16_t b) { return a >= 0 ? a : b; };
    const auto callable = [this](int16_t m) { return m >= 0 && m_members[static_cast<size_t>(m)].call ? m : -1; };
    m_dispatch.resize(first.size());
    for (size_t id = 0; id < first.size(); ++id) {
        const auto& f = first[id];
        const auto get = f[static_cast<size_t>(MemberKind::PropertyGet)];
        const auto method = f[static_cast<size_t>(MemberKind::Method)];
        const auto let = f[static_cast<size_t>(MemberKind::PropertyLet)];
        const auto set = f[static_cast<size_t>(MemberKind::PropertySet)];
        auto& row = m_dispatch[id];
        row[kindColumn(InvokeKind::PropertyGet)] = callable(either(get, method));
        row[kindColumn(InvokeKind::Method)] = callable(either(method, get));
        row[kindColumn(InvokeKind::PropertyPutRef)] = callable(either(set, let));
        row[kindColumn(InvokeKind::PropertyPut)] = callable(let);
    }
}

Str HostObject::typeName() const { return Str(m_info.name()); }

DispId HostObject::memberId(std::u16string_view name) { return m_info.idOf(name); }

Str HostObject::memberName(DispId id) const { return m_info.nameOf(id); }

// The general invocation: arguments converted to the declared types,
// defaults filled in. Kept out of invoke() so that the pass-through path
// stays a small function.
[[gnu::noinline]] static Result<Variant> invokeConverted(HostObject& self, const MemberInfo& member, InvokeKind kind,
                                                          Args args)
{
    const std::span<const ParamInfo> params(member.params);
    if (isGetLike(kind) && member.kind == MemberKind::PropertyGet && params.empty() && !args.empty()) {
        TRY_ASSIGN(value, member.call(self, Args()));
        return applyArguments(value, kind, args, member.name);
    }
    ArgList converted(params.size());
    if (isPut(kind) && !params.empty()) {
        // The assigned value is always last, whatever was omitted before it.
        if (args.empty())
            return fail(ErrorCode::WrongArgumentCount, member.name);
        TRY_STATUS(bindArguments(params.first(params.size() - 1), args.first(args.size() - 1), converted,
                                 member.name));
        // A property stores a value, never a link to the caller's variable.
        TRY_ASSIGN(value, convertArgument(args.back().deref(), params.back().type));
        converted.push(std::move(value));
    } else {
        TRY_STATUS(bindArguments(params, args, converted, member.name));
    }
    return member.call(self, converted.args());
}

Result<Variant> HostObject::invoke(DispId id, InvokeKind kind, Args args)
{
    const MemberInfo* member = m_info.resolved(id, kind);
    if (!member) {
        TRY_ASSIGN(m, resolveMember(m_info, id, kind));
        member = m;
    }
    // (A property read with arguments never passes through: it has no
    // parameters for them.)
    if (passesThrough(*member, kind, args))
        return member->call(*this, args);
    return invokeConverted(*this, *member, kind, args);
}

static bool alreadyConverted(const Variant& v, ParamType type)
{
    switch (type) {
    case ParamType::String: return v.type() == VarType::String;
    case ParamType::Int16: return v.type() == VarType::Integer;
    case ParamType::Int32: return v.type() == VarType::Long;
    case ParamType::Double: return v.type() == VarType::Double;
    default: return false;
    }
}

Result<Variant> convertArgument(const Variant& value, ParamType type)
{
    if (alreadyConverted(value.deref(), type))
        return value.deref();
    switch (type) {
    case ParamType::Variant: return value;
    case ParamType::String: {
        TRY_ASSIGN(s, toString(value));
        return Variant::fromString(std::move(s));
    }
    case ParamType::Int16: {
        TRY_ASSIGN(i, toInteger(value));
        return Variant::fromInteger(i);
    }
    case ParamType::Int32: {
        TRY_ASSIGN(i, toLong(value));
        return Variant::fromLong(i);
    }
    case ParamType::Single: {
        TRY_ASSIGN(f, toSingle(value));
        return Variant::fromSingle(f);
    }
    case ParamType::Double: {
        TRY_ASSIGN(d, toDouble(value));
        return Variant::fromDouble(d);
    }
    case ParamType::Boolean: {
        TRY_ASSIGN(b, toBool(value));
        return Variant::fromBool(b);
    }
    case ParamType::Object:
        if (value.deref().isObject())
            return value.deref();
        return fail(ErrorCode::TypeMismatch);
    }
    return fail(ErrorCode::TypeMismatch);
}

Result<Variant> readDefaultMember(Object* object)
{
    if (!object)
        return fail(ErrorCode::ObjectVariableNotSet);
    return object->invoke(DispIdValue, InvokeKind::MethodOrGet, Args());
}

} // namespace vbs
