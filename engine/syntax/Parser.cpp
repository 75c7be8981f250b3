#include "syntax/Parser.h"

#include "syntax/ParserImpl.h"

#include <new>

namespace vbs {

namespace {

// The text's lines, split at CR, LF and CR LF.
std::vector<std::u16string> splitLines(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

ErrorTag outOfMemory()
{
    ScriptError e;
    e.number = errorNumber(ErrorCode::OutOfMemoryCompile);
    e.description = Str(u"Out of memory");
    return fail(std::move(e));
}

} // namespace

Result<std::unique_ptr<ast::Program>> parseProgram(std::u16string_view text)
{
    try {
        syntax::Parser parser(text);
        auto program = parser.parseProgram();
        if (parser.failed())
            return fail(parser.takeError());
        program->lines = splitLines(text);
        return program;
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

Result<ast::ExprPtr> parseExpression(std::u16string_view text)
{
    try {
        syntax::Parser parser(text);
        auto expr = parser.parseStandaloneExpression();
        if (parser.failed())
            return fail(parser.takeError());
        return expr;
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

} // namespace vbs

namespace vbs::syntax {

using namespace ast;

Parser::Parser(std::u16string_view text)
    : m_text(text)
    , m_lexer(text)
{
}

// ---------------------------------------------------------------- tokens

const Token& Parser::peek(int ahead)
{
    while (m_ringCount <= ahead) {
        Token t = m_lexer.next();
        if (t.kind == Tok::Error) {
            error(t.error, { t.line, t.column });
            t = Token {};
            t.line = m_error.line;
        } else if (m_failed) {
            t = Token {};
        }
        m_ring[(m_ringStart + m_ringCount) % m_ring.size()] = std::move(t);
        ++m_ringCount;
    }
    return m_ring[(m_ringStart + ahead) % m_ring.size()];
}

Token Parser::take()
{
    peek();
    Token t = std::move(m_ring[m_ringStart]);
    m_ringStart = (m_ringStart + 1) % m_ring.size();
    --m_ringCount;
    return t;
}

bool Parser::atKw(Kw kw, int ahead)
{
    const Token& t = peek(ahead);
    return t.kw == kw && (t.kind == Tok::Keyword || t.kind == Tok::Name);
}

bool Parser::accept(Tok kind)
{
    if (!at(kind))
        return false;
    skip();
    return true;
}

bool Parser::acceptKw(Kw kw)
{
    if (!atKw(kw))
        return false;
    skip();
    return true;
}

bool Parser::expect(Tok kind, ErrorCode code)
{
    if (accept(kind))
        return true;
    error(code);
    return false;
}

bool Parser::expectKw(Kw kw, ErrorCode code)
{
    if (acceptKw(kw))
        return true;
    error(code);
    return false;
}

bool Parser::atStatementEnd()
{
    Tok k = peek().kind;
    return k == Tok::Newline || k == Tok::Colon || k == Tok::End
        || (k == Tok::Keyword && (peek().kw == Kw::Else || peek().kw == Kw::End));
}

// After a statement: a separator, or the End of an enclosing construct; in a
// single-line If also Else.
bool Parser::expectStatementEnd(Where where)
{
    Tok k = peek().kind;
    if (k == Tok::Newline || k == Tok::Colon || k == Tok::End)
        return true;
    if (where != Where::Header && k == Tok::Keyword && peek().kw == Kw::End)
        return true;
    if (where == Where::SingleLineIf && atKw(Kw::Else))
        return true;
    error(ErrorCode::ExpectedEndOfStatement);
    return false;
}

void Parser::skipSeparators()
{
    while (at(Tok::Newline) || at(Tok::Colon))
        skip();
}

// ---------------------------------------------------------------- errors

void Parser::error(ErrorCode code, SourcePos where)
{
    if (m_failed)
        return;
    m_failed = true;
    m_ringCount = 0;
    m_error = makeError(code);
    m_error.line = where.line;
    m_error.column = where.column;
    // The offending line's text, for the report.
    size_t start = 0;
    for (int line = 1; line < where.line && start < m_text.size(); ++start) {
        if (m_text[start] == u'\n' || (m_text[start] == u'\r' && (start + 1 >= m_text.size() || m_text[start + 1] != u'\n')))
            ++line;
    }
    size_t end = start;
    while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
        ++end;
    m_error.lineText = Str(m_text.substr(start, end - start));
}

// A block ended on a word that is not its own terminator. Next and Loop that
// close nothing at all get their own messages; otherwise the open construct
// says what it expected.
void Parser::reportTerminator(ErrorCode ownExpectation)
{
    if (atKw(Kw::Next) && !isOpen(Open::For))
        error(ErrorCode::UnexpectedNext);
    else if (atKw(Kw::Loop) && !isOpen(Open::Do))
        error(ErrorCode::LoopWithoutDo);
    else
        error(ownExpectation);
}

// ---------------------------------------------------------------- state

Parser::OpenGuard::OpenGuard(Parser& p, Open what)
    : parser(p)
{
    parser.m_open.push_back(what);
    if (parser.m_open.size() > static_cast<size_t>(MaxNesting))
        parser.error(ErrorCode::OutOfMemoryCompile);
}

Parser::DepthGuard::DepthGuard(Parser& p)
    : parser(p)
{
    if (++parser.m_depth > MaxNesting)
        parser.error(ErrorCode::OutOfMemoryCompile);
}

bool Parser::ChainGuard::addLink()
{
    ++links;
    if (++parser.m_depth > MaxNesting)
        parser.error(ErrorCode::OutOfMemoryCompile);
    return !parser.m_failed;
}

bool Parser::isOpen(Open what) const
{
    for (Open o : m_open) {
        if (o == what)
            return true;
    }
    return false;
}

Open Parser::innermostProcedure() const
{
    for (Open o : m_open) {
        if (o == Open::Sub || o == Open::Function || o == Open::Property)
            return o;
    }
    return Open::Class; // none
}

// ---------------------------------------------------------------- names

Parser::Scope& Parser::currentScope()
{
    if (m_inProcedure)
        return m_localScope;
    if (m_inClass)
        return m_classScope;
    return m_globalScope;
}

// Property Get, Let and Set may share a name, and a script-level procedure
// may be redefined; anything else declared twice in one scope is 1041.
void Parser::declare(std::u16string_view name, NameKind kind, SourcePos where)
{
    constexpr uint8_t propertyBits = (1u << uint8_t(NameKind::PropertyGet)) | (1u << uint8_t(NameKind::PropertyLet))
        | (1u << uint8_t(NameKind::PropertySet));
    uint8_t bit = static_cast<uint8_t>(1u << static_cast<uint8_t>(kind));
    constexpr uint8_t procedureBit = 1u << uint8_t(NameKind::Procedure);
    uint8_t& seen = currentScope()[foldName(name)];
    bool compatible = seen == 0 || ((seen & ~propertyBits) == 0 && (bit & propertyBits) && !(seen & bit));
    // A script-level Sub or Function may be defined again: the later one wins.
    bool scriptLevel = !m_inProcedure && !m_inClass;
    compatible = compatible || (scriptLevel && seen == procedureBit && bit == procedureBit);
    if (!compatible) {
        error(ErrorCode::NameRedefined, where);
        return;
    }
    seen |= bit;
}

void Parser::declareVars(const std::vector<VarDecl>& vars)
{
    for (const VarDecl& v : vars)
        declare(v.name, NameKind::Variable, v.pos);
}

} // namespace vbs::syntax
