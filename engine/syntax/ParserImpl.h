// The recursive-descent parser behind parseProgram and parseExpression.
// Errors are sticky: the first one is kept, and from then on the token stream
// reads as end of text, so every loop winds down without extra checks.
#pragma once

#include "syntax/Ast.h"
#include "syntax/Lexer.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace vbs::syntax {

// Deeper nesting than this (of expressions or blocks) is a compilation error
// rather than a stack overflow.
// Operator and member chains count as nesting (see ChainGuard), so the
// limit also bounds the height of the tree.
inline constexpr int MaxNesting = 3000;

// Constructs open around the statement being parsed: for Exit checks and for
// the messages about a terminator that closes nothing.
enum class Open : uint8_t { For, Do, While, If, Select, With, Sub, Function, Property, Class };

// What a separator is expected after: decides which tokens may end it. A
// statement may run straight into an End keyword (`x = 1 End If`); the header
// of a For, Do, While, With, Select or Class needs a real separator.
enum class Where : uint8_t { TopLevel, Block, SingleLineIf, Header };

// Names declared in one scope, for 1041 "Name redefined".
enum class NameKind : uint8_t { Variable, Const, Procedure, PropertyGet, PropertyLet, PropertySet, Class };

// Parentheses around a name, a member or a call, stripped: `Call ((f))`.
ast::ExprPtr unwrapCallee(ast::ExprPtr e);

class Parser {
public:
    explicit Parser(std::u16string_view text);

    std::unique_ptr<ast::Program> parseProgram();
    ast::ExprPtr parseStandaloneExpression();

    bool failed() const noexcept { return m_failed; }
    ScriptError takeError() { return std::move(m_error); }

private:
    // ------------------------------------------------------------ tokens
    const Token& peek(int ahead = 0);
    Token take();
    void skip() { (void)take(); }
    bool at(Tok kind) { return peek().kind == kind; }
    bool atKw(Kw kw, int ahead = 0);
    bool accept(Tok kind);
    bool acceptKw(Kw kw);
    bool expect(Tok kind, ErrorCode code);
    bool expectKw(Kw kw, ErrorCode code);
    bool atStatementEnd(); // newline, ':', end of text, Else or End
    bool atLineEnd() { return at(Tok::Newline) || at(Tok::End); }
    bool expectStatementEnd(Where where);
    void skipSeparators();
    ast::SourcePos pos() { return { peek().line, peek().column }; }
    bool atBinaryOperator();

    // ------------------------------------------------------------ errors
    void error(ErrorCode code, ast::SourcePos where);
    void error(ErrorCode code) { error(code, pos()); }
    void reportTerminator(ErrorCode ownExpectation);

    // ------------------------------------------------------------ expressions
    ast::ExprPtr parseExpr();
    ast::ExprPtr parseBinary(int minPrec);
    ast::ExprPtr continueBinary(ast::ExprPtr left, int minPrec);
    ast::ExprPtr parseOperand();
    ast::ExprPtr parsePrimary();
    ast::ExprPtr parseLiteral();
    ast::ExprPtr parsePostfix(ast::ExprPtr base, bool statementTarget);
    bool parseParenArgs(std::vector<ast::ExprPtr>& args);
    ast::ExprPtr parseTarget(bool statementTarget);
    ast::ExprPtr parseParenthesised();

    // ------------------------------------------------------------ statements
    void parseBlock(ast::Block& out);
    bool atHoistedProcedure();
    void parseHoistedProcedure();
    bool atBlockTerminator();
    ast::StmtPtr parseStatement();
    ast::StmtPtr parseSimpleOrCompound();
    ast::StmtPtr parseAssignOrCall();
    ast::StmtPtr parseSet();
    ast::StmtPtr parseCallKeyword();
    ast::StmtPtr finishCall(ast::SourcePos p, ast::ExprPtr target);
    ast::StmtPtr callWithComparison(ast::SourcePos p, ast::ExprPtr target, ast::ExprPtr value);
    bool parseBareArgs(std::vector<ast::ExprPtr>& args);
    ast::StmtPtr parseDim(ast::Visibility vis, ast::SourcePos p);
    bool parseVarDecl(ast::VarDecl& decl, bool constantBounds);
    ast::StmtPtr parseReDim();
    ast::StmtPtr parseErase();
    ast::StmtPtr parseConst(ast::Visibility vis, ast::SourcePos p);
    ast::ExprPtr parseConstValue();
    ast::StmtPtr parseIf();
    void parseSingleLineIf(ast::IfStmt& stmt);
    void parseSingleLineBody(ast::Block& out);
    void parseBlockIf(ast::IfStmt& stmt);
    ast::StmtPtr parseSelect();
    ast::StmtPtr parseFor();
    ast::StmtPtr parseForEach(ast::SourcePos p);
    bool parseNext(const std::u16string& variable);
    ast::StmtPtr parseDo();
    bool parseLoopCondition(ast::DoStmt& stmt);
    ast::StmtPtr parseWhile();
    ast::StmtPtr parseExit();
    ast::StmtPtr parseOnError();
    ast::StmtPtr parseWith();
    bool closeBlock(Kw word, ErrorCode wrongWord, ErrorCode missingEnd);

    // ------------------------------------------------------------ declarations
    bool atDeclarationStart();
    void parseTopLevelItem(ast::Program& program);
    void parseModifiedDeclaration(ast::Program* program, ast::ClassDecl* cls);
    void addScriptProcedure(ast::Program& program, ast::ProcedurePtr proc);
    ast::ProcedurePtr parseProcedure(ast::Visibility vis, bool isDefault, bool inClass, ast::SourcePos p);
    bool parseProcHeader(ast::Procedure& proc, bool inClass);
    bool parseParams(std::vector<ast::Param>& params);
    ast::ClassDeclPtr parseClass();
    void parseClassMember(ast::ClassDecl& cls);
    void addClassProcedure(ast::ClassDecl& cls, ast::ProcedurePtr proc);
    bool checkDefault(ast::Procedure& proc, ast::ClassDecl* cls, ast::SourcePos p);

    // ------------------------------------------------------------ names
    using Scope = std::unordered_map<std::u16string, uint8_t>; // name -> NameKind bits
    Scope& currentScope();
    void declare(std::u16string_view name, NameKind kind, ast::SourcePos where);
    void declareVars(const std::vector<ast::VarDecl>& vars);

    // ------------------------------------------------------------ state
    struct OpenGuard {
        Parser& parser;
        OpenGuard(Parser& p, Open what);
        ~OpenGuard() { parser.m_open.pop_back(); }
    };
    struct DepthGuard {
        Parser& parser;
        explicit DepthGuard(Parser& p);
        ~DepthGuard() { --parser.m_depth; }
    };
    // Each link of an operator or member chain deepens the tree by one
    // without recursing here; it counts as nesting too, because whoever
    // walks or frees the tree recurses.
    struct ChainGuard {
        Parser& parser;
        int links = 0;
        explicit ChainGuard(Parser& p)
            : parser(p)
        {
        }
        bool addLink();
        ~ChainGuard() { parser.m_depth -= links; }
    };
    bool isOpen(Open what) const;
    Open innermostProcedure() const;

    std::u16string_view m_text;
    Lexer m_lexer;
    std::array<Token, 4> m_ring;
    int m_ringStart = 0;
    int m_ringCount = 0;
    bool m_failed = false;
    ScriptError m_error;
    std::vector<Open> m_open;
    int m_depth = 0;
    Scope m_globalScope;
    Scope m_localScope; // inside a procedure
    Scope m_classScope; // inside a class, its members
    ast::Program* m_program = nullptr; // the text being parsed, for hoisted procedures
    bool m_inProcedure = false;
    bool m_inClass = false;
    bool m_endedSingleLineIf = false; // the last statement was a single-line If
    bool m_seenStatement = false; // Option Explicit must precede everything
};

} // namespace vbs::syntax
