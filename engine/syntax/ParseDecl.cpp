// The top level of a text: Option Explicit, procedures, classes and the
// statements that run when the text is added.
#include "syntax/ParserImpl.h"

#include <algorithm>

namespace vbs::syntax {

using namespace ast;

namespace {

bool isClassEvent(std::u16string_view name)
{
    return equalsIgnoreCase(name, u"Class_Initialize") || equalsIgnoreCase(name, u"Class_Terminate");
}

NameKind nameKindOf(ProcKind kind)
{
    switch (kind) {
    case ProcKind::PropertyGet: return NameKind::PropertyGet;
    case ProcKind::PropertyLet: return NameKind::PropertyLet;
    case ProcKind::PropertySet: return NameKind::PropertySet;
    default: return NameKind::Procedure;
    }
}

} // namespace

// Program: { item separator }
std::unique_ptr<Program> Parser::parseProgram()
{
    auto program = std::make_unique<Program>();
    m_program = program.get();
    for (;;) {
        skipSeparators();
        if (m_failed || at(Tok::End))
            break;
        parseTopLevelItem(*program);
        if (m_endedSingleLineIf && atBlockTerminator())
            continue; // reported as closing nothing
        if (m_failed || !expectStatementEnd(Where::TopLevel))
            break;
    }
    m_program = nullptr;
    return program;
}

// A script-level procedure; one defined again replaces the earlier one, which
// then never exists (procedures exist before any statement runs).
void Parser::addScriptProcedure(Program& program, ProcedurePtr proc)
{
    declare(proc->name, NameKind::Procedure, proc->pos);
    if (m_failed)
        return;
    auto& procs = program.procedures;
    auto same = [&](const ProcedurePtr& p) { return equalsIgnoreCase(p->name, proc->name); };
    procs.erase(std::remove_if(procs.begin(), procs.end(), same), procs.end());
    procs.push_back(std::move(proc));
}

bool Parser::atDeclarationStart()
{
    if (atKw(Kw::Sub) || atKw(Kw::Function) || atKw(Kw::Class))
        return true;
    // Property followed by a word: a declaration (a bad word is 1049).
    Tok after = peek(1).kind;
    return atKw(Kw::Property) && (after == Tok::Name || after == Tok::Keyword);
}

// Item: Option Explicit | [Public|Private] declaration | statement
void Parser::parseTopLevelItem(Program& program)
{
    if (atKw(Kw::Option) && atKw(Kw::Explicit, 1)) {
        if (m_seenStatement) {
            error(ErrorCode::ExpectedStatement);
            return;
        }
        skip();
        skip();
        program.optionExplicit = true;
        return;
    }
    m_seenStatement = true;
    if (atKw(Kw::Public) || atKw(Kw::Private)) {
        parseModifiedDeclaration(&program, nullptr);
    } else if (atKw(Kw::Class)) {
        if (ClassDeclPtr cls = parseClass())
            program.classes.push_back(std::move(cls));
    } else if (atDeclarationStart()) {
        if (ProcedurePtr proc = parseProcedure(Visibility::Default, false, false, pos()))
            addScriptProcedure(program, std::move(proc));
    } else if (StmtPtr s = parseStatement()) {
        program.statements.push_back(std::move(s));
    }
}

// Public|Private [Default] (procedure | Const ... | variables), at the top
// level (program) or in a class (cls).
void Parser::parseModifiedDeclaration(Program* program, ClassDecl* cls)
{
    SourcePos p = pos();
    Visibility vis = atKw(Kw::Public) ? Visibility::Public : Visibility::Private;
    skip();
    bool isDefault = false;
    SourcePos defaultPos = pos();
    Tok after = peek(1).kind;
    if (atKw(Kw::Default) && (after == Tok::Name || after == Tok::Keyword)) {
        isDefault = true;
        skip();
    }
    if (atDeclarationStart() && !atKw(Kw::Class)) {
        ProcedurePtr proc = parseProcedure(vis, isDefault, cls != nullptr, p);
        if (!proc || !checkDefault(*proc, cls, defaultPos))
            return;
        if (!cls) {
            addScriptProcedure(*program, std::move(proc));
            return;
        }
        addClassProcedure(*cls, std::move(proc));
        return;
    }
    if (isDefault) {
        error(ErrorCode::DefaultOnlyPublic, defaultPos);
        return;
    }
    if (acceptKw(Kw::Const)) {
        StmtPtr s = parseConst(vis, p);
        if (s && cls)
            cls->consts.emplace_back(static_cast<ConstStmt*>(s.release()));
        else if (s)
            program->statements.push_back(std::move(s));
        return;
    }
    StmtPtr s = parseDim(vis, p);
    if (s && cls)
        cls->fields.emplace_back(static_cast<DimStmt*>(s.release()));
    else if (s)
        program->statements.push_back(std::move(s));
}

// Default: only Public, only in a class, not on Property Let/Set, once.
bool Parser::checkDefault(Procedure& proc, ClassDecl* cls, SourcePos p)
{
    if (!proc.isDefault)
        return true;
    if (!cls)
        error(ErrorCode::MustBeInsideClass, p);
    else if (proc.visibility != Visibility::Public)
        error(ErrorCode::DefaultRequiresPublic, p);
    else if (proc.kind == ProcKind::PropertyLet || proc.kind == ProcKind::PropertySet)
        error(ErrorCode::DefaultOnlyOnGet, p);
    if (m_failed)
        return false;
    for (const ProcedurePtr& other : cls->procedures) {
        if (other->isDefault)
            error(ErrorCode::MultipleDefault, p);
    }
    return !m_failed;
}

// Procedure: (Sub | Function | Property Get|Let|Set) name [( params )] [separator] block End ...
// The first statement may share the header's line: `Sub f() x = 1`.
ProcedurePtr Parser::parseProcedure(Visibility vis, bool isDefault, bool inClass, SourcePos p)
{
    auto proc = std::make_unique<Procedure>();
    proc->pos = p;
    proc->visibility = vis;
    proc->isDefault = isDefault;
    if (!parseProcHeader(*proc, inClass))
        return nullptr;
    Open open = proc->kind == ProcKind::Sub ? Open::Sub
        : proc->kind == ProcKind::Function  ? Open::Function
                                            : Open::Property;
    m_inProcedure = true;
    m_localScope.clear();
    for (const Param& param : proc->params)
        declare(param.name, NameKind::Variable, param.pos);
    if (proc->kind == ProcKind::Function || proc->kind == ProcKind::PropertyGet)
        declare(proc->name, NameKind::Variable, proc->pos);
    {
        OpenGuard guard(*this, open);
        parseBlock(proc->body);
    }
    m_inProcedure = false;
    proc->endPos = pos();
    Kw word = open == Open::Sub ? Kw::Sub : open == Open::Function ? Kw::Function : Kw::Property;
    ErrorCode wrongWord = open == Open::Sub ? ErrorCode::ExpectedSub
        : open == Open::Function            ? ErrorCode::ExpectedFunction
                                            : ErrorCode::ExpectedProperty;
    if (!closeBlock(word, wrongWord, ErrorCode::ExpectedEnd))
        return nullptr;
    return proc;
}

bool Parser::parseProcHeader(Procedure& proc, bool inClass)
{
    SourcePos kindPos = pos();
    if (acceptKw(Kw::Sub)) {
        proc.kind = ProcKind::Sub;
    } else if (acceptKw(Kw::Function)) {
        proc.kind = ProcKind::Function;
    } else {
        skip(); // Property
        if (!inClass) {
            error(ErrorCode::MustBeInsideClass, kindPos);
            return false;
        }
        if (atKw(Kw::Get))
            proc.kind = ProcKind::PropertyGet;
        else if (atKw(Kw::Let))
            proc.kind = ProcKind::PropertyLet;
        else if (atKw(Kw::Set))
            proc.kind = ProcKind::PropertySet;
        else {
            error(ErrorCode::ExpectedLetSetGet);
            return false;
        }
        skip();
    }
    if (!at(Tok::Name)) {
        error(ErrorCode::ExpectedIdentifier);
        return false;
    }
    SourcePos namePos = pos();
    proc.name = std::u16string(take().text);
    if (accept(Tok::LParen) && !parseParams(proc.params))
        return false;
    if (inClass && isClassEvent(proc.name) && !proc.params.empty()) {
        error(ErrorCode::ClassInitNoArgs, namePos);
        return false;
    }
    bool setter = proc.kind == ProcKind::PropertyLet || proc.kind == ProcKind::PropertySet;
    if (setter && proc.params.empty()) {
        error(ErrorCode::PropertySetLetNeedsArg, namePos);
        return false;
    }
    return true;
}

// Params: ')' | param { , param } ')'     param: [ByVal|ByRef] name [()]
bool Parser::parseParams(std::vector<Param>& params)
{
    if (accept(Tok::RParen))
        return true;
    do {
        Param param;
        param.pos = pos();
        if (acceptKw(Kw::ByVal))
            param.byVal = true;
        else
            acceptKw(Kw::ByRef);
        if (!at(Tok::Name)) {
            error(ErrorCode::ExpectedIdentifier);
            return false;
        }
        param.name = std::u16string(take().text);
        if (accept(Tok::LParen)) {
            if (!expect(Tok::RParen, ErrorCode::ExpectedRParen))
                return false;
            param.isArray = true;
        }
        params.push_back(std::move(param));
    } while (accept(Tok::Comma));
    return expect(Tok::RParen, ErrorCode::ExpectedRParen);
}

// Class name NEWLINE { member separator } End Class
ClassDeclPtr Parser::parseClass()
{
    auto cls = std::make_unique<ClassDecl>();
    cls->pos = pos();
    skip();
    if (!at(Tok::Name)) {
        error(ErrorCode::ExpectedIdentifier);
        return nullptr;
    }
    cls->name = std::u16string(take().text);
    declare(cls->name, NameKind::Class, cls->pos);
    if (!expectStatementEnd(Where::Header))
        return nullptr;
    OpenGuard guard(*this, Open::Class);
    m_inClass = true;
    m_classScope.clear();
    for (;;) {
        skipSeparators();
        if (m_failed || at(Tok::End) || atKw(Kw::End))
            break;
        parseClassMember(*cls);
        if (!expectStatementEnd(Where::Block))
            break;
    }
    m_inClass = false;
    if (!closeBlock(Kw::Class, ErrorCode::ExpectedClass, ErrorCode::ExpectedEnd))
        return nullptr;
    return cls;
}

// Member: Dim vars | [Public [Default] | Private] (procedure | vars) | Const ...
void Parser::parseClassMember(ClassDecl& cls)
{
    SourcePos p = pos();
    if (atKw(Kw::Public) || atKw(Kw::Private)) {
        parseModifiedDeclaration(nullptr, &cls);
    } else if (acceptKw(Kw::Dim)) {
        if (StmtPtr s = parseDim(Visibility::Default, p))
            cls.fields.emplace_back(static_cast<DimStmt*>(s.release()));
    } else if (acceptKw(Kw::Const)) {
        if (StmtPtr s = parseConst(Visibility::Default, p))
            cls.consts.emplace_back(static_cast<ConstStmt*>(s.release()));
    } else if (atDeclarationStart() && !atKw(Kw::Class)) {
        if (ProcedurePtr proc = parseProcedure(Visibility::Default, false, true, p))
            addClassProcedure(cls, std::move(proc));
    } else {
        error(ErrorCode::ExpectedStatement);
    }
}

// A property's Let and Set take its Get's arguments and the value: 1051
// when another property of the name counts them differently.
void Parser::addClassProcedure(ClassDecl& cls, ProcedurePtr proc)
{
    declare(proc->name, nameKindOf(proc->kind), proc->pos);
    auto indexCount = [](const Procedure& p) {
        return p.params.size() - (p.kind == ProcKind::PropertyGet || p.params.empty() ? 0 : 1);
    };
    if (!m_failed && proc->kind >= ProcKind::PropertyGet) {
        for (const ProcedurePtr& other : cls.procedures) {
            if (other->kind >= ProcKind::PropertyGet && equalsIgnoreCase(other->name, proc->name)
                && indexCount(*other) != indexCount(*proc)) {
                error(ErrorCode::InconsistentArgCount, proc->pos);
                return;
            }
        }
    }
    cls.procedures.push_back(std::move(proc));
}

} // namespace vbs::syntax
