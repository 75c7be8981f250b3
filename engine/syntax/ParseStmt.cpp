// Statements inside blocks and at the top level of a text.
#include "syntax/ParserImpl.h"

namespace vbs::syntax {

using namespace ast;

namespace {

bool isBlockTerminator(const Token& t)
{
    if (t.kind != Tok::Keyword)
        return false;
    switch (t.kw) {
    case Kw::End:
    case Kw::Else:
    case Kw::ElseIf:
    case Kw::Case:
    case Kw::Next:
    case Kw::Loop:
    case Kw::Wend:
        return true;
    default:
        return false;
    }
}

// The slot of the first call in a member chain: `a.b(1)` in `a.b(1).c(2).d`.
ExprPtr* firstCallSlot(ExprPtr& e)
{
    ExprPtr* found = nullptr;
    for (ExprPtr* slot = &e; *slot;) {
        Expr& link = **slot;
        if (link.kind == ExprKind::Call) {
            found = slot;
            slot = &static_cast<CallExpr&>(link).callee;
        } else if (link.kind == ExprKind::Member) {
            slot = &static_cast<MemberExpr&>(link).object;
        } else {
            break;
        }
    }
    return found;
}

} // namespace

bool Parser::atBlockTerminator() { return isBlockTerminator(peek()); }

// Block: { statement separator } up to a terminator word, which is left for
// the construct that owns the block.
void Parser::parseBlock(Block& out)
{
    for (;;) {
        skipSeparators();
        if (m_failed || at(Tok::End) || atBlockTerminator())
            return;
        if (atHoistedProcedure()) {
            parseHoistedProcedure();
            if (m_failed || !expectStatementEnd(Where::Block))
                return;
            continue;
        }
        StmtPtr s = parseStatement();
        if (!s)
            return;
        out.push_back(std::move(s));
        // A single-line If may end on the enclosing block's terminator:
        // `For i = 1 To 3: If i = 2 Then Exit For: Next`.
        if (m_endedSingleLineIf && atBlockTerminator())
            continue;
        if (!expectStatementEnd(Where::Block))
            return;
    }
}

// A Sub or Function written inside a block of script-level code: it exists
// whatever the block does, like any script-level procedure.
bool Parser::atHoistedProcedure()
{
    if (!m_program || m_inProcedure || m_inClass)
        return false;
    int word = atKw(Kw::Public) || atKw(Kw::Private) ? 1 : 0;
    return atKw(Kw::Sub, word) || atKw(Kw::Function, word);
}

void Parser::parseHoistedProcedure()
{
    SourcePos p = pos();
    Visibility vis = Visibility::Default;
    if (atKw(Kw::Public) || atKw(Kw::Private)) {
        vis = atKw(Kw::Public) ? Visibility::Public : Visibility::Private;
        skip();
    }
    // The blocks around it are not open inside it (Exit For, Next).
    std::vector<Open> outer = std::move(m_open);
    m_open.clear();
    ProcedurePtr proc = parseProcedure(vis, false, false, p);
    m_open = std::move(outer);
    if (proc)
        addScriptProcedure(*m_program, std::move(proc));
}

StmtPtr Parser::parseStatement()
{
    DepthGuard guard(*this); // single-line Ifs nest without opening blocks
    if (m_failed)
        return nullptr;
    bool isIf = atKw(Kw::If);
    StmtPtr s = parseSimpleOrCompound();
    if (!isIf)
        m_endedSingleLineIf = false; // only the If itself says how it ended
    return s;
}

StmtPtr Parser::parseSimpleOrCompound()
{
    const Token& t = peek();
    SourcePos p = pos();
    if (t.kind == Tok::Name || t.kind == Tok::Dot) {
        if (t.kw == Kw::On && atKw(Kw::Error, 1))
            return parseOnError();
        if (t.kw == Kw::Option && atKw(Kw::Explicit, 1)) {
            error(ErrorCode::ExpectedStatement); // only first in a text
            return nullptr;
        }
        return parseAssignOrCall();
    }
    if (t.kind != Tok::Keyword) {
        error(ErrorCode::ExpectedStatement);
        return nullptr;
    }
    switch (t.kw) {
    case Kw::Dim: skip(); return parseDim(Visibility::Default, p);
    case Kw::ReDim: return parseReDim();
    case Kw::Erase: return parseErase();
    case Kw::Const: skip(); return parseConst(Visibility::Default, p);
    case Kw::If: return parseIf();
    case Kw::Select: return parseSelect();
    case Kw::For: return parseFor();
    case Kw::Do: return parseDo();
    case Kw::While: return parseWhile();
    case Kw::Exit: return parseExit();
    case Kw::With: return parseWith();
    case Kw::Set: return parseSet();
    case Kw::Call: return parseCallKeyword();
    case Kw::Let:
    case Kw::Me: return parseAssignOrCall();
    case Kw::Stop: skip(); return std::make_unique<StopStmt>(p);
    default: break;
    }
    if (isBlockTerminator(t))
        reportTerminator(ErrorCode::ExpectedStatement);
    else
        error(ErrorCode::ExpectedStatement);
    return nullptr;
}

// Assignment: [Let] target = expr
// Call:       target [args]
StmtPtr Parser::parseAssignOrCall()
{
    SourcePos p = pos();
    bool let = acceptKw(Kw::Let);
    ExprPtr target = parseTarget(true);
    if (!target)
        return nullptr;
    if (target->kind == ExprKind::Me) { // neither assignable nor callable
        error(ErrorCode::InvalidUseOfMe, p);
        return nullptr;
    }
    if (accept(Tok::Eq)) {
        ExprPtr value = parseExpr();
        if (!value)
            return nullptr;
        if (!let && at(Tok::Comma))
            return callWithComparison(p, std::move(target), std::move(value));
        auto stmt = std::make_unique<AssignStmt>(p);
        stmt->target = std::move(target);
        stmt->value = std::move(value);
        return stmt;
    }
    if (let) {
        error(ErrorCode::ExpectedEqual);
        return nullptr;
    }
    return finishCall(p, std::move(target));
}

// The arguments of a call statement written without Call. The target may
// have swallowed a parenthesised list: `foo (a)` passes one parenthesised
// argument, `foo (a) + 1, b` starts its first argument with it, and
// `foo(a, b)` is 1044.
StmtPtr Parser::finishCall(SourcePos p, ExprPtr target)
{
    auto stmt = std::make_unique<CallStmt>(p);
    bool continues = !atStatementEnd();
    bool extends = continues && (atBinaryOperator() || at(Tok::Comma));
    // `foo (a).b & c`, `foo (a).b() & c`: a member after the parentheses,
    // then an operator that cannot start an argument: the parentheses
    // began the first argument.
    bool operatorFollows = continues && atBinaryOperator() && !at(Tok::Plus) && !at(Tok::Minus);
    ExprPtr* first = operatorFollows ? firstCallSlot(target) : nullptr;
    auto* firstCall = first && first != &target ? static_cast<CallExpr*>(first->get()) : nullptr;
    bool bareTop = target->kind != ExprKind::Call || static_cast<CallExpr&>(*target).args.empty();
    if (firstCall && bareTop && firstCall->args.size() == 1 && firstCall->args.front()) {
        stmt->target = std::move(firstCall->callee);
        ExprPtr& only = firstCall->args.front();
        SourcePos ap = only->pos;
        *first = std::make_unique<ParenExpr>(ap, std::move(only));
        ExprPtr arg = continueBinary(std::move(target), 1);
        if (!arg)
            return nullptr;
        stmt->args.push_back(std::move(arg));
        if (accept(Tok::Comma) && !parseBareArgs(stmt->args))
            return nullptr;
        return stmt;
    }
    if (target->kind == ExprKind::Call && (!continues || extends)) {
        auto* call = static_cast<CallExpr*>(target.get());
        if (call->args.size() > 1) {
            error(ErrorCode::CantUseParensCallingSub, p);
            return nullptr;
        }
        stmt->target = std::move(call->callee);
        if (!call->args.empty()) {
            ExprPtr& only = call->args.front();
            SourcePos ap = only ? only->pos : p;
            ExprPtr first = only ? std::make_unique<ParenExpr>(ap, std::move(only)) : nullptr;
            if (first && extends)
                first = continueBinary(std::move(first), 1);
            if (m_failed)
                return nullptr;
            stmt->args.push_back(std::move(first));
            if (extends && accept(Tok::Comma) && !parseBareArgs(stmt->args))
                return nullptr;
        } else if (extends) {
            error(ErrorCode::ExpectedEndOfStatement);
            return nullptr;
        }
        return stmt;
    }
    stmt->target = std::move(target);
    if (continues && !parseBareArgs(stmt->args))
        return nullptr;
    return stmt;
}

// `foo (a) = b, c` and `foo (a).m = b, c` are no assignments: they call foo
// with `(a) = b` or `(a).m = b`, then c. The value read as an assignment's
// gets that operand and = as its leftmost comparison.
StmtPtr Parser::callWithComparison(SourcePos p, ExprPtr target, ExprPtr value)
{
    ExprPtr* first = firstCallSlot(target);
    auto* call = first ? static_cast<CallExpr*>(first->get()) : nullptr;
    if (!call || call->args.size() != 1 || !call->args.front()) {
        error(ErrorCode::ExpectedEndOfStatement);
        return nullptr;
    }
    auto stmt = std::make_unique<CallStmt>(p);
    stmt->target = std::move(call->callee);
    SourcePos ap = call->args.front()->pos;
    *first = std::make_unique<ParenExpr>(ap, std::move(call->args.front()));
    ExprPtr* slot = &value;
    while ((*slot)->kind == ExprKind::Binary && static_cast<BinaryExpr&>(**slot).op >= BinaryOp::Eq)
        slot = &static_cast<BinaryExpr&>(**slot).left;
    *slot = std::make_unique<BinaryExpr>(ap, BinaryOp::Eq, std::move(target), std::move(*slot));
    stmt->args.push_back(std::move(value));
    skip(); // ','
    if (!parseBareArgs(stmt->args))
        return nullptr;
    return stmt;
}

// BareArgs: [expr] { , [expr] }
bool Parser::parseBareArgs(std::vector<ExprPtr>& args)
{
    do {
        if (at(Tok::Comma) || atStatementEnd()) {
            args.push_back(nullptr);
            continue;
        }
        ExprPtr e = parseExpr();
        if (!e)
            return false;
        args.push_back(std::move(e));
    } while (accept(Tok::Comma));
    return !m_failed;
}

// Set target = expr
StmtPtr Parser::parseSet()
{
    SourcePos p = pos();
    skip();
    auto stmt = std::make_unique<AssignStmt>(p);
    stmt->isSet = true;
    stmt->target = parseTarget(false);
    if (stmt->target && stmt->target->kind == ExprKind::Me)
        error(ErrorCode::InvalidUseOfMe, p);
    if (!stmt->target || !expect(Tok::Eq, ErrorCode::ExpectedEqual))
        return nullptr;
    stmt->value = parseExpr();
    return stmt->value ? std::move(stmt) : nullptr;
}

// Call target [( args )]     target may start parenthesised: Call (New C).M
StmtPtr Parser::parseCallKeyword()
{
    SourcePos p = pos();
    skip();
    ExprPtr target = at(Tok::LParen) ? parseParenthesised() : parseTarget(false);
    if (!target)
        return nullptr;
    target = unwrapCallee(std::move(target));
    auto stmt = std::make_unique<CallStmt>(p);
    stmt->explicitCall = true;
    if (target->kind == ExprKind::Call) {
        auto* call = static_cast<CallExpr*>(target.get());
        stmt->args = std::move(call->args);
        stmt->target = std::move(call->callee);
    } else {
        stmt->target = std::move(target);
    }
    return stmt;
}

// Dim / Public / Private: var { , var }   (the keyword is already read)
StmtPtr Parser::parseDim(Visibility vis, SourcePos p)
{
    auto stmt = std::make_unique<DimStmt>(p);
    stmt->visibility = vis;
    do {
        VarDecl decl;
        if (!parseVarDecl(decl, true))
            return nullptr;
        stmt->vars.push_back(std::move(decl));
    } while (accept(Tok::Comma));
    declareVars(stmt->vars);
    return m_failed ? nullptr : std::move(stmt);
}

// Var: name [ ( [bound { , bound }] ) ]
// Dim bounds are integer constants; ReDim bounds are expressions.
bool Parser::parseVarDecl(VarDecl& decl, bool constantBounds)
{
    decl.pos = pos();
    if (!at(Tok::Name)) {
        error(ErrorCode::ExpectedIdentifier);
        return false;
    }
    decl.name = std::u16string(take().text);
    if (!accept(Tok::LParen))
        return true;
    decl.isArray = true;
    if (constantBounds && accept(Tok::RParen))
        return true;
    do {
        if (!constantBounds) {
            ExprPtr e = parseExpr();
            if (!e)
                return false;
            decl.bounds.push_back(std::move(e));
        } else if (at(Tok::Integer) || at(Tok::Long)) {
            decl.bounds.push_back(parseLiteral());
        } else {
            error(ErrorCode::ExpectedInteger);
            return false;
        }
    } while (accept(Tok::Comma));
    return expect(Tok::RParen, ErrorCode::ExpectedRParen);
}

// ReDim [Preserve] name ( bounds ) { , name ( bounds ) }
StmtPtr Parser::parseReDim()
{
    auto stmt = std::make_unique<ReDimStmt>(pos());
    skip();
    stmt->preserve = acceptKw(Kw::Preserve);
    do {
        VarDecl decl;
        if (!parseVarDecl(decl, false))
            return nullptr;
        if (!decl.isArray) {
            error(ErrorCode::ExpectedLParen);
            return nullptr;
        }
        stmt->vars.push_back(std::move(decl));
    } while (accept(Tok::Comma));
    return stmt;
}

// Erase name { , name }
StmtPtr Parser::parseErase()
{
    auto stmt = std::make_unique<EraseStmt>(pos());
    skip();
    do {
        if (!at(Tok::Name)) {
            error(ErrorCode::ExpectedIdentifier);
            return nullptr;
        }
        stmt->names.emplace_back(take().text);
    } while (accept(Tok::Comma));
    return stmt;
}

// Const name = literal { , name = literal }   (Const is already read)
StmtPtr Parser::parseConst(Visibility vis, SourcePos p)
{
    auto stmt = std::make_unique<ConstStmt>(p);
    stmt->visibility = vis;
    do {
        ConstDecl decl;
        decl.pos = pos();
        if (!at(Tok::Name)) {
            error(ErrorCode::ExpectedIdentifier);
            return nullptr;
        }
        decl.name = std::u16string(take().text);
        if (!expect(Tok::Eq, ErrorCode::ExpectedEqual))
            return nullptr;
        decl.value = parseConstValue();
        if (!decl.value)
            return nullptr;
        declare(decl.name, NameKind::Const, decl.pos);
        stmt->consts.push_back(std::move(decl));
    } while (accept(Tok::Comma));
    return m_failed ? nullptr : std::move(stmt);
}

// If expr Then NEWLINE block {ElseIf expr Then block} [Else block] End If
// If expr Then statements [Else statements] [End If]  (all on one line)
StmtPtr Parser::parseIf()
{
    auto stmt = std::make_unique<IfStmt>(pos());
    skip();
    ExprPtr cond = parseExpr();
    if (!cond || !expectKw(Kw::Then, ErrorCode::ExpectedThen))
        return nullptr;
    stmt->branches.push_back({ std::move(cond), {} });
    bool singleLine = !atLineEnd();
    if (singleLine) {
        parseSingleLineIf(*stmt);
        if (atKw(Kw::End) && atKw(Kw::If, 1)) { // `If c Then x = 1 Else x = 2 End If`
            skip();
            skip();
        }
    } else {
        parseBlockIf(*stmt);
    }
    m_endedSingleLineIf = singleLine;
    return m_failed ? nullptr : std::move(stmt);
}

void Parser::parseSingleLineIf(IfStmt& stmt)
{
    parseSingleLineBody(stmt.branches.front().body);
    if (acceptKw(Kw::Else)) {
        stmt.hasElse = true;
        parseSingleLineBody(stmt.elseBody);
    }
}

void Parser::parseSingleLineBody(Block& out)
{
    for (;;) {
        while (accept(Tok::Colon)) { }
        if (m_failed || atLineEnd() || atBlockTerminator())
            return;
        StmtPtr s = parseStatement();
        if (!s)
            return;
        out.push_back(std::move(s));
        if (m_endedSingleLineIf && atBlockTerminator())
            return;
        if (!expectStatementEnd(Where::SingleLineIf))
            return;
    }
}

void Parser::parseBlockIf(IfStmt& stmt)
{
    OpenGuard guard(*this, Open::If);
    parseBlock(stmt.branches.front().body);
    while (atKw(Kw::ElseIf)) {
        skip();
        ExprPtr cond = parseExpr();
        if (!cond || !expectKw(Kw::Then, ErrorCode::ExpectedThen))
            return;
        stmt.branches.push_back({ std::move(cond), {} });
        parseBlock(stmt.branches.back().body);
    }
    if (acceptKw(Kw::Else)) {
        stmt.hasElse = true;
        parseBlock(stmt.elseBody);
    }
    closeBlock(Kw::If, ErrorCode::ExpectedIf, ErrorCode::ExpectedEnd);
}

// End word: wrongWord when End is followed by another word, missingEnd when
// the block stops without End.
bool Parser::closeBlock(Kw word, ErrorCode wrongWord, ErrorCode missingEnd)
{
    if (m_failed)
        return false;
    if (atKw(Kw::End)) {
        if (!atKw(word, 1)) {
            const Token& next = peek(1);
            error(wrongWord, { next.line, next.column });
            return false;
        }
        skip();
        skip();
        return true;
    }
    if (at(Tok::End))
        error(missingEnd);
    else
        reportTerminator(missingEnd);
    return false;
}

// Select Case expr NEWLINE { Case expr { , expr } [separator] block } [Case Else block] End Select
StmtPtr Parser::parseSelect()
{
    auto stmt = std::make_unique<SelectStmt>(pos());
    skip();
    if (!expectKw(Kw::Case, ErrorCode::ExpectedCase))
        return nullptr;
    stmt->subject = parseExpr();
    if (!stmt->subject || !expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::Select);
    skipSeparators();
    if (!atKw(Kw::Case) && !atKw(Kw::End)) {
        error(ErrorCode::ExpectedCase);
        return nullptr;
    }
    while (!m_failed && atKw(Kw::Case)) {
        SourcePos cp = pos();
        skip();
        if (acceptKw(Kw::Else)) {
            stmt->hasElse = true;
            parseBlock(stmt->elseBody);
            break;
        }
        SelectStmt::Case c;
        c.pos = cp;
        do {
            ExprPtr v = parseExpr();
            if (!v)
                return nullptr;
            c.values.push_back(std::move(v));
        } while (accept(Tok::Comma));
        parseBlock(c.body); // its first statement may follow the values: `Case 1  y = 2`
        stmt->cases.push_back(std::move(c));
    }
    if (!closeBlock(Kw::Select, ErrorCode::ExpectedSelect, ErrorCode::ExpectedEnd))
        return nullptr;
    return stmt;
}

// For name = expr To expr [Step expr] block Next [name]
StmtPtr Parser::parseFor()
{
    SourcePos p = pos();
    skip();
    if (acceptKw(Kw::Each))
        return parseForEach(p);
    auto stmt = std::make_unique<ForStmt>(p);
    if (!at(Tok::Name)) {
        error(ErrorCode::ExpectedIdentifier);
        return nullptr;
    }
    stmt->variable = std::u16string(take().text);
    if (!expect(Tok::Eq, ErrorCode::ExpectedEqual) || !(stmt->from = parseExpr()))
        return nullptr;
    if (!expectKw(Kw::To, ErrorCode::ExpectedTo) || !(stmt->to = parseExpr()))
        return nullptr;
    if (acceptKw(Kw::Step) && !(stmt->step = parseExpr()))
        return nullptr;
    if (!expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::For);
    parseBlock(stmt->body);
    return parseNext(stmt->variable) ? std::move(stmt) : nullptr;
}

// For Each name In expr block Next [name]
StmtPtr Parser::parseForEach(SourcePos p)
{
    auto stmt = std::make_unique<ForEachStmt>(p);
    if (!at(Tok::Name)) {
        error(ErrorCode::ExpectedIdentifier);
        return nullptr;
    }
    stmt->variable = std::u16string(take().text);
    if (!expectKw(Kw::In, ErrorCode::ExpectedIn) || !(stmt->collection = parseExpr()))
        return nullptr;
    if (!expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::For);
    parseBlock(stmt->body);
    return parseNext(stmt->variable) ? std::move(stmt) : nullptr;
}

// Next [name]; a name must be the loop's own variable.
bool Parser::parseNext(const std::u16string& variable)
{
    if (!atKw(Kw::Next)) {
        if (at(Tok::End))
            error(ErrorCode::ExpectedNext);
        else
            reportTerminator(ErrorCode::ExpectedNext);
        return false;
    }
    skip();
    if (at(Tok::Name)) {
        if (!equalsIgnoreCase(peek().text, variable)) {
            error(ErrorCode::InvalidForControl);
            return false;
        }
        skip();
    }
    return !m_failed;
}

// Do [While|Until expr] block Loop [While|Until expr]
StmtPtr Parser::parseDo()
{
    auto stmt = std::make_unique<DoStmt>(pos());
    skip();
    if (!parseLoopCondition(*stmt))
        return nullptr;
    if (!expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::Do);
    parseBlock(stmt->body);
    if (!atKw(Kw::Loop)) {
        if (at(Tok::End))
            error(ErrorCode::ExpectedLoop);
        else
            reportTerminator(ErrorCode::ExpectedLoop);
        return nullptr;
    }
    skip();
    bool atTop = stmt->conditionKind != LoopCondition::None;
    if ((atKw(Kw::While) || atKw(Kw::Until)) && atTop) {
        error(ErrorCode::ExpectedEndOfStatement);
        return nullptr;
    }
    if (!parseLoopCondition(*stmt))
        return nullptr;
    stmt->testAtEnd = !atTop && stmt->conditionKind != LoopCondition::None;
    return stmt;
}

bool Parser::parseLoopCondition(DoStmt& stmt)
{
    if (atKw(Kw::While) || atKw(Kw::Until)) {
        stmt.conditionKind = atKw(Kw::While) ? LoopCondition::While : LoopCondition::Until;
        skip();
        stmt.condition = parseExpr();
        return stmt.condition != nullptr;
    }
    if (!atStatementEnd()) {
        error(ErrorCode::ExpectedWhileUntilEos);
        return false;
    }
    return true;
}

// While expr block Wend
StmtPtr Parser::parseWhile()
{
    auto stmt = std::make_unique<WhileStmt>(pos());
    skip();
    stmt->condition = parseExpr();
    if (!stmt->condition || !expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::While);
    parseBlock(stmt->body);
    if (!atKw(Kw::Wend)) {
        if (at(Tok::End))
            error(ErrorCode::ExpectedWend);
        else
            reportTerminator(ErrorCode::ExpectedWend);
        return nullptr;
    }
    skip();
    return stmt;
}

// Exit Do|For|Sub|Function|Property, valid only inside that construct.
StmtPtr Parser::parseExit()
{
    SourcePos p = pos();
    skip();
    struct Choice {
        Kw word;
        ExitKind kind;
    };
    static constexpr Choice choices[] = { { Kw::Do, ExitKind::Do }, { Kw::For, ExitKind::For },
        { Kw::Sub, ExitKind::Sub }, { Kw::Function, ExitKind::Function },
        { Kw::Property, ExitKind::Property } };
    for (const Choice& c : choices) {
        if (!atKw(c.word))
            continue;
        bool valid = false;
        switch (c.kind) {
        case ExitKind::Do: valid = isOpen(Open::Do); break;
        case ExitKind::For: valid = isOpen(Open::For); break;
        case ExitKind::Sub: valid = innermostProcedure() == Open::Sub; break;
        case ExitKind::Function: valid = innermostProcedure() == Open::Function; break;
        case ExitKind::Property: valid = innermostProcedure() == Open::Property; break;
        }
        if (!valid)
            break;
        skip();
        return std::make_unique<ExitStmt>(p, c.kind);
    }
    error(ErrorCode::InvalidExit, p);
    return nullptr;
}

// On Error Resume Next | On Error GoTo 0
StmtPtr Parser::parseOnError()
{
    SourcePos p = pos();
    skip();
    skip();
    if (acceptKw(Kw::Resume)) {
        if (!expectKw(Kw::Next, ErrorCode::SyntaxError))
            return nullptr;
        return std::make_unique<OnErrorStmt>(p, true);
    }
    if (acceptKw(Kw::GoTo) && at(Tok::Integer) && peek().intValue == 0) {
        skip();
        return std::make_unique<OnErrorStmt>(p, false);
    }
    error(ErrorCode::SyntaxError);
    return nullptr;
}

// With expr block End With
StmtPtr Parser::parseWith()
{
    auto stmt = std::make_unique<WithStmt>(pos());
    skip();
    stmt->object = parseExpr();
    if (!stmt->object || !expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::With);
    parseBlock(stmt->body);
    if (!closeBlock(Kw::With, ErrorCode::ExpectedWith, ErrorCode::ExpectedEnd))
        return nullptr;
    return stmt;
}

} // namespace vbs::syntax
