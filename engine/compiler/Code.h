// Compact code: what the compiler produces and the interpreter runs. Names
// are resolved to local slots, Me's fields and global name sites; a name
// site not known at compile time is resolved at its first use and cached.
#pragma once

#include "automation/Object.h"
#include "runtime/Variant.h"
#include "syntax/Ast.h"

#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs {

enum class Op : uint8_t {
#define OP(name, operands, effect) name,
#include "compiler/Opcodes.def"
#undef OP
};
const char* opName(Op op);
// Operators, Move and ForLoop: their operands are R operands.
bool isRegisterOp(Op op);

struct Instr {
    Op op;
    uint8_t x = 0;
    uint16_t depth = 0; // register operators: temporaries live after it
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    // The dispatch loop's handler of op, written when the code first runs.
    mutable const void* handler = nullptr;
};

// Register operands of the operator, Move and ForLoop instructions: a frame
// slot (locals, parameters, hidden slots, then the temporaries), a constant,
// a script-level variable through its name site, or (operators and Move) a
// variable of Me.
constexpr int32_t GlobalOperands = -(1 << 29);
constexpr int32_t FieldOperands = -(3 << 28);
inline int32_t constOperand(int32_t k) { return ~k; }
inline int32_t globalOperand(int32_t site) { return GlobalOperands - site; }
inline int32_t fieldOperand(int32_t field) { return FieldOperands - field; }
inline bool isConstOperand(int32_t o) { return o < 0 && o > GlobalOperands; }
inline bool isGlobalOperand(int32_t o) { return o <= GlobalOperands && o > FieldOperands; }
inline bool isFieldOperand(int32_t o) { return o <= FieldOperands; }
inline int32_t operandSite(int32_t o) { return GlobalOperands - o; }
inline int32_t operandField(int32_t o) { return FieldOperands - o; }
// x bits of the register operators: bits 0-1 are a comparison's Literals.
// Branch: a comparison (or Is) jumps to a when its truth is BranchIfTrue's,
// and stores nothing. ReleaseB/C: that operand is a temporary consumed here.
constexpr uint8_t Branch = 0x04;
constexpr uint8_t BranchIfTrue = 0x08;
constexpr uint8_t ReleaseB = 0x10;
constexpr uint8_t ReleaseC = 0x20;
// x bit of Jump, JumpIfFalse, JumpIfTrue and a Branch comparison: the target
// is not after the instruction (a loop's back-edge, where the run is polled).
constexpr uint8_t BackEdge = 0x40;
// A comparison or Is that jumps instead of storing a Boolean.
inline bool isBranchComparison(const Instr& in)
{
    return in.op >= Op::Eq && in.op <= Op::Is && (in.x & Branch);
}

// The immediate forms (AddI..ModI, EqI..GeI): c is an Integer value, or a
// Long one with x & ImmediateLong, not an operand.
constexpr uint8_t ImmediateLong = 0x80;
inline bool hasImmediate(Op op)
{
    return (op >= Op::AddI && op <= Op::ModI) || (op >= Op::EqI && op <= Op::GeI);
}

enum class VarKind : uint8_t { Local = 0, Global = 1, Field = 2, Outer = 3 };
enum class StoreMode : uint8_t { Let = 0, Set = 1, Raw = 2 };
enum class Intrinsic : uint8_t { Eval, Execute, ExecuteGlobal, GetRef };

inline uint8_t varOperand(VarKind k, StoreMode m = StoreMode::Let)
{
    return static_cast<uint8_t>(static_cast<uint8_t>(k) | (static_cast<uint8_t>(m) << 2));
}
// LoadIndexed: a call statement, so a Sub may be called.
constexpr uint8_t StatementCall = 0x10;
// x bit of CallMember: written `o.m()`, with an empty argument list.
constexpr uint8_t EmptyListCall = 0x02;
// x bit of DimArray and ReDim (a Dim): the name is a variable of an earlier
// text, which may not be an array already (13).
constexpr uint8_t Redeclared = 0x20;
// x bit of New: the class name is no declared name (500 under Option Explicit).
constexpr uint8_t NewUndeclared = 0x01;
inline VarKind varKindOf(uint8_t x) { return static_cast<VarKind>(x & 3); }
inline StoreMode storeModeOf(uint8_t x) { return static_cast<StoreMode>(x >> 2); }

// Where each instruction came from, and where On Error Resume Next goes on.
struct InstrInfo {
    int32_t line = 0;
    int32_t column = 0;
    int32_t resumePc = 0;
};

struct Proc;
struct ClassDef;

// One global name: a variable, constant, procedure, class or host object.
// Entries live in a deque and are never removed, so sites keep pointers.
struct GlobalEntry {
    enum class Kind : uint8_t { Variable, Constant, Procedure, Class, HostObject, HostMember };
    Kind kind = Kind::Variable;
    Str name; // spelling for messages
    Variant value; // Variable, Constant, HostObject
    Proc* proc = nullptr;
    ClassDef* cls = nullptr;
    Ref<Object> object; // HostMember: the object added with its members
    DispId member = DispIdUnknown;
};

// The engine's global names. The compiler reads it; the engine adds to it.
class GlobalTable {
public:
    GlobalEntry* find(std::u16string_view name) const // case-insensitive
    {
        auto it = m_byName.find(foldName(name));
        return it == m_byName.end() ? nullptr : it->second;
    }
    GlobalEntry& add(std::u16string_view name, GlobalEntry::Kind kind)
    {
        GlobalEntry& e = m_entries.emplace_back();
        e.kind = kind;
        e.name = Str(name);
        m_byName[foldName(name)] = &e;
        return e;
    }
    std::deque<GlobalEntry>& entries() { return m_entries; }

    // Objects added with their members as global names; their members are
    // looked up on first use.
    std::vector<Ref<Object>>& memberObjects() { return m_memberObjects; }
    bool isHostMember(std::u16string_view name) const
    {
        for (const auto& obj : m_memberObjects) {
            if (obj->memberId(name) != DispIdUnknown)
                return true;
        }
        return false;
    }

private:
    std::vector<Ref<Object>> m_memberObjects;
    std::deque<GlobalEntry> m_entries;
    std::unordered_map<std::u16string, GlobalEntry*> m_byName;
};

struct NameSite {
    Str name;
    GlobalEntry* entry = nullptr; // null until resolved
    // In a procedure that runs Execute (and in the code Execute runs there):
    // the procedure's Execute-declared variables come first, so the site
    // is looked up on every use instead of cached.
    bool frameFirst = false;
};

struct MemberSite {
    Str name;
    Str objectName; // the object's variable name, for "Object required: 'x'"
    const void* typeKey = nullptr; // the ClassInfo / ClassDef the id was found for
    DispId id = DispIdUnknown;
    int32_t field = -1; // with a ClassDef key: the public field the member is, else -1
};

// The lines of one added text, shared by all code compiled from it.
struct SourceText {
    std::vector<std::u16string> lines;
};

struct Code {
    std::vector<Instr> instrs;
    std::vector<InstrInfo> info;
    std::vector<Variant> consts;
    std::vector<NameSite> names;
    std::vector<MemberSite> members;
    std::vector<Str> slotNames; // spelling of named locals, for messages
    int32_t slotCount = 0; // locals, parameters first, then hidden slots
    int32_t maxStack = 0;
    int32_t resultSlot = -1; // Eval: the slot holding the value
    bool optionExplicit = false;
    mutable bool threaded = false; // every instruction's handler is written
    std::shared_ptr<const SourceText> source;
};

struct Proc {
    Str name;
    ast::ProcKind kind = ast::ProcKind::Sub;
    bool isPublic = true;
    int32_t paramCount = 0;
    std::vector<bool> byVal;
    bool anyByVal = false;
    int32_t resultSlot = -1; // Function and Property Get
    ClassDef* cls = nullptr;
    std::vector<std::u16string> localNames; // folded, by slot (Execute in scope)
    Code code;
    bool returnsValue() const
    {
        return kind == ast::ProcKind::Function || kind == ast::ProcKind::PropertyGet;
    }
};

struct ClassMember {
    Str name;
    bool isPublic = true;
    int32_t field = -1; // a variable of the instance
    Proc* method = nullptr; // Sub or Function
    Proc* get = nullptr;
    Proc* let = nullptr;
    Proc* set = nullptr;
};

struct FieldDecl {
    bool isArray = false;
    std::vector<int32_t> bounds; // empty with isArray: dynamic
};

struct ClassDef {
    Str name;
    std::vector<ClassMember> members; // member i has DispId i + 1
    std::unordered_map<std::u16string, int32_t> index; // folded name -> member
    int32_t defaultMember = -1;
    std::vector<FieldDecl> fields;
    std::unordered_map<std::u16string, Variant> consts; // folded name -> value, seen by the class's code
    Proc* initialize = nullptr;
    Proc* terminate = nullptr;
    int32_t find(std::u16string_view name) const;
};

// Everything one text defines, handed to the engine once it compiled whole.
struct CompiledUnit {
    std::vector<Str> variables; // script-level Dim and implicit variables
    std::vector<std::pair<Str, Variant>> constants;
    std::vector<Str> frameVariables; // Dim in Execute text run by a procedure
    std::vector<std::unique_ptr<Proc>> procs;
    std::vector<std::unique_ptr<ClassDef>> classes;
    std::unique_ptr<Code> topLevel;
};

} // namespace vbs
