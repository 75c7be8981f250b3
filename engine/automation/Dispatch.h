// Type information and host objects. A host class declares its members once,
// in a member table (name, dispatch id, kind, typed parameters with defaults),
// and implements only its methods; HostObject looks members up by name and
// converts every script argument to the declared type in one place, by the
// language's rules (a non-whole number rounds half to even, out of range is
// 6 Overflow, not a number is 13 Type mismatch, omitted optionals take their
// defaults, a wrong count is 450).
#pragma once

#include "runtime/Variant.h"

#include <array>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs {

enum class ParamType : uint8_t {
    Variant, // passed as given (ByRef links kept)
    String,
    Int16,
    Int32,
    Single,
    Double,
    Boolean,
    Object,
};

// Default of an optional parameter.
struct DefaultValue {
    enum class Kind : uint8_t { Missing, Number, Text, Boolean } kind = Kind::Missing;
    double number = 0;
    std::u16string_view text {};
    static DefaultValue num(double n) { return { Kind::Number, n, {} }; }
    static DefaultValue str(std::u16string_view s) { return { Kind::Text, 0, s }; }
    static DefaultValue boolean(bool b) { return { Kind::Boolean, b ? -1.0 : 0.0, {} }; }
};

struct ParamInfo {
    std::u16string_view name;
    ParamType type = ParamType::Variant;
    bool optional = false;
    DefaultValue defaultValue {};
};

enum class MemberKind : uint8_t { Method, PropertyGet, PropertyLet, PropertySet };

// A member's implementation: receives its arguments already converted to the
// declared types (for Let/Set the value is the last one). Returns the result
// (Empty for methods without one).
using MemberCall = std::function<Result<Variant>(Object& self, Args args)>;

struct MemberInfo {
    std::u16string_view name;
    DispId id;
    MemberKind kind;
    std::vector<ParamInfo> params;
    MemberCall call;
    // Set by ClassInfo: every parameter is a Variant, so the script's
    // arguments can be handed over as they are.
    bool passThrough = false;
};

class ClassInfo {
public:
    ClassInfo(std::u16string_view className, std::vector<MemberInfo> members);
    std::u16string_view name() const { return m_name; }
    DispId idOf(std::u16string_view memberName) const; // case-insensitive
    const MemberInfo* find(DispId id, MemberKind kind) const;
    Str nameOf(DispId id) const;
    const std::vector<MemberInfo>& members() const { return m_members; }
    // The member that answers (id, kind), or nullptr when the invocation
    // fails or the id is outside the table (resolve it the long way then).
    const MemberInfo* resolved(DispId id, InvokeKind kind) const
    {
        const size_t row = static_cast<size_t>(id);
        if (row >= m_dispatch.size())
            return nullptr;
        const int16_t member = m_dispatch[row][kindColumn(kind)];
        return member < 0 ? nullptr : &m_members[static_cast<size_t>(member)];
    }
    static constexpr size_t kindColumn(InvokeKind kind)
    {
        switch (kind) {
        case InvokeKind::PropertyGet: return 0;
        case InvokeKind::Method:
        case InvokeKind::MethodOrGet: return 1;
        case InvokeKind::PropertyPutRef: return 2;
        case InvokeKind::PropertyPut: break;
        }
        return 3;
    }

private:
    void buildDispatchTable(DispId maxId);

    std::u16string m_name;
    std::vector<MemberInfo> m_members;
    std::unordered_map<std::u16string, DispId> m_ids; // folded name -> id
    // Per id from 0 up, the position in m_members each invoke kind resolves
    // to, -1 for none (positions, not pointers: a copied ClassInfo stays valid).
    std::vector<std::array<int16_t, 4>> m_dispatch;
};

// An object whose members come from a ClassInfo.
class HostObject : public Object {
public:
    explicit HostObject(const ClassInfo& info)
        : Object(ObjectKind::Host)
        , m_info(info)
    {
    }
    Str typeName() const override;
    DispId memberId(std::u16string_view name) override;
    Result<Variant> invoke(DispId id, InvokeKind kind, Args args) override;
    Str memberName(DispId id) const override;
    const ClassInfo& classInfo() const { return m_info; }

private:
    const ClassInfo& m_info;
};

// Converts one script value to a declared parameter type (the rules above).
Result<Variant> convertArgument(const Variant& value, ParamType type);

// Reads an object's default member (DispIdValue, property get, no arguments).
// Error 438 "Object doesn't support this property or method" when it has none,
// 91 for Nothing.
Result<Variant> readDefaultMember(Object* object);

} // namespace vbs
