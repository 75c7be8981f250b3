// Expressions, by precedence climbing. From loosest to tightest:
//   Imp, Eqv, Xor, Or, And, Not (prefix), comparisons (= <> < > <= >= Is),
//   &, + -, Mod, \, * /, ^, unary - +.
// All binary operators are left-associative. Unary minus binds tighter than
// ^ (-2^2 is 4) and may stand as the right operand of ^ (2^-2).
#include "syntax/ParserImpl.h"

namespace vbs::syntax {

using namespace ast;

namespace {

constexpr int NotPrec = 6;
constexpr int ComparePrec = 7;

struct OpInfo {
    BinaryOp op;
    int prec;
};

bool keywordOp(Kw kw, OpInfo& out)
{
    switch (kw) {
    case Kw::Mod: out = { BinaryOp::Mod, 10 }; return true;
    case Kw::Is: out = { BinaryOp::Is, ComparePrec }; return true;
    case Kw::And: out = { BinaryOp::And, 5 }; return true;
    case Kw::Or: out = { BinaryOp::Or, 4 }; return true;
    case Kw::Xor: out = { BinaryOp::Xor, 3 }; return true;
    case Kw::Eqv: out = { BinaryOp::Eqv, 2 }; return true;
    case Kw::Imp: out = { BinaryOp::Imp, 1 }; return true;
    default: return false;
    }
}

bool binaryInfo(const Token& t, OpInfo& out)
{
    switch (t.kind) {
    case Tok::Caret: out = { BinaryOp::Pow, 14 }; return true;
    case Tok::Star: out = { BinaryOp::Mul, 12 }; return true;
    case Tok::Slash: out = { BinaryOp::Div, 12 }; return true;
    case Tok::Backslash: out = { BinaryOp::IntDiv, 11 }; return true;
    case Tok::Plus: out = { BinaryOp::Add, 9 }; return true;
    case Tok::Minus: out = { BinaryOp::Sub, 9 }; return true;
    case Tok::Amp: out = { BinaryOp::Concat, 8 }; return true;
    case Tok::Eq: out = { BinaryOp::Eq, ComparePrec }; return true;
    case Tok::Ne: out = { BinaryOp::Ne, ComparePrec }; return true;
    case Tok::Lt: out = { BinaryOp::Lt, ComparePrec }; return true;
    case Tok::Gt: out = { BinaryOp::Gt, ComparePrec }; return true;
    case Tok::Le: out = { BinaryOp::Le, ComparePrec }; return true;
    case Tok::Ge: out = { BinaryOp::Ge, ComparePrec }; return true;
    case Tok::Keyword: return keywordOp(t.kw, out);
    default: return false;
    }
}

} // namespace

// Parentheses around a name, a member or a call, stripped.
ExprPtr unwrapCallee(ExprPtr e)
{
    const Expr* innermost = e.get();
    while (innermost->kind == ExprKind::Paren)
        innermost = static_cast<const ParenExpr*>(innermost)->inner.get();
    bool transparent = innermost->kind == ExprKind::Name || innermost->kind == ExprKind::Member
        || innermost->kind == ExprKind::Call || innermost->kind == ExprKind::Me;
    while (transparent && e->kind == ExprKind::Paren)
        e = std::move(static_cast<ParenExpr&>(*e).inner);
    return e;
}

bool Parser::atBinaryOperator()
{
    OpInfo info;
    return binaryInfo(peek(), info);
}

ExprPtr Parser::parseExpr() { return parseBinary(1); }

ExprPtr Parser::parseBinary(int minPrec)
{
    ExprPtr left = parseOperand();
    if (!left)
        return nullptr;
    return continueBinary(std::move(left), minPrec);
}

// Binary operators of at least minPrec after an already parsed left operand
// (also used when a call statement's first argument turns out to start with
// a parenthesised operand: `foo (a) + 1, b`).
ExprPtr Parser::continueBinary(ExprPtr left, int minPrec)
{
    OpInfo info;
    ChainGuard chain(*this);
    while (!m_failed && binaryInfo(peek(), info) && info.prec >= minPrec) {
        SourcePos p = left->pos;
        if (!chain.addLink())
            return nullptr;
        skip();
        ExprPtr right = parseBinary(info.prec + 1);
        if (!right)
            return nullptr;
        left = std::make_unique<BinaryExpr>(p, info.op, std::move(left), std::move(right));
    }
    return m_failed ? nullptr : std::move(left);
}

// Operand: [- | + | Not] operand | primary
ExprPtr Parser::parseOperand()
{
    DepthGuard guard(*this);
    if (m_failed)
        return nullptr;
    SourcePos p = pos();
    UnaryOp op;
    if (at(Tok::Minus) || at(Tok::Plus))
        op = at(Tok::Minus) ? UnaryOp::Neg : UnaryOp::Plus;
    else if (atKw(Kw::Not))
        op = UnaryOp::Not;
    else
        return parsePrimary();
    skip();
    ExprPtr operand = op == UnaryOp::Not ? parseBinary(NotPrec + 1) : parseOperand();
    if (!operand)
        return nullptr;
    return std::make_unique<UnaryExpr>(p, op, std::move(operand));
}

// A literal token: numbers, strings, dates, True, False, Empty, Null, Nothing.
// Returns null without an error when the token is not one.
ExprPtr Parser::parseLiteral()
{
    const Token& t = peek();
    SourcePos p { t.line, t.column };
    Variant v;
    switch (t.kind) {
    case Tok::Integer: v = Variant::fromInteger(static_cast<int16_t>(t.intValue)); break;
    case Tok::Long: v = Variant::fromLong(t.intValue); break;
    case Tok::Double: v = Variant::fromDouble(t.doubleValue); break;
    case Tok::Date: v = Variant::fromDate(t.doubleValue); break;
    case Tok::String: v = Variant::fromString(std::u16string_view(t.stringValue)); break;
    case Tok::Keyword:
        switch (t.kw) {
        case Kw::True: v = Variant::fromBool(true); break;
        case Kw::False: v = Variant::fromBool(false); break;
        case Kw::Empty: break;
        case Kw::Null: v = Variant::null(); break;
        case Kw::Nothing: v = Variant::nothing(); break;
        default: return nullptr;
        }
        break;
    default:
        return nullptr;
    }
    skip();
    return std::make_unique<LiteralExpr>(p, std::move(v));
}

// Primary: literal | ( expr ) { .name | ( args ) } | New name | target
ExprPtr Parser::parsePrimary()
{
    if (ExprPtr lit = parseLiteral())
        return lit;
    SourcePos p = pos();
    if (at(Tok::LParen))
        return parseParenthesised();
    if (acceptKw(Kw::New)) {
        if (!at(Tok::Name)) {
            error(ErrorCode::ExpectedIdentifier);
            return nullptr;
        }
        return std::make_unique<NewExpr>(p, std::u16string(take().text));
    }
    if (at(Tok::Name) || at(Tok::Dot) || atKw(Kw::Me))
        return parseTarget(false);
    error(ErrorCode::ExpectedExpression);
    return nullptr;
}

// ( expr ) { .name | ( args ) }: a parenthesised callee or object, as in
// `(New C).M` or `(f)(x)`. Parentheses around a name or a member are
// transparent when something follows: `(f)(x)` calls f with x.
ExprPtr Parser::parseParenthesised()
{
    SourcePos p = pos();
    skip();
    ExprPtr inner = parseExpr();
    if (!inner || !expect(Tok::RParen, ErrorCode::ExpectedRParen))
        return nullptr;
    ExprPtr base = std::make_unique<ParenExpr>(p, std::move(inner));
    if (!at(Tok::Dot) && !at(Tok::LParen))
        return base;
    return parsePostfix(unwrapCallee(std::move(base)), false);
}

// Target: (name | Me | .name) { .name | ( args ) }
// A statement's target stops at a '.' written after a blank: inside With,
// `foo .x` passes .x to foo.
ExprPtr Parser::parseTarget(bool statementTarget)
{
    SourcePos p = pos();
    ExprPtr base;
    if (at(Tok::Name)) {
        base = std::make_unique<NameExpr>(p, std::u16string(take().text));
    } else if (acceptKw(Kw::Me)) {
        base = std::make_unique<MeExpr>(p);
    } else if (accept(Tok::Dot)) {
        if (!at(Tok::Name)) {
            error(ErrorCode::ExpectedIdentifier);
            return nullptr;
        }
        SourcePos namePos = pos();
        base = std::make_unique<MemberExpr>(namePos, nullptr, std::u16string(take().text));
    } else {
        error(ErrorCode::ExpectedIdentifier);
        return nullptr;
    }
    return parsePostfix(std::move(base), statementTarget);
}

ExprPtr Parser::parsePostfix(ExprPtr base, bool statementTarget)
{
    ChainGuard chain(*this);
    while (!m_failed) {
        if ((at(Tok::Dot) || at(Tok::LParen)) && !chain.addLink())
            return nullptr;
        if (at(Tok::Dot)) {
            if (statementTarget && peek().spaceBefore)
                break;
            skip();
            if (!at(Tok::Name)) {
                error(ErrorCode::ExpectedIdentifier);
                return nullptr;
            }
            SourcePos namePos = pos();
            base = std::make_unique<MemberExpr>(namePos, std::move(base), std::u16string(take().text));
        } else if (at(Tok::LParen)) {
            SourcePos p = base->pos;
            skip();
            std::vector<ExprPtr> args;
            if (!parseParenArgs(args))
                return nullptr;
            base = std::make_unique<CallExpr>(p, std::move(base), std::move(args));
        } else {
            break;
        }
    }
    return m_failed ? nullptr : std::move(base);
}

// Args: ')' | [expr] { , [expr] } ')'   (the '(' is already read)
bool Parser::parseParenArgs(std::vector<ExprPtr>& args)
{
    if (accept(Tok::RParen))
        return true;
    for (;;) {
        if (at(Tok::Comma) || at(Tok::RParen)) {
            args.push_back(nullptr);
        } else {
            ExprPtr e = parseExpr();
            if (!e)
                return false;
            args.push_back(std::move(e));
        }
        if (!accept(Tok::Comma))
            break;
    }
    return expect(Tok::RParen, ErrorCode::ExpectedRParen);
}

// Const values: a literal, possibly signed or in parentheses.
ExprPtr Parser::parseConstValue()
{
    DepthGuard guard(*this);
    SourcePos p = pos();
    if (at(Tok::Minus) || at(Tok::Plus)) {
        UnaryOp op = at(Tok::Minus) ? UnaryOp::Neg : UnaryOp::Plus;
        skip();
        ExprPtr inner = parseConstValue();
        return inner ? std::make_unique<UnaryExpr>(p, op, std::move(inner)) : nullptr;
    }
    if (accept(Tok::LParen)) {
        ExprPtr inner = parseConstValue();
        if (!inner || !expect(Tok::RParen, ErrorCode::ExpectedRParen))
            return nullptr;
        return std::make_unique<ParenExpr>(p, std::move(inner));
    }
    if (ExprPtr lit = parseLiteral())
        return lit;
    error(ErrorCode::ExpectedLiteralConstant);
    return nullptr;
}

ExprPtr Parser::parseStandaloneExpression()
{
    while (accept(Tok::Newline)) { }
    ExprPtr e = parseExpr();
    while (accept(Tok::Newline)) { }
    if (e && !at(Tok::End))
        error(ErrorCode::ExpectedEndOfStatement);
    return m_failed ? nullptr : std::move(e);
}

} // namespace vbs::syntax
