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
    case StmtKind::If: return ifStmt(static_cast<const IfStmt&>(s));
    case StmtKind::ForEach: {
        auto& f = static_cast<const ForEachStmt&>(s);
        return "(foreach " + narrow(f.variable) + " " + printExpr(f.collection.get()) + " " + printBlock(f.body) + ")";
    }
    case StmtKind::Exit: {
        static const char* names[] = { "do", "for", "sub", "function", "property" };
        return std::string("(exit ") + names[static_cast<int>(static_cast<const ExitStmt&>(s).what)] + ")";
    }
    default: break;
    }
    return "<stmt>";
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
    for (const StmtPtr& s : program.statements)
        out += (out.empty() ? "" : " ") + printStmt(*s);
    return out;
}

} // namespace vbs::test
