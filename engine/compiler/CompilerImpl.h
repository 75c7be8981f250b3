// Internal to the compiler: the state shared by its statement and
// expression halves.
#pragma once

#include "compiler/Compiler.h"
#include "library/Builtins.h"

#include <optional>
#include <unordered_set>

namespace vbs {

// What a name means at the point of use.
struct Resolved {
    enum class Kind : uint8_t {
        Local, Outer, Field, Global, Constant, Builtin, MeMember, Intrinsic, Err,
    } kind = Kind::Global;
    int32_t index = 0; // slot, field, name site, builtin, class member, Intrinsic
    Variant constant; // Constant
    bool knownProcedure = false; // Global naming a procedure
    bool knownVariable = false; // Global naming a variable
    bool isVariable() const
    {
        return kind == Kind::Local || kind == Kind::Outer || kind == Kind::Field
            || (kind == Kind::Global && knownVariable);
    }
};

struct Loop {
    ast::ExitKind kind;
    std::vector<size_t> exits; // jumps to patch to the loop's end
    size_t held = 0; // heldSlots at the loop's start
};

// One body being compiled: a procedure or the top level.
struct Context {
    Code* code = nullptr;
    const Proc* proc = nullptr;
    ClassDef* cls = nullptr;
    bool topLevel = true;
    std::unordered_map<std::u16string, int32_t> locals;
    std::unordered_map<std::u16string, Variant> consts;
    std::unordered_set<std::u16string> assigned; // names assigned anywhere in the body
    std::vector<const ast::ConstStmt*> constStmts; // every Const in the body, nested ones too
    std::vector<std::u16string> assignedNames; // the same, as first spelled, in order
    std::unordered_set<std::u16string> redimmed; // names of ReDim statements: declared, Option Explicit or not
    std::unordered_set<std::u16string> constNames; // Const statements anywhere in the body
    std::unordered_map<std::u16string, int32_t> sites; // folded name -> name site
    std::vector<int32_t> withSlots;
    // Hidden slots holding a value while their statement runs (With object,
    // Select subject, For Each source): an Exit out of them clears them, so
    // an object is released when the script drops it, not at the body's end.
    std::vector<int32_t> heldSlots;
    std::vector<Loop> loops;
    std::vector<size_t> exitProcJumps;
    int32_t depth = 0;
    size_t stmtStart = 0;
    ast::SourcePos pos;
};

class Compiler {
public:
    Compiler(const GlobalTable& globals, const OuterScope* outer, bool optionExplicit)
        : m_globals(globals)
        , m_outer(outer)
        , m_explicit(optionExplicit)
    {
    }
    Result<CompiledUnit> program(const ast::Program& program);
    Result<CompiledUnit> expression(const ast::Expr& expr, std::shared_ptr<const SourceText> source);

private:
    // declarations (Compiler.cpp)
    Status declareUnit(const ast::Program& program);
    Status declareClass(const ast::ClassDecl& decl);
    Status compileProc(Proc& proc, const ast::Procedure& decl, ClassDef* cls);
    static void noteAssigned(Context& ctx, const std::u16string& name);
    void collectNames(const ast::Block& block, Context& ctx, std::vector<std::u16string>* dims);
    Result<Variant> constantValue(const ast::Expr& e);
    bool implicitlyDeclared(const Context& ctx, const std::u16string& folded) const;
    const Proc* resultOwner(const Resolved& r) const;
    std::optional<Resolved> resolveInUnit(const std::u16string& folded, std::u16string_view name, Context& ctx);
    Resolved resolve(std::u16string_view name, bool forCall = false);
    int32_t nameSite(std::u16string_view name);
    int32_t memberSite(std::u16string_view name, const ast::Expr* object = nullptr);
    int32_t constant(Variant v);
    int32_t hiddenSlot();
    void bindVariables(Context& ctx);
    static constexpr int32_t MaxBoundVariables = 0x4000;
    static constexpr size_t MaxOperandCount = 0x3FFF;
    static constexpr int32_t MaxSlots = 0xFFF0;
    Status checkLimits(size_t count);
    void lookUpNamesAtRunTime(Code& code);
    ScriptError errorAt(ErrorCode code, ast::SourcePos pos, std::u16string_view name = {});

    // statements (CompileStmt.cpp)
    Status block(const ast::Block& body);
    Status statement(const ast::Stmt& s);
    Status assign(const ast::AssignStmt& s);
    const ast::Expr* concatChain(std::u16string_view target, const ast::Expr& value,
                                 std::vector<const ast::Expr*>& pieces);
    bool appendChain(std::u16string_view target, const ast::Expr& value, std::vector<const ast::Expr*>& pieces);
    bool plainPiece(std::u16string_view target, const ast::Expr& e);
    Status callStatement(const ast::Expr& target, const std::vector<ast::ExprPtr>& args, bool explicitCall);
    Status dim(const ast::DimStmt& s);
    Status redim(const ast::ReDimStmt& s);
    Status ifStatement(const ast::IfStmt& s);
    Status selectStatement(const ast::SelectStmt& s);
    Status forStatement(const ast::ForStmt& s);
    Status forEachStatement(const ast::ForEachStmt& s);
    Status doStatement(const ast::DoStmt& s);
    Status repeatTest(const ast::Expr& condition, bool whenTrue, size_t body);
    Status whileStatement(const ast::WhileStmt& s);
    Status exitStatement(const ast::ExitStmt& s);
    Status withStatement(const ast::WithStmt& s);
    Status storeName(std::u16string_view name, StoreMode mode);

    // expressions (CompileExpr.cpp)
    Status expr(const ast::Expr& e);
    // listed: written with an argument list (even `()`) or with Call, which
    // inside a function makes its own name a recursive call.
    Status call(const ast::Expr& callee, const std::vector<ast::ExprPtr>& args, bool wantResult, bool listed = false);
    Status argument(const ast::Expr* e);
    Status elementReference(const ast::CallExpr& c);
    Status arguments(const std::vector<ast::ExprPtr>& args, bool byRef);
    Status object(const ast::MemberExpr& m);
    // An operator into dst (a variable operand), or pushed when dst is NoDest.
    Status binary(const ast::BinaryExpr& b, int32_t dst = NoDest);
    static constexpr int32_t NoDest = INT32_MIN;
    // e as an R operand: a constant, or (when `direct`, nothing evaluated
    // after it can change it) a local or script-level variable read in
    // place; anything else is pushed and its temporary named.
    Result<int32_t> operand(const ast::Expr& e, bool direct);
    // The R operand for a variable that can be written in place, or NoDest;
    // variables of Me only where `fields` (operators and Move).
    int32_t variableOperand(std::u16string_view name, bool fields = false);
    bool runsNoCode(const ast::Expr& e);
    // A conditional jump on e's truth (taken when it is `when`); returns the
    // instruction to patch.
    Result<size_t> jumpOn(const ast::Expr& e, bool when);
    int32_t temp(int32_t depth) const { return TempOperands + depth; }
    static constexpr int32_t TempOperands = 1 << 30; // made slots by finishCode
    Status finishCode(Code& code);
    static uint8_t literals(const ast::Expr& left, const ast::Expr& right);
    void emitVar(Op op, const Resolved& r, StoreMode mode = StoreMode::Let, int32_t b = 0);

    // emission
    size_t emit(Op op, int32_t a = 0, int32_t b = 0, uint8_t x = 0);
    // A register instruction, after which `depth` temporaries are live.
    size_t emitReg(Op op, int32_t a, int32_t b, int32_t c, uint8_t x, int32_t depth);
    void patch(size_t at, size_t target) { m_ctx->code->instrs[at].a = static_cast<int32_t>(target); }
    size_t here() const { return m_ctx->code->instrs.size(); }
    void beginStatement(ast::SourcePos pos);
    void endStatement(size_t resumeAt);

    const GlobalTable& m_globals;
    const OuterScope* m_outer;
    bool m_explicit;
    CompiledUnit m_unit;
    std::shared_ptr<const SourceText> m_source;
    // script-level names of this text, folded
    std::unordered_map<std::u16string, Proc*> m_procs;
    std::unordered_map<std::u16string, ClassDef*> m_classes;
    std::unordered_map<std::u16string, Variant> m_consts;
    std::unordered_set<std::u16string> m_variables;
    Context* m_ctx = nullptr;
    bool m_tooDeep = false; // temporaries beyond an instruction's depth field
};

int stackEffect(const Instr& in);

} // namespace vbs
