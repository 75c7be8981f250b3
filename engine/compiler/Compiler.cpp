// Declarations, name resolution and emission: the compiler's frame. The
// statement and expression halves live in CompileStmt.cpp and CompileExpr.cpp.
#include "compiler/CompilerImpl.h"

#include "runtime/Convert.h"
#include "runtime/Operators.h"

#include <algorithm>
#include <cstdio>

namespace vbs {

namespace {

const char* const opNames[] = {
#define OP(name, operands, effect) #name,
#include "compiler/Opcodes.def"
#undef OP
};

bool isIntrinsic(const std::u16string& folded, Intrinsic& out)
{
    static const std::pair<std::u16string_view, Intrinsic> table[] = {
        { u"EVAL", Intrinsic::Eval },
        { u"EXECUTE", Intrinsic::Execute },
        { u"EXECUTEGLOBAL", Intrinsic::ExecuteGlobal },
        { u"GETREF", Intrinsic::GetRef },
    };
    for (const auto& [name, id] : table) {
        if (folded == name) {
            out = id;
            return true;
        }
    }
    return false;
}

bool isLibraryName(const std::u16string& folded)
{
    Intrinsic unused;
    if (folded == u"ERR" || isIntrinsic(folded, unused) || findBuiltin(folded))
        return true;
    for (const BuiltinConstant& c : builtinConstants()) {
        if (equalsIgnoreCase(c.name, folded))
            return true;
    }
    return false;
}

} // namespace

const char* opName(Op op)
{
    return opNames[static_cast<size_t>(op)];
}

int32_t ClassDef::find(std::u16string_view name) const
{
    auto it = index.find(foldName(name));
    return it == index.end() ? -1 : it->second;
}

// Net operand-stack effect of one instruction; the compiler sums it to size
// each frame's stack.
int stackEffect(const Instr& in)
{
    const int b = in.b;
    switch (in.op) {
    case Op::PushConst: case Op::PushMe: case Op::PushErr: case Op::New: case Op::LoadLocal:
    case Op::LoadVar: case Op::RefVar:
        return 1;
    case Op::Pop: case Op::StoreLocal: case Op::StoreVar: case Op::AppendVar: case Op::JumpIfFalse:
    case Op::JumpIfTrue: case Op::ForTest: case Op::ForEachInit:
        return -1;
    case Op::LoadIndexed: case Op::RefIndexed:
        return 1 - b;
    case Op::RefElement: case Op::AddVar:
        return -b;
    case Op::StoreIndexed:
        return -b - 1;
    case Op::DimArray:
        return -b;
    case Op::ReDim:
        return -(b & 0x3FFF);
    case Op::CallProc: case Op::CallMe:
        return (in.x & 1) - b;
    case Op::CallBuiltin: case Op::Intrinsic:
        return 1 - b;
    case Op::CallMember: case Op::CallValue:
        return (in.x & 1) - b - 1;
    case Op::PutMember: case Op::PutValue:
        return -b - 2;
    case Op::PutMe:
        return -b - 1;
    case Op::ForPrepare:
        return -2;
    case Op::ForEachNext:
        return 1;
    default:
        return 0;
    }
}

bool isRegisterOp(Op op)
{
    return (op >= Op::Add && op <= Op::SetElem) || op == Op::ForLoop;
}

namespace {

// r5 a slot, k2 a constant, g1 a script-level variable's name site, f0 a
// variable of Me.
std::string operandText(int32_t o)
{
    char buf[16];
    if (o >= 0)
        std::snprintf(buf, sizeof buf, "r%d", o);
    else if (isConstOperand(o))
        std::snprintf(buf, sizeof buf, "k%d", ~o);
    else if (isFieldOperand(o))
        std::snprintf(buf, sizeof buf, "f%d", operandField(o));
    else
        std::snprintf(buf, sizeof buf, "g%d", operandSite(o));
    return buf;
}

} // namespace

std::string disassemble(const Code& code)
{
    std::string out;
    char buf[96];
    for (size_t pc = 0; pc < code.instrs.size(); ++pc) {
        const Instr& in = code.instrs[pc];
        std::snprintf(buf, sizeof buf, "%4zu %-13s", pc, opName(in.op));
        out += buf;
        if (isRegisterOp(in.op)) {
            const bool branch = isBranchComparison(in);
            if (branch || in.op == Op::ForLoop)
                std::snprintf(buf, sizeof buf, " ->%d", in.a);
            else
                std::snprintf(buf, sizeof buf, " %s", operandText(in.a).c_str());
            out += buf;
            if (in.op != Op::ForLoop) {
                std::snprintf(buf, sizeof buf, " %s", operandText(in.b).c_str());
                out += buf;
            }
            if (hasImmediate(in.op)) {
                std::snprintf(buf, sizeof buf, " #%d%s", in.c, in.x & ImmediateLong ? "&" : "");
                out += buf;
            } else if (in.op != Op::Move) {
                std::snprintf(buf, sizeof buf, " %s", operandText(in.c).c_str());
                out += buf;
            }
            if (in.op == Op::ForLoop) {
                std::snprintf(buf, sizeof buf, " b=%d", in.b);
                out += buf;
            }
        } else {
            std::snprintf(buf, sizeof buf, " a=%d b=%d", in.a, in.b);
            out += buf;
        }
        std::snprintf(buf, sizeof buf, " x=%u\n", unsigned(in.x));
        out += buf;
    }
    return out;
}

// ------------------------------------------------------------------ emission

size_t Compiler::emit(Op op, int32_t a, int32_t b, uint8_t x)
{
    Code& code = *m_ctx->code;
    Instr in { op, x, 0, a, b, 0 };
    code.instrs.push_back(in);
    code.info.push_back({ m_ctx->pos.line, m_ctx->pos.column, 0 });
    m_ctx->depth += stackEffect(in);
    code.maxStack = std::max(code.maxStack, m_ctx->depth + 1);
    return code.instrs.size() - 1;
}

size_t Compiler::emitReg(Op op, int32_t a, int32_t b, int32_t c, uint8_t x, int32_t depth)
{
    Code& code = *m_ctx->code;
    code.maxStack = std::max(code.maxStack, m_ctx->depth + 1);
    m_ctx->depth = depth;
    if (depth > 0xFFFF)
        m_tooDeep = true;
    code.instrs.push_back({ op, x, static_cast<uint16_t>(depth), a, b, c });
    code.info.push_back({ m_ctx->pos.line, m_ctx->pos.column, 0 });
    return code.instrs.size() - 1;
}

namespace {

bool isWholeConstant(const Variant& k)
{
    return k.type() == VarType::Integer || k.type() == VarType::Long;
}

// The immediate form of op with the constant k as c, or op itself.
Op immediateFormOf(Op op, int64_t k)
{
    switch (op) {
    case Op::Add: return Op::AddI;
    case Op::Sub: return Op::SubI;
    case Op::IntDiv: return k > 0 ? Op::IntDivI : op;
    case Op::Mod: return k > 0 ? Op::ModI : op;
    case Op::Eq: return Op::EqI;
    case Op::Ne: return Op::NeI;
    case Op::Lt: return Op::LtI;
    case Op::Gt: return Op::GtI;
    case Op::Le: return Op::LeI;
    case Op::Ge: return Op::GeI;
    default: return op;
    }
}

} // namespace

// Temporaries follow the hidden slots, whose count is known only now; jumps
// are threaded and those back marked now that every target is patched.
Status Compiler::finishCode(Code& code)
{
    const auto fix = [&](int32_t& o) {
        if (o >= TempOperands)
            o = code.slotCount + (o - TempOperands);
    };
    // A jump to a jump goes straight to the last one's target; a jump to a
    // Return returns.
    for (Instr& in : code.instrs) {
        if (in.op != Op::Jump)
            continue;
        for (int hops = 0; hops < 8 && code.instrs[in.a].op == Op::Jump; ++hops)
            in.a = code.instrs[in.a].a;
        if (code.instrs[in.a].op == Op::Return)
            in = code.instrs[in.a];
    }
    for (size_t pc = 0; pc < code.instrs.size(); ++pc) {
        Instr& in = code.instrs[pc];
        // A field read of an object in a local: no jump lands between the two.
        if (in.op == Op::LoadLocal && pc + 1 < code.instrs.size()) {
            const Instr& next = code.instrs[pc + 1];
            if (next.op == Op::CallMember && next.b == 0 && next.x == 1)
                in.op = Op::LoadLocalMember;
        }
        const bool branch = in.op == Op::Jump || in.op == Op::JumpIfFalse || in.op == Op::JumpIfTrue
            || isBranchComparison(in);
        if (branch && size_t(in.a) <= pc)
            in.x |= BackEdge;
        if (!isRegisterOp(in.op))
            continue;
        // The temporaries' top, counted from the frame's first slot.
        if (code.slotCount + in.depth > 0xFFFF)
            return fail(errorAt(ErrorCode::ExpressionTooComplex, m_ctx->pos));
        in.depth = static_cast<uint16_t>(code.slotCount + in.depth);
        if (!isBranchComparison(in) && in.op != Op::ForLoop)
            fix(in.a);
        if (in.op != Op::ForLoop)
            fix(in.b);
        fix(in.c);
        // An Integer or Long constant as c: the immediate form.
        if (isConstOperand(in.c) && isWholeConstant(code.consts[~in.c])) {
            const int64_t k = code.consts[~in.c].asIntegerOrLong();
            const Op op = immediateFormOf(in.op, k);
            if (op != in.op) {
                if (code.consts[~in.c].type() == VarType::Long)
                    in.x |= ImmediateLong;
                in.op = op;
                in.c = static_cast<int32_t>(k);
            }
        }
    }
    return {};
}

void Compiler::beginStatement(ast::SourcePos pos)
{
    m_ctx->pos = pos;
    m_ctx->stmtStart = here();
}

// Instructions of the statement just emitted resume at resumeAt when an
// error is skipped by On Error Resume Next (nested statements set their own).
void Compiler::endStatement(size_t resumeAt)
{
    auto& info = m_ctx->code->info;
    for (size_t i = m_ctx->stmtStart; i < info.size(); ++i) {
        if (info[i].resumePc == 0)
            info[i].resumePc = static_cast<int32_t>(resumeAt);
    }
}

int32_t Compiler::constant(Variant v)
{
    auto& consts = m_ctx->code->consts;
    consts.push_back(std::move(v));
    return static_cast<int32_t>(consts.size() - 1);
}

// The text's own script-level variables become slots of its top-level code
// that refer to them: read and written there as locals are, without a look-up
// by name. Procedures and other texts still reach them by name. A name that
// means something else (a constant, procedure or class of the text, a library
// name, or what an earlier text made a procedure, class or object) stays that.
void Compiler::bindVariables(Context& ctx)
{
    for (const Str& name : m_unit.variables) {
        std::u16string folded = foldName(name.view());
        if (ctx.code->slotCount >= MaxBoundVariables || ctx.cls || ctx.locals.count(folded) || m_consts.count(folded)
            || m_procs.count(folded) || m_classes.count(folded) || isLibraryName(folded))
            continue;
        if (const GlobalEntry* e = m_globals.find(name.view());
            e && e->kind != GlobalEntry::Kind::Variable && e->kind != GlobalEntry::Kind::Constant)
            continue;
        const int32_t slot = ctx.code->slotCount++;
        ctx.locals.emplace(std::move(folded), slot);
        ctx.code->slotNames.resize(static_cast<size_t>(slot));
        ctx.code->slotNames.push_back(name);
        emit(Op::BindGlobal, slot, nameSite(name.view()));
    }
}

int32_t Compiler::hiddenSlot()
{
    return m_ctx->code->slotCount++;
}

// Operand fields are 16 bits wide: refuse what would not fit rather than
// emit wrong code.
Status Compiler::checkLimits(size_t count)
{
    if (count > MaxOperandCount || m_ctx->code->slotCount > MaxSlots || m_tooDeep)
        return fail(errorAt(ErrorCode::ExpressionTooComplex, m_ctx->pos));
    return {};
}

int32_t Compiler::nameSite(std::u16string_view name)
{
    std::u16string folded = foldName(name);
    auto it = m_ctx->sites.find(folded);
    if (it != m_ctx->sites.end())
        return it->second;
    auto& names = m_ctx->code->names;
    NameSite site;
    site.name = Str(name);
    GlobalEntry* e = m_globals.find(name);
    // Procedures and classes of this text replace older ones at commit: leave
    // the site to resolve at run time then.
    if (e && !m_procs.count(folded) && !m_classes.count(folded))
        site.entry = e;
    names.push_back(std::move(site));
    int32_t index = static_cast<int32_t>(names.size() - 1);
    m_ctx->sites.emplace(std::move(folded), index);
    return index;
}

void Compiler::lookUpNamesAtRunTime(Code& code)
{
    for (NameSite& site : code.names) {
        site.frameFirst = true;
        site.entry = nullptr;
    }
}

int32_t Compiler::memberSite(std::u16string_view name, const ast::Expr* object)
{
    auto& members = m_ctx->code->members;
    Str objectName;
    if (object && object->kind == ast::ExprKind::Name)
        objectName = Str(static_cast<const ast::NameExpr&>(*object).name);
    members.push_back({ Str(name), objectName, nullptr, DispIdUnknown });
    return static_cast<int32_t>(members.size() - 1);
}

ScriptError Compiler::errorAt(ErrorCode code, ast::SourcePos pos, std::u16string_view name)
{
    ScriptError e = makeError(code, name);
    e.line = pos.line;
    e.column = pos.column;
    if (m_source && pos.line >= 1 && size_t(pos.line) <= m_source->lines.size())
        e.lineText = Str(m_source->lines[pos.line - 1]);
    return e;
}

// ---------------------------------------------------------------- resolution

std::optional<Resolved> Compiler::resolveInUnit(const std::u16string& folded, std::u16string_view name,
                                                Context& ctx)
{
    Resolved r;
    if (auto it = ctx.locals.find(folded); it != ctx.locals.end()) {
        r.kind = Resolved::Kind::Local;
        r.index = it->second;
        return r;
    }
    if (auto it = ctx.consts.find(folded); it != ctx.consts.end()) {
        r.kind = Resolved::Kind::Constant;
        r.constant = it->second;
        return r;
    }
    // Only the text's own statements run in the calling procedure's frame; a
    // procedure the text declares is global and sees no caller's locals.
    if (m_outer && m_outer->localNames && !ctx.proc) {
        const auto& names = *m_outer->localNames;
        auto it = std::find(names.begin(), names.end(), folded);
        if (it != names.end()) {
            r.kind = Resolved::Kind::Outer;
            r.index = static_cast<int32_t>(it - names.begin());
            return r;
        }
    }
    if (ctx.cls) {
        if (auto it = ctx.cls->consts.find(folded); it != ctx.cls->consts.end()) {
            r.kind = Resolved::Kind::Constant;
            r.constant = it->second;
            return r;
        }
        int32_t m = ctx.cls->find(name);
        if (m >= 0) {
            const ClassMember& member = ctx.cls->members[m];
            r.kind = member.field >= 0 ? Resolved::Kind::Field : Resolved::Kind::MeMember;
            r.index = member.field >= 0 ? member.field : m;
            return r;
        }
    }
    if (auto it = m_consts.find(folded); it != m_consts.end()) {
        r.kind = Resolved::Kind::Constant;
        r.constant = it->second;
        return r;
    }
    if (m_variables.count(folded) || m_procs.count(folded) || m_classes.count(folded)) {
        r.kind = Resolved::Kind::Global;
        r.index = nameSite(name);
        r.knownVariable = m_variables.count(folded) != 0;
        r.knownProcedure = m_procs.count(folded) != 0;
        return r;
    }
    if (const GlobalEntry* e = m_globals.find(name)) {
        if (e->kind == GlobalEntry::Kind::Constant) {
            r.kind = Resolved::Kind::Constant;
            r.constant = e->value;
            return r;
        }
        r.kind = Resolved::Kind::Global;
        r.index = nameSite(name);
        r.knownVariable = e->kind == GlobalEntry::Kind::Variable;
        r.knownProcedure = e->kind == GlobalEntry::Kind::Procedure;
        return r;
    }
    if (m_globals.isHostMember(name)) {
        r.kind = Resolved::Kind::Global;
        r.index = nameSite(name);
        return r;
    }
    return std::nullopt;
}

// A name the body declares by using it: any assigned name without Option
// Explicit; a ReDim'd name always, as ReDim declares.
bool Compiler::implicitlyDeclared(const Context& ctx, const std::u16string& folded) const
{
    return ctx.assigned.count(folded) && (!m_explicit || ctx.redimmed.count(folded));
}

// Locals, the class, this text's script-level names, the engine's globals,
// the library, then (for a name the procedure declares implicitly) a new
// local, else a global looked up when the code runs.
Resolved Compiler::resolve(std::u16string_view name, bool forCall)
{
    (void)forCall;
    Context& ctx = *m_ctx;
    std::u16string folded = foldName(name);
    if (auto r = resolveInUnit(folded, name, ctx))
        return *r;
    Resolved r;
    Intrinsic intrinsic;
    if (folded == u"ERR") {
        r.kind = Resolved::Kind::Err;
        return r;
    }
    if (isIntrinsic(folded, intrinsic)) {
        r.kind = Resolved::Kind::Intrinsic;
        r.index = static_cast<int32_t>(intrinsic);
        return r;
    }
    auto functions = builtinFunctions();
    for (size_t i = 0; i < functions.size(); ++i) {
        if (equalsIgnoreCase(functions[i].name, name)) {
            r.kind = Resolved::Kind::Builtin;
            r.index = static_cast<int32_t>(i);
            return r;
        }
    }
    for (const BuiltinConstant& c : builtinConstants()) {
        if (equalsIgnoreCase(c.name, name)) {
            r.kind = Resolved::Kind::Constant;
            r.constant = c.value;
            return r;
        }
    }
    if (!ctx.topLevel && !ctx.proc && implicitlyDeclared(ctx, folded)) {
        // Execute text run by a procedure: a new variable of that procedure.
        m_unit.frameVariables.push_back(Str(name));
        r.kind = Resolved::Kind::Global;
        r.index = nameSite(name);
        return r;
    }
    if (!ctx.topLevel && implicitlyDeclared(ctx, folded)) {
        int32_t slot = ctx.code->slotCount++;
        ctx.locals.emplace(folded, slot);
        r.kind = Resolved::Kind::Local;
        r.index = slot;
        return r;
    }
    r.kind = Resolved::Kind::Global;
    r.index = nameSite(name);
    return r;
}

// ---------------------------------------------------------------- declarations

void Compiler::noteAssigned(Context& ctx, const std::u16string& name)
{
    if (ctx.assigned.insert(foldName(name)).second)
        ctx.assignedNames.push_back(name);
}

// Dim'd names, names assigned anywhere in a body (For variables, ReDim and
// plain assignments included) and the body's Const statements.
void Compiler::collectNames(const ast::Block& body, Context& ctx, std::vector<std::u16string>* dims)
{
    using K = ast::StmtKind;
    for (const auto& s : body) {
        switch (s->kind) {
        case K::Dim:
            for (const auto& v : static_cast<const ast::DimStmt&>(*s).vars)
                dims->push_back(v.name);
            break;
        case K::Const:
            ctx.constStmts.push_back(static_cast<const ast::ConstStmt*>(s.get()));
            for (const auto& c : static_cast<const ast::ConstStmt&>(*s).consts)
                ctx.constNames.insert(foldName(c.name));
            break;
        case K::ReDim:
            for (const auto& v : static_cast<const ast::ReDimStmt&>(*s).vars) {
                noteAssigned(ctx, v.name);
                ctx.redimmed.insert(foldName(v.name));
            }
            break;
        case K::Assign: {
            const auto& a = static_cast<const ast::AssignStmt&>(*s);
            if (a.target->kind == ast::ExprKind::Name)
                noteAssigned(ctx, static_cast<const ast::NameExpr&>(*a.target).name);
            break;
        }
        case K::For: {
            const auto& f = static_cast<const ast::ForStmt&>(*s);
            noteAssigned(ctx, f.variable);
            collectNames(f.body, ctx, dims);
            break;
        }
        case K::ForEach: {
            const auto& f = static_cast<const ast::ForEachStmt&>(*s);
            noteAssigned(ctx, f.variable);
            collectNames(f.body, ctx, dims);
            break;
        }
        case K::If: {
            const auto& i = static_cast<const ast::IfStmt&>(*s);
            for (const auto& br : i.branches)
                collectNames(br.body, ctx, dims);
            collectNames(i.elseBody, ctx, dims);
            break;
        }
        case K::Select: {
            const auto& sel = static_cast<const ast::SelectStmt&>(*s);
            for (const auto& c : sel.cases)
                collectNames(c.body, ctx, dims);
            collectNames(sel.elseBody, ctx, dims);
            break;
        }
        case K::Do:
            collectNames(static_cast<const ast::DoStmt&>(*s).body, ctx, dims);
            break;
        case K::While:
            collectNames(static_cast<const ast::WhileStmt&>(*s).body, ctx, dims);
            break;
        case K::With:
            collectNames(static_cast<const ast::WithStmt&>(*s).body, ctx, dims);
            break;
        default:
            break;
        }
    }
}

// Const values: literals, signs and parentheses around them, other constants.
Result<Variant> Compiler::constantValue(const ast::Expr& e)
{
    switch (e.kind) {
    case ast::ExprKind::Literal:
        return static_cast<const ast::LiteralExpr&>(e).value;
    case ast::ExprKind::Paren:
        return constantValue(*static_cast<const ast::ParenExpr&>(e).inner);
    case ast::ExprKind::Unary: {
        const auto& u = static_cast<const ast::UnaryExpr&>(e);
        TRY_ASSIGN(v, constantValue(*u.operand));
        if (u.op == ast::UnaryOp::Neg)
            return opNeg(v);
        if (u.op == ast::UnaryOp::Not)
            return opNot(v);
        return v;
    }
    case ast::ExprKind::Name: {
        Resolved r = resolve(static_cast<const ast::NameExpr&>(e).name);
        if (r.kind == Resolved::Kind::Constant)
            return r.constant;
        break;
    }
    default:
        break;
    }
    return fail(errorAt(ErrorCode::ExpectedLiteralConstant, e.pos));
}

Status Compiler::declareClass(const ast::ClassDecl& decl)
{
    std::u16string folded = foldName(decl.name);
    if (m_classes.count(folded) || m_procs.count(folded))
        return fail(errorAt(ErrorCode::NameRedefined, decl.pos, decl.name));
    auto cls = std::make_unique<ClassDef>();
    cls->name = Str(decl.name);
    auto addMember = [&](std::u16string_view name, bool isPublic) -> ClassMember& {
        int32_t i = cls->find(name);
        if (i < 0) {
            i = static_cast<int32_t>(cls->members.size());
            cls->members.push_back({ Str(name), isPublic });
            cls->index.emplace(foldName(name), i);
        }
        return cls->members[i];
    };
    for (const auto& dimStmt : decl.fields) {
        for (const auto& v : dimStmt->vars) {
            if (cls->find(v.name) >= 0)
                return fail(errorAt(ErrorCode::NameRedefined, v.pos, v.name));
            ClassMember& m = addMember(v.name, dimStmt->visibility != ast::Visibility::Private);
            m.field = static_cast<int32_t>(cls->fields.size());
            FieldDecl field;
            field.isArray = v.isArray;
            for (const auto& bound : v.bounds) {
                TRY_ASSIGN(value, constantValue(*bound));
                TRY_ASSIGN(n, toLong(value));
                field.bounds.push_back(n);
            }
            cls->fields.push_back(std::move(field));
        }
    }
    for (const auto& constStmt : decl.consts) {
        for (const auto& c : constStmt->consts) {
            TRY_ASSIGN(v, constantValue(*c.value));
            cls->consts[foldName(c.name)] = std::move(v);
        }
    }
    for (const auto& p : decl.procedures) {
        auto proc = std::make_unique<Proc>();
        proc->name = Str(p->name);
        proc->kind = p->kind;
        proc->isPublic = p->visibility != ast::Visibility::Private;
        proc->cls = cls.get();
        ClassMember& m = addMember(p->name, proc->isPublic);
        if (m.field >= 0)
            return fail(errorAt(ErrorCode::NameRedefined, p->pos, p->name));
        Proc** slot = nullptr;
        switch (p->kind) {
        case ast::ProcKind::Sub: case ast::ProcKind::Function: slot = &m.method; break;
        case ast::ProcKind::PropertyGet: slot = &m.get; break;
        case ast::ProcKind::PropertyLet: slot = &m.let; break;
        case ast::ProcKind::PropertySet: slot = &m.set; break;
        }
        if (*slot || (p->kind <= ast::ProcKind::Function && (m.get || m.let || m.set))
            || (p->kind > ast::ProcKind::Function && m.method))
            return fail(errorAt(ErrorCode::NameRedefined, p->pos, p->name));
        *slot = proc.get();
        if (p->isDefault)
            cls->defaultMember = cls->find(p->name);
        if (p->kind == ast::ProcKind::Sub && equalsIgnoreCase(p->name, u"Class_Initialize"))
            cls->initialize = proc.get();
        if (p->kind == ast::ProcKind::Sub && equalsIgnoreCase(p->name, u"Class_Terminate"))
            cls->terminate = proc.get();
        m_unit.procs.push_back(std::move(proc));
    }
    m_classes.emplace(folded, cls.get());
    m_unit.classes.push_back(std::move(cls));
    return {};
}

Status Compiler::declareUnit(const ast::Program& program)
{
    for (const auto& p : program.procedures) {
        std::u16string folded = foldName(p->name);
        if (m_procs.count(folded))
            return fail(errorAt(ErrorCode::NameRedefined, p->pos, p->name));
        auto proc = std::make_unique<Proc>();
        proc->name = Str(p->name);
        proc->kind = p->kind;
        proc->isPublic = p->visibility != ast::Visibility::Private;
        m_procs.emplace(folded, proc.get());
        m_unit.procs.push_back(std::move(proc));
    }
    for (const auto& c : program.classes)
        TRY_STATUS(declareClass(*c));
    return {};
}

Status Compiler::compileProc(Proc& proc, const ast::Procedure& decl, ClassDef* cls)
{
    Context ctx;
    ctx.code = &proc.code;
    ctx.proc = &proc;
    ctx.cls = cls;
    ctx.topLevel = false;
    ctx.pos = decl.pos;
    proc.code.source = m_source;
    proc.code.optionExplicit = m_explicit;
    auto addLocal = [&](const std::u16string& name, ast::SourcePos pos) -> Status {
        std::u16string folded = foldName(name);
        if (ctx.locals.count(folded))
            return fail(errorAt(ErrorCode::NameRedefined, pos, name));
        ctx.locals.emplace(folded, proc.code.slotCount++);
        proc.localNames.push_back(folded);
        proc.code.slotNames.emplace_back(name);
        return {};
    };
    for (const auto& p : decl.params) {
        TRY_STATUS(addLocal(p.name, p.pos));
        proc.byVal.push_back(p.byVal);
        proc.anyByVal = proc.anyByVal || p.byVal;
    }
    proc.paramCount = static_cast<int32_t>(decl.params.size());
    if (proc.returnsValue()) {
        proc.resultSlot = proc.code.slotCount;
        TRY_STATUS(addLocal(decl.name, decl.pos));
    }
    std::vector<std::u16string> dims;
    collectNames(decl.body, ctx, &dims);
    for (const auto& d : dims) {
        if (!ctx.locals.count(foldName(d)))
            TRY_STATUS(addLocal(d, decl.pos));
    }
    Context* saved = m_ctx;
    m_ctx = &ctx;
    // Implicit locals get their slots up front, named, so that Execute and
    // Eval text run by the procedure sees them too.
    for (const auto& name : ctx.assignedNames) {
        std::u16string folded = foldName(name);
        if (!implicitlyDeclared(ctx, folded) || ctx.constNames.count(folded))
            continue; // assigning a local Const stays an error
        const int32_t before = proc.code.slotCount;
        Resolved r = resolve(name);
        if (r.kind == Resolved::Kind::Local && r.index == before) {
            proc.localNames.push_back(folded);
            proc.code.slotNames.emplace_back(name);
        }
    }
    Status st = block(decl.body);
    bool runsExecute = std::any_of(proc.code.instrs.begin(), proc.code.instrs.end(), [](const Instr& in) {
        return in.op == Op::Intrinsic && Intrinsic(in.a) == Intrinsic::Execute;
    });
    if (runsExecute)
        lookUpNamesAtRunTime(proc.code);
    if (st.ok()) {
        size_t end = here();
        for (size_t j : ctx.exitProcJumps)
            patch(j, end);
        ctx.pos = decl.endPos;
        beginStatement(decl.endPos);
        emit(Op::Return);
        endStatement(here());
        st = finishCode(proc.code);
    }
    m_ctx = saved;
    return st;
}

Result<CompiledUnit> Compiler::program(const ast::Program& program)
{
    auto source = std::make_shared<SourceText>();
    source->lines = program.lines;
    m_source = source;
    auto top = std::make_unique<Code>();
    top->source = m_source;
    top->optionExplicit = m_explicit;
    Context ctx;
    ctx.code = top.get();
    ctx.topLevel = !(m_outer && m_outer->localNames);
    ctx.cls = m_outer ? m_outer->cls : nullptr;
    m_ctx = &ctx;
    TRY_STATUS(declareUnit(program));
    std::vector<std::u16string> dims;
    collectNames(program.statements, ctx, &dims);
    if (ctx.topLevel) {
        for (const auto& d : dims)
            m_variables.insert(foldName(d)), m_unit.variables.push_back(Str(d));
        // An assignment to a library name must stay an illegal assignment.
        // A ReDim'd name is declared as Dim declares it.
        for (const auto& name : ctx.assignedNames) {
            std::u16string a = foldName(name);
            if (!implicitlyDeclared(ctx, a) || m_variables.count(a) || resolveInUnit(a, a, ctx) || isLibraryName(a))
                continue;
            m_variables.insert(a);
            if (ctx.redimmed.count(a))
                m_unit.variables.push_back(Str(name));
        }
    } else {
        // Execute in a procedure: its Dims become variables of the procedure.
        for (const auto& d : dims)
            m_unit.frameVariables.push_back(Str(d));
    }
    // Script-level constants first: procedures may use them. A Const inside
    // a block exists whether or not the block runs.
    for (const ast::ConstStmt* s : ctx.constStmts) {
        if (!ctx.topLevel)
            break;
        for (const auto& c : s->consts) {
            // A constant over a variable of an earlier text (Dim'd, or a
            // Dim that shadowed a constant) redefines the name.
            if (const GlobalEntry* e = m_globals.find(c.name); e && e->kind == GlobalEntry::Kind::Variable)
                return fail(errorAt(ErrorCode::NameRedefined, c.pos, c.name));
            TRY_ASSIGN(v, constantValue(*c.value));
            m_consts[foldName(c.name)] = v;
            m_unit.constants.emplace_back(Str(c.name), v);
        }
    }
    size_t procIndex = 0;
    for (const auto& p : program.procedures)
        TRY_STATUS(compileProc(*m_unit.procs[procIndex++], *p, nullptr));
    for (size_t c = 0; c < program.classes.size(); ++c) {
        for (const auto& p : program.classes[c]->procedures)
            TRY_STATUS(compileProc(*m_unit.procs[procIndex++], *p, m_unit.classes[c].get()));
    }
    m_ctx = &ctx;
    if (ctx.topLevel)
        bindVariables(ctx);
    TRY_STATUS(block(program.statements));
    for (size_t j : ctx.exitProcJumps)
        patch(j, here());
    emit(Op::Return);
    if (!ctx.topLevel)
        lookUpNamesAtRunTime(*top);
    TRY_STATUS(finishCode(*top));
    m_unit.topLevel = std::move(top);
    return std::move(m_unit);
}

Result<CompiledUnit> Compiler::expression(const ast::Expr& e, std::shared_ptr<const SourceText> source)
{
    m_source = std::move(source);
    auto top = std::make_unique<Code>();
    top->source = m_source;
    Context ctx;
    ctx.code = top.get();
    ctx.topLevel = true;
    ctx.cls = m_outer ? m_outer->cls : nullptr;
    ctx.pos = e.pos;
    m_ctx = &ctx;
    top->resultSlot = top->slotCount++;
    beginStatement(e.pos);
    TRY_STATUS(expr(e));
    emit(Op::StoreLocal, top->resultSlot, 0, static_cast<uint8_t>(StoreMode::Raw));
    emit(Op::Return);
    endStatement(here() - 1);
    if (m_outer && m_outer->localNames)
        lookUpNamesAtRunTime(*top);
    TRY_STATUS(finishCode(*top));
    m_unit.topLevel = std::move(top);
    return std::move(m_unit);
}

Result<CompiledUnit> compileProgram(const ast::Program& program, const GlobalTable& globals,
                                    const OuterScope* outer)
{
    Compiler c(globals, outer, program.optionExplicit);
    return c.program(program);
}

Result<CompiledUnit> compileExpression(const ast::Expr& expr, std::shared_ptr<const SourceText> source,
                                       const GlobalTable& globals, const OuterScope* outer)
{
    Compiler c(globals, outer, false);
    return c.expression(expr, std::move(source));
}

} // namespace vbs
