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

void Compiler::emitVar(Op op, const Resolved& r, StoreMode mode, uint16_t b)
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
        emit(Op::New, constant(Variant::fromString(name)), 0, undeclared ? NewUndeclared : 0);
        return {};
    }
    }
    return {};
}

Status Compiler::binary(const ast::BinaryExpr& b)
{
    using B = ast::BinaryOp;
    TRY_STATUS(expr(*b.left));
    TRY_STATUS(expr(*b.right));
    static const Op ops[] = {
        Op::Pow, Op::Mul, Op::Div, Op::IntDiv, Op::Mod, Op::Add, Op::Sub, Op::Concat,
        Op::Eq, Op::Ne, Op::Lt, Op::Gt, Op::Le, Op::Ge, Op::Is,
        Op::And, Op::Or, Op::Xor, Op::Eqv, Op::Imp,
    };
    static_assert(sizeof ops / sizeof ops[0] == size_t(B::Imp) + 1);
    const bool compare = b.op >= B::Eq && b.op <= B::Ge;
    emit(ops[static_cast<size_t>(b.op)], 0, 0, compare ? literals(*b.left, *b.right) : 0);
    return {};
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
            if (r.isVariable()) {
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
    const Proc* self = m_ctx->proc;
    if (r.kind == R::Local && self && r.index == self->resultSlot && (listed || !args.empty())) {
        if (self->cls) {
            r.kind = R::MeMember;
            r.index = self->cls->find(self->name);
        } else {
            r.kind = R::Global;
            r.index = nameSite(name);
            r.knownProcedure = true;
        }
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
        TRY_STATUS(arguments(args, false));
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
        TRY_STATUS(arguments(args, !r.knownVariable));
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
