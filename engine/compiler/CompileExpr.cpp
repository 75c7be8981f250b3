// Expressions, calls and arguments to code.
#include "compiler/CompilerImpl.h"
#include "runtime/Operators.h"

namespace vbs {

namespace {

uint8_t want(bool wantResult)
{
    return wantResult ? 1 : 0;
}

VarKind kindOf(const Resolved& r)
{
    switch (r.kind) {
    case Resolved::Kind::Local: return VarKind::Local;
    case Resolved::Kind::Field: return VarKind::Field;
    case Resolved::Kind::Outer: return VarKind::Outer;
    default: return VarKind::Global;
    }
}

} // namespace

void Compiler::emitVar(Op op, const Resolved& r, StoreMode mode, int32_t b)
{
    emit(op, r.index, b, varOperand(kindOf(r), mode));
}

Status Compiler::expr(const ast::Expr& e)
{
    using K = ast::ExprKind;
    switch (e.kind) {
    case K::Literal:
        emit(Op::PushConst, constant(static_cast<const ast::LiteralExpr&>(e).value));
        return {};
    case K::Name:
        return call(e, {}, true);
    case K::Me:
        emit(Op::PushMe);
        return {};
    case K::Member: {
        const auto& m = static_cast<const ast::MemberExpr&>(e);
        TRY_STATUS(object(m));
        emit(Op::CallMember, memberSite(m.name, m.object.get()), 0, 1);
        return {};
    }
    case K::Call: {
        const auto& c = static_cast<const ast::CallExpr&>(e);
        return call(*c.callee, c.args, true, true);
    }
    case K::Paren:
        return expr(*static_cast<const ast::ParenExpr&>(e).inner);
    case K::Unary: {
        const auto& u = static_cast<const ast::UnaryExpr&>(e);
        TRY_STATUS(expr(*u.operand));
        if (u.op != ast::UnaryOp::Plus) // unary plus leaves any value as it is, objects too
            emit(u.op == ast::UnaryOp::Neg ? Op::Neg : Op::Not);
        return {};
    }
    case K::Binary:
        return binary(static_cast<const ast::BinaryExpr&>(e));
    case K::New: {
        const auto& name = static_cast<const ast::NewExpr&>(e).className;
        Resolved r = resolve(name);
        bool undeclared = m_explicit && r.kind == Resolved::Kind::Global && !r.knownVariable && !r.knownProcedure
            && !m_classes.count(foldName(name)) && !m_globals.find(name);
        emit(Op::New, constant(Variant::fromString(name)), nameSite(name), undeclared ? NewUndeclared : 0);
        return {};
    }
    }
    return {};
}

namespace {

const ast::Expr& unparen(const ast::Expr& e)
{
    const ast::Expr* p = &e;
    while (p->kind == ast::ExprKind::Paren)
        p = static_cast<const ast::ParenExpr*>(p)->inner.get();
    return *p;
}

Op binaryOp(ast::BinaryOp op)
{
    static const Op ops[] = {
        Op::Pow, Op::Mul, Op::Div, Op::IntDiv, Op::Mod, Op::Add, Op::Sub, Op::Concat,
        Op::Eq, Op::Ne, Op::Lt, Op::Gt, Op::Le, Op::Ge, Op::Is,
        Op::And, Op::Or, Op::Xor, Op::Eqv, Op::Imp,
    };
    static_assert(sizeof ops / sizeof ops[0] == size_t(ast::BinaryOp::Imp) + 1);
    return ops[static_cast<size_t>(op)];
}

bool isComparison(ast::BinaryOp op)
{
    return op >= ast::BinaryOp::Eq && op <= ast::BinaryOp::Ge;
}

} // namespace

// Evaluating e runs no script code (no call, member, index or New), so a
// variable read before it keeps its value.
bool Compiler::runsNoCode(const ast::Expr& e)
{
    using K = ast::ExprKind;
    switch (e.kind) {
    case K::Literal:
    case K::Me:
        return true;
    case K::Paren:
        return runsNoCode(*static_cast<const ast::ParenExpr&>(e).inner);
    case K::Unary:
        return runsNoCode(*static_cast<const ast::UnaryExpr&>(e).operand);
    case K::Binary: {
        const auto& b = static_cast<const ast::BinaryExpr&>(e);
        return runsNoCode(*b.left) && runsNoCode(*b.right);
    }
    case K::Name: {
        Resolved r = resolve(static_cast<const ast::NameExpr&>(e).name);
        return r.kind == Resolved::Kind::Local || r.kind == Resolved::Kind::Constant
            || r.kind == Resolved::Kind::Field || (r.kind == Resolved::Kind::Global && r.knownVariable);
    }
    default:
        return false;
    }
}

int32_t Compiler::variableOperand(std::u16string_view name, bool fields)
{
    Resolved r = resolve(name);
    if (r.kind == Resolved::Kind::Local)
        return r.index;
    if (r.kind == Resolved::Kind::Field && fields)
        return fieldOperand(r.index);
    if (r.kind == Resolved::Kind::Global && r.knownVariable)
        return globalOperand(r.index);
    return NoDest;
}

Result<int32_t> Compiler::operand(const ast::Expr& e, bool direct)
{
    const ast::Expr& u = unparen(e);
    if (u.kind == ast::ExprKind::Literal)
        return constOperand(constant(static_cast<const ast::LiteralExpr&>(u).value));
    if (u.kind == ast::ExprKind::Name) {
        Resolved r = resolve(static_cast<const ast::NameExpr&>(u).name);
        if (r.kind == Resolved::Kind::Constant)
            return constOperand(constant(r.constant));
        if (direct) {
            int32_t v = variableOperand(static_cast<const ast::NameExpr&>(u).name, true);
            if (v != NoDest)
                return v;
        }
    }
    TRY_STATUS(expr(e));
    return temp(m_ctx->depth - 1);
}

Status Compiler::binary(const ast::BinaryExpr& b, int32_t dst)
{
    const int32_t d0 = m_ctx->depth;
    TRY_ASSIGN(l, operand(*b.left, runsNoCode(*b.right)));
    TRY_ASSIGN(r, operand(*b.right, true));
    uint8_t x = isComparison(b.op) ? literals(*b.left, *b.right) : 0;
    const bool pushed = dst == NoDest;
    if (pushed)
        dst = temp(d0);
    if (l >= TempOperands && l != dst)
        x |= ReleaseB;
    if (r >= TempOperands && r != dst)
        x |= ReleaseC;
    emitReg(binaryOp(b.op), dst, l, r, x, pushed ? d0 + 1 : d0);
    return {};
}

Result<size_t> Compiler::jumpOn(const ast::Expr& e, bool when)
{
    const ast::Expr& u = unparen(e);
    if (u.kind == ast::ExprKind::Binary
        && (isComparison(static_cast<const ast::BinaryExpr&>(u).op)
            || static_cast<const ast::BinaryExpr&>(u).op == ast::BinaryOp::Is)) {
        const auto& b = static_cast<const ast::BinaryExpr&>(u);
        const int32_t d0 = m_ctx->depth;
        TRY_ASSIGN(l, operand(*b.left, runsNoCode(*b.right)));
        TRY_ASSIGN(r, operand(*b.right, true));
        const uint8_t lits = isComparison(b.op) ? literals(*b.left, *b.right) : 0;
        uint8_t x = static_cast<uint8_t>(lits | Branch | (when ? BranchIfTrue : 0));
        if (l >= TempOperands)
            x |= ReleaseB;
        if (r >= TempOperands)
            x |= ReleaseC;
        return emitReg(binaryOp(b.op), 0, l, r, x, d0);
    }
    TRY_STATUS(expr(e));
    return emit(when ? Op::JumpIfTrue : Op::JumpIfFalse);
}

// A comparison's literal operands (Literals): a String meets a number or
// Boolean by them. A literal is a token as written, maybe parenthesised;
// -5, a Const or a conversion is not one.
uint8_t Compiler::literals(const ast::Expr& left, const ast::Expr& right)
{
    const auto literal = [](const ast::Expr* e) {
        while (e->kind == ast::ExprKind::Paren)
            e = static_cast<const ast::ParenExpr*>(e)->inner.get();
        return e->kind == ast::ExprKind::Literal;
    };
    return static_cast<uint8_t>((literal(&left) ? uint8_t(Literals::Left) : 0) | (literal(&right) ? uint8_t(Literals::Right) : 0));
}

// The object of `obj.name`, or the innermost With object for `.name`.
Status Compiler::object(const ast::MemberExpr& m)
{
    if (m.object)
        return expr(*m.object);
    if (m_ctx->withSlots.empty()) {
        // Outside any With: an error when it runs, which On Error may skip.
        emit(Op::Raise, errorNumber(ErrorCode::InvalidOrUnqualifiedReference), 0xFFFF);
        emit(Op::PushConst, constant(Variant()));
        return {};
    }
    emit(Op::LoadLocal, m_ctx->withSlots.back());
    return {};
}

// One argument where the callee may take it by reference: a variable or an
// element of an array variable goes as a reference, anything else as a value.
Status Compiler::argument(const ast::Expr* e)
{
    if (!e) {
        emit(Op::PushConst, constant(Variant::missing()));
        return {};
    }
    if (e->kind == ast::ExprKind::Name) {
        Resolved r = resolve(static_cast<const ast::NameExpr&>(*e).name);
        if (r.isVariable() || (r.kind == Resolved::Kind::Global && !r.knownProcedure)) {
            emitVar(Op::RefVar, r);
            return {};
        }
    } else if (e->kind == ast::ExprKind::Call) {
        const auto& c = static_cast<const ast::CallExpr&>(*e);
        if (c.callee->kind == ast::ExprKind::Name) {
            Resolved r = resolve(static_cast<const ast::NameExpr&>(*c.callee).name);
            // A function's own name with a list recurses (call() says how),
            // as everywhere else: `F(n, F(m, k))`.
            if (r.isVariable() && !resultOwner(r)) {
                TRY_STATUS(arguments(c.args, false));
                emitVar(Op::RefIndexed, r, StoreMode::Let, static_cast<uint16_t>(c.args.size()));
                return {};
            }
        }
    }
    return expr(*e);
}

// `a(i)(j)...` as the target of a store: a reference to the innermost
// element, so that the store reaches the array inside the array.
Status Compiler::elementReference(const ast::CallExpr& c)
{
    if (c.callee->kind != ast::ExprKind::Call)
        return argument(&c);
    TRY_STATUS(elementReference(static_cast<const ast::CallExpr&>(*c.callee)));
    TRY_STATUS(arguments(c.args, false));
    emit(Op::RefElement, 0, static_cast<uint16_t>(c.args.size()));
    return {};
}

Status Compiler::arguments(const std::vector<ast::ExprPtr>& args, bool byRef)
{
    TRY_STATUS(checkLimits(args.size()));
    for (const auto& a : args) {
        if (byRef) {
            TRY_STATUS(argument(a.get()));
        } else if (a) {
            TRY_STATUS(expr(*a));
        } else {
            emit(Op::PushConst, constant(Variant::missing()));
        }
    }
    return {};
}

// The function or Property Get whose result r names: a local of the one
// being compiled, or (in Execute or Eval text) of the one running the text.
const Proc* Compiler::resultOwner(const Resolved& r) const
{
    const Proc* self = m_ctx->proc;
    if (r.kind == Resolved::Kind::Local && self && r.index == self->resultSlot)
        return self;
    const Proc* outer = m_outer && !self ? m_outer->proc : nullptr;
    if (r.kind == Resolved::Kind::Outer && outer && r.index == outer->resultSlot)
        return outer;
    return nullptr;
}

// A call, an index or a read, by what the callee is: `f(a)`, `a(1)`,
// `obj.m a`, `x` alone. wantResult is false for call statements.
Status Compiler::call(const ast::Expr& callee, const std::vector<ast::ExprPtr>& args, bool wantResult, bool listed)
{
    uint16_t argc = static_cast<uint16_t>(args.size());
    if (callee.kind == ast::ExprKind::Member) {
        const auto& m = static_cast<const ast::MemberExpr&>(callee);
        TRY_STATUS(object(m));
        TRY_STATUS(arguments(args, true));
        uint8_t form = listed && args.empty() ? EmptyListCall : 0;
        emit(Op::CallMember, memberSite(m.name, m.object.get()), argc, want(wantResult) | form);
        return {};
    }
    if (callee.kind != ast::ExprKind::Name) {
        TRY_STATUS(expr(callee));
        TRY_STATUS(arguments(args, true));
        emit(Op::CallValue, 0, argc, want(wantResult));
        return {};
    }
    const auto& name = static_cast<const ast::NameExpr&>(callee).name;
    Resolved r = resolve(name, true);
    using R = Resolved::Kind;
    // Inside a function its bare name is the result; with a list it recurses.
    const Proc* self = resultOwner(r);
    if (self && (listed || !args.empty())) {
        if (self->cls) {
            r.kind = R::MeMember;
            r.index = self->cls->find(self->name);
        } else {
            r.kind = R::Global;
            r.index = nameSite(name);
            r.knownProcedure = true;
        }
    }
    // One index into a local or script-level variable: inline for arrays.
    if (wantResult && args.size() == 1 && args[0]
        && (r.kind == R::Local || (r.kind == R::Global && r.knownVariable && !r.knownProcedure))) {
        const int32_t d0 = m_ctx->depth;
        TRY_ASSIGN(index, operand(*args[0], true));
        const int32_t var = r.kind == R::Local ? r.index : globalOperand(r.index);
        emitReg(Op::GetElem, temp(d0), var, index, index >= TempOperands && index != temp(d0) ? ReleaseC : 0,
                d0 + 1);
        return {};
    }
    switch (r.kind) {
    case R::Local:
        // `x()` indexes or calls x even with an empty list.
        if (args.empty() && wantResult && !listed) {
            emit(Op::LoadLocal, r.index);
            return {};
        }
        [[fallthrough]];
    case R::Outer:
    case R::Field:
        if (args.empty() && wantResult && !listed) {
            emitVar(Op::LoadVar, r);
            return {};
        }
        // A call statement calls what the variable holds (an index means
        // nothing there): variables go by reference, as to any call.
        TRY_STATUS(arguments(args, !wantResult));
        emitVar(Op::LoadIndexed, r, StoreMode::Let, argc);
        break;
    case R::Global:
        if (r.knownProcedure) {
            TRY_STATUS(arguments(args, true));
            emit(Op::CallProc, r.index, argc, want(wantResult));
            return {};
        }
        if (args.empty() && wantResult && (!listed || !r.knownVariable)) {
            emitVar(Op::LoadVar, r);
            return {};
        }
        TRY_STATUS(arguments(args, !r.knownVariable || !wantResult));
        emit(Op::LoadIndexed, r.index, argc, static_cast<uint8_t>(varOperand(VarKind::Global) | (wantResult ? 0 : StatementCall)));
        break;
    case R::Constant:
        if (!args.empty()) {
            emit(Op::Raise, errorNumber(ErrorCode::TypeMismatch), static_cast<uint16_t>(constant(Variant::fromString(name))));
            if (wantResult)
                emit(Op::PushConst, constant(Variant()));
            return {};
        }
        emit(Op::PushConst, constant(r.constant));
        break;
    case R::Builtin:
        TRY_STATUS(arguments(args, false));
        emit(Op::CallBuiltin, r.index, argc);
        break;
    case R::MeMember:
        TRY_STATUS(arguments(args, true));
        emit(Op::CallMe, r.index, argc, want(wantResult));
        return {};
    case R::Intrinsic:
        TRY_STATUS(arguments(args, false));
        emit(Op::Intrinsic, r.index, argc);
        break;
    case R::Err:
        emit(Op::PushErr);
        if (!args.empty() || !wantResult) {
            TRY_STATUS(arguments(args, false));
            emit(Op::CallValue, 0, argc, want(wantResult));
            return {};
        }
        break;
    }
    if (!wantResult)
        emit(Op::Pop);
    return {};
}

} // namespace vbs
