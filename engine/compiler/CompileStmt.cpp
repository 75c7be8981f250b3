// Statements to code. Loop and With state lives in hidden local slots, so
// no temporary is live between statements.
#include "compiler/CompilerImpl.h"

#include <algorithm>

namespace vbs {

Status Compiler::block(const ast::Block& body)
{
    for (const auto& s : body)
        TRY_STATUS(statement(*s));
    return {};
}

Status Compiler::statement(const ast::Stmt& s)
{
    using K = ast::StmtKind;
    beginStatement(s.pos);
    TRY_STATUS(checkLimits(0));
    Status st;
    switch (s.kind) {
    case K::Assign: st = assign(static_cast<const ast::AssignStmt&>(s)); break;
    case K::Call: {
        const auto& c = static_cast<const ast::CallStmt&>(s);
        st = callStatement(*c.target, c.args, c.explicitCall);
        break;
    }
    case K::Dim: st = dim(static_cast<const ast::DimStmt&>(s)); break;
    case K::ReDim: st = redim(static_cast<const ast::ReDimStmt&>(s)); break;
    case K::Erase:
        for (const auto& name : static_cast<const ast::EraseStmt&>(s).names) {
            Resolved r = resolve(name);
            if (!r.isVariable() && r.kind != Resolved::Kind::Global) {
                emit(Op::Raise, errorNumber(ErrorCode::TypeMismatch), 0xFFFF);
                continue;
            }
            emitVar(Op::Erase, r);
        }
        break;
    case K::Const:
        // Script-level constants were defined up front; local ones fold here.
        if (!m_ctx->topLevel || m_ctx->proc) {
            for (const auto& c : static_cast<const ast::ConstStmt&>(s).consts) {
                TRY_ASSIGN(v, constantValue(*c.value));
                m_ctx->consts[foldName(c.name)] = v;
            }
        }
        break;
    case K::If: st = ifStatement(static_cast<const ast::IfStmt&>(s)); break;
    case K::Select: st = selectStatement(static_cast<const ast::SelectStmt&>(s)); break;
    case K::For: st = forStatement(static_cast<const ast::ForStmt&>(s)); break;
    case K::ForEach: st = forEachStatement(static_cast<const ast::ForEachStmt&>(s)); break;
    case K::Do: st = doStatement(static_cast<const ast::DoStmt&>(s)); break;
    case K::While: st = whileStatement(static_cast<const ast::WhileStmt&>(s)); break;
    case K::Exit: st = exitStatement(static_cast<const ast::ExitStmt&>(s)); break;
    case K::OnError:
        emit(Op::OnError, 0, 0, static_cast<const ast::OnErrorStmt&>(s).resumeNext ? 1 : 0);
        break;
    case K::With: st = withStatement(static_cast<const ast::WithStmt&>(s)); break;
    case K::Stop: break;
    }
    if (!st.ok())
        return st;
    // Compound statements have already marked their own parts.
    m_ctx->pos = s.pos;
    endStatement(here());
    m_ctx->depth = 0;
    return {};
}

// Stores the value on the stack into a bare name.
Status Compiler::storeName(std::u16string_view name, StoreMode mode)
{
    Resolved r = resolve(name);
    switch (r.kind) {
    case Resolved::Kind::Local:
        emit(Op::StoreLocal, r.index, 0, static_cast<uint8_t>(mode));
        return {};
    case Resolved::Kind::Outer:
    case Resolved::Kind::Field:
    case Resolved::Kind::Global:
        emitVar(Op::StoreVar, r, mode);
        return {};
    case Resolved::Kind::MeMember:
        emit(Op::PutMe, r.index, 0, static_cast<uint8_t>(mode));
        return {};
    default:
        emit(Op::Pop);
        emit(Op::Raise, errorNumber(ErrorCode::IllegalAssignment), static_cast<uint16_t>(constant(Variant::fromString(name))));
        return {};
    }
}

// `s = s & a & b`: s, with the pieces after it in order; null when the
// value is no such chain.
const ast::Expr* Compiler::concatChain(std::u16string_view target, const ast::Expr& value,
                                       std::vector<const ast::Expr*>& pieces)
{
    const ast::Expr* e = &value;
    while (e->kind == ast::ExprKind::Binary && static_cast<const ast::BinaryExpr*>(e)->op == ast::BinaryOp::Concat) {
        const auto* bin = static_cast<const ast::BinaryExpr*>(e);
        pieces.push_back(bin->right.get());
        e = bin->left.get();
    }
    if (pieces.empty() || e->kind != ast::ExprKind::Name
        || !equalsIgnoreCase(static_cast<const ast::NameExpr*>(e)->name, target))
        return nullptr;
    std::reverse(pieces.begin(), pieces.end());
    return e;
}

// `s = s & a & b` with two pieces or more, none of which could see or
// change s.
bool Compiler::appendChain(std::u16string_view target, const ast::Expr& value, std::vector<const ast::Expr*>& pieces)
{
    if (!concatChain(target, value, pieces))
        return false;
    // One piece is the operator's case: Concat appends in place when it may
    // read the target after the piece, and reads it first when not.
    if (pieces.size() == 1)
        return false;
    for (const ast::Expr* p : pieces) {
        if (!plainPiece(target, *p))
            return false;
    }
    return true;
}

// A piece that runs no script code and does not name the target: literals,
// variables, constants, operators, array elements and built-in functions.
bool Compiler::plainPiece(std::u16string_view target, const ast::Expr& e)
{
    using K = ast::ExprKind;
    switch (e.kind) {
    case K::Literal:
        return true;
    case K::Paren:
        return plainPiece(target, *static_cast<const ast::ParenExpr&>(e).inner);
    case K::Unary:
        return plainPiece(target, *static_cast<const ast::UnaryExpr&>(e).operand);
    case K::Binary: {
        const auto& b = static_cast<const ast::BinaryExpr&>(e);
        return plainPiece(target, *b.left) && plainPiece(target, *b.right);
    }
    case K::Name: {
        const auto& name = static_cast<const ast::NameExpr&>(e).name;
        Resolved r = resolve(name);
        return !equalsIgnoreCase(name, target)
            && (r.isVariable() || r.kind == Resolved::Kind::Constant || r.kind == Resolved::Kind::Builtin);
    }
    case K::Call: {
        const auto& c = static_cast<const ast::CallExpr&>(e);
        if (c.callee->kind != K::Name || !plainPiece(target, *c.callee))
            return false;
        // A function's own name with arguments is a recursive call.
        if (resultOwner(resolve(static_cast<const ast::NameExpr&>(*c.callee).name)))
            return false;
        for (const auto& a : c.args) {
            if (a && !plainPiece(target, *a))
                return false;
        }
        return true;
    }
    default:
        return false;
    }
}

// Assignment: `x = v`, `Set x = v`, `a(i) = v`, `obj.p(i) = v`. The
// pattern `s = s & a & b` appends the pieces (joined) to s in place.
Status Compiler::assign(const ast::AssignStmt& s)
{
    StoreMode mode = s.isSet ? StoreMode::Set : StoreMode::Let;
    const ast::Expr& target = *s.target;
    if (target.kind == ast::ExprKind::Name) {
        const auto& name = static_cast<const ast::NameExpr&>(target).name;
        std::vector<const ast::Expr*> pieces;
        if (!s.isSet && appendChain(name, *s.value, pieces)) {
            Resolved r = resolve(name);
            if (r.isVariable() || (r.kind == Resolved::Kind::Global && !r.knownProcedure)) {
                // & is associative (Null only when every side is Null), so
                // s & a & b is s & (a & b), and only the pieces are copied.
                for (size_t i = 0; i < pieces.size(); ++i) {
                    TRY_STATUS(expr(*pieces[i]));
                    if (i > 0) {
                        const int32_t d = m_ctx->depth;
                        emitReg(Op::Concat, temp(d - 2), temp(d - 2), temp(d - 1), ReleaseC, d - 1);
                    }
                }
                emitVar(Op::AppendVar, r);
                return {};
            }
        }
        // s = s + a + b, no piece seeing or changing s: the pieces first, then
        // one instruction adds them in turn, appending in place when all are
        // strings (a string grown by + would be copied at every piece).
        if (!s.isSet) {
            std::vector<const ast::Expr*> terms;
            const ast::Expr* e = s.value.get();
            while (e->kind == ast::ExprKind::Binary && static_cast<const ast::BinaryExpr*>(e)->op == ast::BinaryOp::Add) {
                terms.push_back(static_cast<const ast::BinaryExpr*>(e)->right.get());
                e = static_cast<const ast::BinaryExpr*>(e)->left.get();
            }
            Resolved r = resolve(name);
            if (terms.size() >= 2 && e->kind == ast::ExprKind::Name
                && equalsIgnoreCase(static_cast<const ast::NameExpr*>(e)->name, name)
                && std::all_of(terms.begin(), terms.end(), [&](const ast::Expr* t) { return plainPiece(name, *t); })
                && (r.isVariable() || (r.kind == Resolved::Kind::Global && !r.knownProcedure))) {
                for (auto it = terms.rbegin(); it != terms.rend(); ++it)
                    TRY_STATUS(expr(**it));
                emitVar(Op::AddVar, r, StoreMode::Let, static_cast<int32_t>(terms.size()));
                return {};
            }
        }
        // s = s & a & f(): s is read first (a piece may change it), the
        // pieces are joined, and the joined text goes after s: in place while
        // s still holds the block it was read from. & is associative; only
        // the first piece's conversion to text moves, past the second
        // piece, which must then run no code unless the first is a literal.
        pieces.clear();
        const ast::Expr* first = s.isSet ? nullptr : concatChain(name, *s.value, pieces);
        const auto literal = [](const ast::Expr* e) {
            while (e->kind == ast::ExprKind::Paren)
                e = static_cast<const ast::ParenExpr*>(e)->inner.get();
            return e->kind == ast::ExprKind::Literal;
        };
        if (first && pieces.size() >= 2 && (plainPiece(name, *pieces[1]) || literal(pieces[0]))) {
            const int32_t dst = variableOperand(name, true);
            if (dst != NoDest) {
                const int32_t d0 = m_ctx->depth;
                TRY_STATUS(expr(*first));
                for (size_t i = 0; i < pieces.size(); ++i) {
                    TRY_STATUS(expr(*pieces[i]));
                    if (i > 0) {
                        const int32_t d = m_ctx->depth;
                        emitReg(Op::Concat, temp(d - 2), temp(d - 2), temp(d - 1), ReleaseC, d - 1);
                    }
                }
                emitReg(Op::Concat, dst, temp(d0), temp(d0 + 1), ReleaseB | ReleaseC, d0);
                return {};
            }
        }
        if (!s.isSet) {
            // Into a local or script-level variable in place: an operator
            // writes its result there, a variable or constant is moved.
            int32_t dst = variableOperand(name, true);
            const ast::Expr* value = s.value.get();
            while (value->kind == ast::ExprKind::Paren)
                value = static_cast<const ast::ParenExpr*>(value)->inner.get();
            if (dst != NoDest && value->kind == ast::ExprKind::Binary)
                return binary(static_cast<const ast::BinaryExpr&>(*value), dst);
            if (dst != NoDest && (value->kind == ast::ExprKind::Literal || value->kind == ast::ExprKind::Name)) {
                const int32_t d0 = m_ctx->depth;
                TRY_ASSIGN(src, operand(*value, true));
                if (src < TempOperands) {
                    emitReg(Op::Move, dst, src, 0, static_cast<uint8_t>(StoreMode::Let), d0);
                    return {};
                }
                m_ctx->depth = d0 + 1; // pushed: store it as any value
                return storeName(name, mode);
            }
        }
        TRY_STATUS(expr(*s.value));
        return storeName(name, mode);
    }
    if (target.kind == ast::ExprKind::Member) {
        const auto& m = static_cast<const ast::MemberExpr&>(target);
        TRY_STATUS(object(m));
        TRY_STATUS(expr(*s.value));
        emit(Op::PutMember, memberSite(m.name, m.object.get()), 0, static_cast<uint8_t>(mode));
        return {};
    }
    if (target.kind == ast::ExprKind::Call) {
        const auto& c = static_cast<const ast::CallExpr&>(target);
        const ast::Expr& callee = *c.callee;
        if (callee.kind == ast::ExprKind::Name) {
            Resolved r = resolve(static_cast<const ast::NameExpr&>(callee).name);
            if (r.kind == Resolved::Kind::MeMember) {
                TRY_STATUS(arguments(c.args, false));
                TRY_STATUS(expr(*s.value));
                emit(Op::PutMe, r.index, static_cast<uint16_t>(c.args.size()), static_cast<uint8_t>(mode));
                return {};
            }
            if (!s.isSet && c.args.size() == 1 && c.args[0]
                && (r.kind == Resolved::Kind::Local || (r.kind == Resolved::Kind::Global && r.knownVariable))) {
                // a(i) = v into a local or script-level variable: inline for arrays.
                const int32_t d0 = m_ctx->depth;
                TRY_ASSIGN(index, operand(*c.args[0], runsNoCode(*s.value)));
                TRY_ASSIGN(value, operand(*s.value, true));
                const int32_t var = r.kind == Resolved::Kind::Local ? r.index : globalOperand(r.index);
                uint8_t x = 0;
                if (index >= TempOperands)
                    x |= ReleaseB;
                if (value >= TempOperands)
                    x |= ReleaseC;
                emitReg(Op::SetElem, var, index, value, x, d0);
                return {};
            }
            if (r.kind == Resolved::Kind::Local || r.kind == Resolved::Kind::Outer
                || r.kind == Resolved::Kind::Field || r.kind == Resolved::Kind::Global) {
                TRY_STATUS(arguments(c.args, false));
                TRY_STATUS(expr(*s.value));
                emitVar(Op::StoreIndexed, r, mode, static_cast<uint16_t>(c.args.size()));
                return {};
            }
        } else if (callee.kind == ast::ExprKind::Member) {
            const auto& m = static_cast<const ast::MemberExpr&>(callee);
            TRY_STATUS(object(m));
            TRY_STATUS(arguments(c.args, false));
            TRY_STATUS(expr(*s.value));
            emit(Op::PutMember, memberSite(m.name, m.object.get()), static_cast<uint16_t>(c.args.size()), static_cast<uint8_t>(mode));
            return {};
        } else if (callee.kind == ast::ExprKind::Call) {
            // d(a)(b) = v: the chain up to the last list is a value, the
            // last list a put on that value's default member or, when the
            // value is an array, a store into it. An element of an array
            // variable is passed as a reference so the store reaches it.
            TRY_STATUS(elementReference(static_cast<const ast::CallExpr&>(callee)));
            TRY_STATUS(arguments(c.args, false));
            TRY_STATUS(expr(*s.value));
            emit(Op::PutValue, 0, static_cast<uint16_t>(c.args.size()), static_cast<uint8_t>(mode));
            return {};
        }
    }
    emit(Op::Raise, errorNumber(ErrorCode::IllegalAssignment), 0xFFFF);
    return {};
}

Status Compiler::callStatement(const ast::Expr& target, const std::vector<ast::ExprPtr>& args, bool explicitCall)
{
    if (target.kind == ast::ExprKind::Call && args.empty()) {
        const auto& c = static_cast<const ast::CallExpr&>(target);
        return call(*c.callee, c.args, false, true);
    }
    return call(target, args, false, explicitCall || !args.empty());
}

// Dim: scalars need nothing (slots start Empty); arrays are made here.
Status Compiler::dim(const ast::DimStmt& s)
{
    for (const auto& v : s.vars) {
        if (!v.isArray)
            continue;
        Resolved r = resolve(v.name);
        // A script-level name an earlier text declared: an array there
        // cannot be declared again.
        const GlobalEntry* e = m_ctx->topLevel && !m_ctx->proc ? m_globals.find(v.name) : nullptr;
        const bool redeclared = e && e->kind == GlobalEntry::Kind::Variable;
        if (v.bounds.empty()) {
            emitVar(Op::ReDim, r, StoreMode::Let, 0x4000); // a dynamic array with no elements
        } else {
            TRY_STATUS(checkLimits(v.bounds.size()));
            for (const auto& b : v.bounds)
                TRY_STATUS(expr(*b));
            emitVar(Op::DimArray, r, StoreMode::Let, static_cast<uint16_t>(v.bounds.size()));
        }
        if (redeclared)
            m_ctx->code->instrs.back().x |= Redeclared;
    }
    return {};
}

Status Compiler::redim(const ast::ReDimStmt& s)
{
    for (const auto& v : s.vars) {
        Resolved r = resolve(v.name);
        if (!r.isVariable() && r.kind != Resolved::Kind::Global) {
            // A function, constant or Err is not a variable to redimension.
            emit(Op::Raise, errorNumber(ErrorCode::IllegalAssignment),
                 static_cast<uint16_t>(constant(Variant::fromString(v.name))));
            continue;
        }
        TRY_STATUS(checkLimits(v.bounds.size()));
        for (const auto& b : v.bounds)
            TRY_STATUS(expr(*b));
        uint16_t b = static_cast<uint16_t>(v.bounds.size() | (s.preserve ? 0x8000 : 0));
        emitVar(Op::ReDim, r, StoreMode::Let, b);
    }
    return {};
}

// If: an error in a condition resumes in its branch, as the language does.
Status Compiler::ifStatement(const ast::IfStmt& s)
{
    std::vector<size_t> toEnd;
    for (size_t i = 0; i < s.branches.size(); ++i) {
        const auto& br = s.branches[i];
        beginStatement(br.condition->pos);
        TRY_ASSIGN(skip, jumpOn(*br.condition, false));
        endStatement(here());
        TRY_STATUS(block(br.body));
        if (s.hasElse || i + 1 < s.branches.size())
            toEnd.push_back(emit(Op::Jump));
        patch(skip, here());
    }
    if (s.hasElse)
        TRY_STATUS(block(s.elseBody));
    for (size_t j : toEnd)
        patch(j, here());
    beginStatement(s.pos);
    return {};
}

Status Compiler::selectStatement(const ast::SelectStmt& s)
{
    int32_t subject = hiddenSlot();
    TRY_STATUS(expr(*s.subject));
    emit(Op::StoreLocal, subject, 0, static_cast<uint8_t>(StoreMode::Raw));
    endStatement(here());
    m_ctx->heldSlots.push_back(subject);
    std::vector<size_t> toEnd;
    for (size_t i = 0; i < s.cases.size(); ++i) {
        const auto& c = s.cases[i];
        beginStatement(c.pos);
        std::vector<size_t> matches;
        size_t next = 0;
        for (size_t k = 0; k < c.values.size(); ++k) {
            // Each value is an = against the subject: a match jumps to the
            // body, except the last value's mismatch, which jumps past it.
            const ast::Expr& v = *c.values[k];
            const bool last = k + 1 == c.values.size();
            const int32_t d0 = m_ctx->depth;
            TRY_ASSIGN(value, operand(v, true));
            uint8_t x = static_cast<uint8_t>(literals(*s.subject, v) | Branch | (last ? 0 : BranchIfTrue));
            if (value >= TempOperands)
                x |= ReleaseC;
            const size_t at = emitReg(Op::Eq, 0, subject, value, x, d0);
            if (last)
                next = at;
            else
                matches.push_back(at);
        }
        if (c.values.empty())
            next = emit(Op::Jump);
        endStatement(here());
        for (size_t m : matches)
            patch(m, here());
        TRY_STATUS(block(c.body));
        if (s.hasElse || i + 1 < s.cases.size())
            toEnd.push_back(emit(Op::Jump));
        patch(next, here());
    }
    if (s.hasElse)
        TRY_STATUS(block(s.elseBody));
    for (size_t j : toEnd)
        patch(j, here());
    m_ctx->heldSlots.pop_back();
    emit(Op::ClearLocal, subject);
    beginStatement(s.pos);
    return {};
}

// For v = a To b Step c: the bounds are evaluated once into hidden slots.
Status Compiler::forStatement(const ast::ForStmt& s)
{
    int32_t hidden = hiddenSlot();
    hiddenSlot();
    // An empty step slot tells Next that the bounds never got set (an error
    // skipped by On Error Resume Next), also when the loop runs again.
    emit(Op::ClearLocal, hidden + 1);
    TRY_STATUS(expr(*s.from));
    TRY_STATUS(expr(*s.to));
    if (s.step)
        TRY_STATUS(expr(*s.step));
    else
        emit(Op::PushConst, constant(Variant::fromInteger(1)));
    emit(Op::ForPrepare, 0, static_cast<uint16_t>(hidden));
    TRY_STATUS(storeName(s.variable, StoreMode::Raw));
    size_t test = here();
    Resolved r = resolve(s.variable);
    if (r.kind == Resolved::Kind::Local)
        emit(Op::LoadLocal, r.index);
    else
        emitVar(Op::LoadVar, r);
    size_t exitJump = emit(Op::ForTest, 0, hidden);
    endStatement(here());
    m_ctx->depth = 0;
    m_ctx->loops.push_back({ ast::ExitKind::For, {}, m_ctx->heldSlots.size() });
    const size_t body = here();
    TRY_STATUS(block(s.body));
    beginStatement(s.pos);
    // A local or script-level counter steps, tests and jumps back in one.
    if (int32_t counter = variableOperand(s.variable); counter != NoDest) {
        emitReg(Op::ForLoop, static_cast<int32_t>(body), hidden, counter, 0, 0);
    } else {
        if (r.kind == Resolved::Kind::Local)
            emit(Op::LoadLocal, r.index);
        else
            emitVar(Op::LoadVar, r);
        emit(Op::ForStep, 0, hidden);
        TRY_STATUS(storeName(s.variable, StoreMode::Raw));
        emit(Op::Jump, static_cast<int32_t>(test));
    }
    patch(exitJump, here());
    for (size_t j : m_ctx->loops.back().exits)
        patch(j, here());
    m_ctx->loops.pop_back();
    return {};
}

Status Compiler::forEachStatement(const ast::ForEachStmt& s)
{
    int32_t hidden = hiddenSlot();
    hiddenSlot();
    TRY_STATUS(expr(*s.collection));
    size_t initJump = emit(Op::ForEachInit, 0, static_cast<uint16_t>(hidden));
    endStatement(here());
    size_t top = here();
    beginStatement(s.pos);
    size_t nextJump = emit(Op::ForEachNext, 0, static_cast<uint16_t>(hidden));
    TRY_STATUS(storeName(s.variable, StoreMode::Raw));
    endStatement(here());
    m_ctx->depth = 0;
    m_ctx->heldSlots.push_back(hidden);
    m_ctx->heldSlots.push_back(hidden + 1);
    m_ctx->loops.push_back({ ast::ExitKind::For, {}, m_ctx->heldSlots.size() });
    TRY_STATUS(block(s.body));
    beginStatement(s.pos);
    emit(Op::Jump, static_cast<int32_t>(top));
    size_t end = here();
    patch(initJump, end);
    patch(nextJump, end);
    for (size_t j : m_ctx->loops.back().exits)
        patch(j, end);
    m_ctx->loops.pop_back();
    m_ctx->heldSlots.resize(m_ctx->heldSlots.size() - 2);
    emit(Op::ClearLocal, hidden);
    emit(Op::ClearLocal, hidden + 1);
    return {};
}

Status Compiler::doStatement(const ast::DoStmt& s)
{
    using LC = ast::LoopCondition;
    size_t top = here();
    size_t exitJump = SIZE_MAX;
    const bool testFirst = s.conditionKind != LC::None && !s.testAtEnd;
    if (testFirst) {
        TRY_ASSIGN(j, jumpOn(*s.condition, s.conditionKind != LC::While));
        exitJump = j;
        endStatement(here());
        top = here();
    }
    m_ctx->loops.push_back({ ast::ExitKind::Do, {}, m_ctx->heldSlots.size() });
    TRY_STATUS(block(s.body));
    beginStatement(s.pos);
    if (s.conditionKind != LC::None && s.testAtEnd) {
        if (s.condition)
            m_ctx->pos = s.condition->pos;
        TRY_ASSIGN(j, jumpOn(*s.condition, s.conditionKind == LC::While));
        patch(j, top);
    } else if (testFirst) {
        TRY_STATUS(repeatTest(*s.condition, s.conditionKind == LC::While, top));
    } else {
        emit(Op::Jump, static_cast<int32_t>(top));
    }
    if (exitJump != SIZE_MAX)
        patch(exitJump, here());
    for (size_t j : m_ctx->loops.back().exits)
        patch(j, here());
    m_ctx->loops.pop_back();
    return {};
}

// A loop tested before its body tests again after it, jumping back to the
// body while it goes on: one jump a turn, not two. An error in the test
// skipped by On Error Resume Next goes on into the body, as at the top.
Status Compiler::repeatTest(const ast::Expr& condition, bool whenTrue, size_t body)
{
    TRY_ASSIGN(j, jumpOn(condition, whenTrue));
    patch(j, body);
    endStatement(body);
    return {};
}

Status Compiler::whileStatement(const ast::WhileStmt& s)
{
    TRY_ASSIGN(exitJump, jumpOn(*s.condition, false));
    endStatement(here());
    const size_t top = here();
    // No Exit of its own: an Exit Do inside leaves the enclosing Do.
    TRY_STATUS(block(s.body));
    beginStatement(s.pos);
    TRY_STATUS(repeatTest(*s.condition, true, top));
    patch(exitJump, here());
    return {};
}

Status Compiler::exitStatement(const ast::ExitStmt& s)
{
    using E = ast::ExitKind;
    if (s.what == E::Do || s.what == E::For) {
        for (auto it = m_ctx->loops.rbegin(); it != m_ctx->loops.rend(); ++it) {
            if (it->kind == s.what) {
                for (size_t i = m_ctx->heldSlots.size(); i > it->held; --i)
                    emit(Op::ClearLocal, m_ctx->heldSlots[i - 1]);
                it->exits.push_back(emit(Op::Jump));
                return {};
            }
        }
        return fail(errorAt(ErrorCode::InvalidExit, s.pos));
    }
    const Proc* proc = m_ctx->proc;
    bool matches = proc
        && ((s.what == E::Sub && proc->kind == ast::ProcKind::Sub)
            || (s.what == E::Function && proc->kind == ast::ProcKind::Function)
            || (s.what == E::Property && proc->kind >= ast::ProcKind::PropertyGet));
    if (!matches)
        return fail(errorAt(ErrorCode::InvalidExit, s.pos));
    emit(Op::ExitProc);
    return {};
}

Status Compiler::withStatement(const ast::WithStmt& s)
{
    int32_t slot = hiddenSlot();
    TRY_STATUS(expr(*s.object));
    // Stored as by Set: anything but an object (Nothing included) is 424.
    emit(Op::StoreLocal, slot, 0, static_cast<uint8_t>(StoreMode::Set));
    endStatement(here());
    m_ctx->withSlots.push_back(slot);
    m_ctx->heldSlots.push_back(slot);
    Status st = block(s.body);
    m_ctx->heldSlots.pop_back();
    m_ctx->withSlots.pop_back();
    TRY_STATUS(std::move(st));
    beginStatement(s.pos);
    emit(Op::ClearLocal, slot);
    return {};
}

} // namespace vbs
