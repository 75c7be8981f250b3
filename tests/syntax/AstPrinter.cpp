#include "AstPrinter.h"

#include <cstdio>

namespace vbs::test {

using namespace ast;

namespace {

std::string narrow(std::u16string_view s)
{
    return utf16ToUtf8(s);
}

std::string literal(const Variant& v)
{
    char buf[64];
    switch (v.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Boolean: return v.asBool() ? "True" : "False";
    case VarType::Integer: return std::to_string(v.asInteger()) + "%";
    case VarType::Long: return std::to_string(v.asLong()) + "&";
    case VarType::Double:
        std::snprintf(buf, sizeof buf, "%.17g#", v.asDouble());
        return buf;
    case VarType::Date:
        std::snprintf(buf, sizeof buf, "#%.10g#", v.asDate());
        return buf;
    case VarType::String: return "\"" + narrow(v.stringView()) + "\"";
    case VarType::Object: return v.isNothing() ? "Nothing" : "<object>";
    default: return "<?>";
    }
}

const char* binaryName(BinaryOp op)
{
    static const char* names[] = { "^", "*", "/", "\\", "mod", "+", "-", "&", "=", "<>", "<", ">", "<=", ">=",
        "is", "and", "or", "xor", "eqv", "imp" };
    return names[static_cast<int>(op)];
}

std::string args(const std::vector<ExprPtr>& list)
{
    std::string out;
    for (const ExprPtr& a : list)
        out += " " + (a ? printExpr(a.get()) : std::string("_"));
    return out;
}

std::string vars(const std::vector<VarDecl>& list)
{
    std::string out;
    for (const VarDecl& v : list) {
        out += " " + narrow(v.name);
        if (!v.isArray)
            continue;
        out += "(";
        for (size_t i = 0; i < v.bounds.size(); ++i)
            out += (i ? "," : "") + printExpr(v.bounds[i].get());
        out += ")";
    }
    return out;
}

std::string visibility(Visibility v)
{
    return v == Visibility::Public ? " public" : v == Visibility::Private ? " private" : "";
}

std::string printStmt(const Stmt& s);

std::string ifStmt(const IfStmt& s)
{
    std::string out = "(if";
    for (size_t i = 0; i < s.branches.size(); ++i)
        out += (i ? " elseif " : " ") + printExpr(s.branches[i].condition.get()) + " "
            + printBlock(s.branches[i].body);
    if (s.hasElse)
        out += " else " + printBlock(s.elseBody);
    return out + ")";
}

std::string selectStmt(const SelectStmt& s)
{
    std::string out = "(select " + printExpr(s.subject.get());
    for (const auto& c : s.cases)
        out += " (case" + args(c.values) + " " + printBlock(c.body) + ")";
    if (s.hasElse)
        out += " (else " + printBlock(s.elseBody) + ")";
    return out + ")";
}

std::string doStmt(const DoStmt& s)
{
    std::string out = "(do";
    if (s.conditionKind != LoopCondition::None) {
        out += s.testAtEnd ? " end" : " top";
        out += s.conditionKind == LoopCondition::While ? " while " : " until ";
        out += printExpr(s.condition.get());
    }
    return out + " " + printBlock(s.body) + ")";
}

std::string printStmt(const Stmt& s)
{
    switch (s.kind) {
    case StmtKind::Assign: {
        auto& a = static_cast<const AssignStmt&>(s);
        return std::string(a.isSet ? "(set " : "(let ") + printExpr(a.target.get()) + " " + printExpr(a.value.get())
            + ")";
    }
    case StmtKind::Call: {
        auto& c = static_cast<const CallStmt&>(s);
        return std::string(c.explicitCall ? "(Call " : "(callstmt ") + printExpr(c.target.get()) + args(c.args) + ")";
    }
    case StmtKind::Dim: {
        auto& d = static_cast<const DimStmt&>(s);
        return "(dim" + visibility(d.visibility) + vars(d.vars) + ")";
    }
    case StmtKind::ReDim: {
        auto& d = static_cast<const ReDimStmt&>(s);
        return std::string("(redim") + (d.preserve ? " preserve" : "") + vars(d.vars) + ")";
    }
    case StmtKind::Erase: {
        std::string out = "(erase";
        for (const auto& n : static_cast<const EraseStmt&>(s).names)
            out += " " + narrow(n);
        return out + ")";
    }
    case StmtKind::Const: {
        auto& c = static_cast<const ConstStmt&>(s);
        std::string out = "(const" + visibility(c.visibility);
        for (const auto& d : c.consts)
            out += " " + narrow(d.name) + "=" + printExpr(d.value.get());
        return out + ")";
    }
    case StmtKind::If: return ifStmt(static_cast<const IfStmt&>(s));
    case StmtKind::Select: return selectStmt(static_cast<const SelectStmt&>(s));
    case StmtKind::For: {
        auto& f = static_cast<const ForStmt&>(s);
        return "(for " + narrow(f.variable) + " " + printExpr(f.from.get()) + " " + printExpr(f.to.get())
            + (f.step ? " step " + printExpr(f.step.get()) : "") + " " + printBlock(f.body) + ")";
    }
    case StmtKind::ForEach: {
        auto& f = static_cast<const ForEachStmt&>(s);
        return "(foreach " + narrow(f.variable) + " " + printExpr(f.collection.get()) + " " + printBlock(f.body) + ")";
    }
    case StmtKind::Do: return doStmt(static_cast<const DoStmt&>(s));
    case StmtKind::While: {
        auto& w = static_cast<const WhileStmt&>(s);
        return "(while " + printExpr(w.condition.get()) + " " + printBlock(w.body) + ")";
    }
    case StmtKind::Exit: {
        static const char* names[] = { "do", "for", "sub", "function", "property" };
        return std::string("(exit ") + names[static_cast<int>(static_cast<const ExitStmt&>(s).what)] + ")";
    }
    case StmtKind::OnError:
        return static_cast<const OnErrorStmt&>(s).resumeNext ? "(onerror resume)" : "(onerror goto0)";
    case StmtKind::With: {
        auto& w = static_cast<const WithStmt&>(s);
        return "(with " + printExpr(w.object.get()) + " " + printBlock(w.body) + ")";
    }
    case StmtKind::Stop: return "(stop)";
    }
    return "<?>";
}

std::string printProcedure(const Procedure& p)
{
    static const char* kinds[] = { "sub", "function", "get", "let", "set" };
    std::string out = std::string("(") + kinds[static_cast<int>(p.kind)] + visibility(p.visibility)
        + (p.isDefault ? " default" : "") + " " + narrow(p.name) + " (";
    for (size_t i = 0; i < p.params.size(); ++i) {
        const Param& param = p.params[i];
        out += (i ? " " : "") + std::string(param.byVal ? "byval " : "") + narrow(param.name)
            + (param.isArray ? "()" : "");
    }
    return out + ") " + printBlock(p.body) + ")";
}

} // namespace

std::string printExpr(const Expr* e)
{
    if (!e)
        return "_";
    switch (e->kind) {
    case ExprKind::Literal: return literal(static_cast<const LiteralExpr*>(e)->value);
    case ExprKind::Name: return narrow(static_cast<const NameExpr*>(e)->name);
    case ExprKind::Me: return "Me";
    case ExprKind::Member: {
        auto* m = static_cast<const MemberExpr*>(e);
        return "(. " + (m->object ? printExpr(m->object.get()) + " " : std::string()) + narrow(m->name) + ")";
    }
    case ExprKind::Call: {
        auto* c = static_cast<const CallExpr*>(e);
        return "(call " + printExpr(c->callee.get()) + args(c->args) + ")";
    }
    case ExprKind::Paren: return "(paren " + printExpr(static_cast<const ParenExpr*>(e)->inner.get()) + ")";
    case ExprKind::Unary: {
        auto* u = static_cast<const UnaryExpr*>(e);
        static const char* names[] = { "neg", "plus", "not" };
        return std::string("(") + names[static_cast<int>(u->op)] + " " + printExpr(u->operand.get()) + ")";
    }
    case ExprKind::Binary: {
        auto* b = static_cast<const BinaryExpr*>(e);
        return std::string("(") + binaryName(b->op) + " " + printExpr(b->left.get()) + " " + printExpr(b->right.get())
            + ")";
    }
    case ExprKind::New: return "(new " + narrow(static_cast<const NewExpr*>(e)->className) + ")";
    }
    return "<?>";
}

std::string printBlock(const Block& block)
{
    std::string out = "{";
    for (size_t i = 0; i < block.size(); ++i)
        out += (i ? " " : "") + printStmt(*block[i]);
    return out + "}";
}

std::string printProgram(const Program& program)
{
    std::string out;
    auto add = [&](const std::string& s) { out += (out.empty() ? "" : " ") + s; };
    if (program.optionExplicit)
        add("(option explicit)");
    for (const ClassDeclPtr& c : program.classes) {
        std::string cls = "(class " + narrow(c->name);
        for (const auto& f : c->fields)
            cls += " " + printStmt(*f);
        for (const auto& k : c->consts)
            cls += " " + printStmt(*k);
        for (const auto& p : c->procedures)
            cls += " " + printProcedure(*p);
        add(cls + ")");
    }
    for (const ProcedurePtr& p : program.procedures)
        add(printProcedure(*p));
    for (const StmtPtr& s : program.statements)
        add(printStmt(*s));
    return out;
}

} // namespace vbs::test
