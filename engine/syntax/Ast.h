// The syntax tree the parser builds and the compiler consumes. Nodes own
// their children (unique_ptr); every node carries its source position.
// Names keep the script's spelling; comparisons fold case (foldName).
#pragma once

#include "runtime/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace vbs::ast {

struct SourcePos {
    int32_t line = 0; // 1-based within the text given to the parser
    int32_t column = 0; // 0-based
};

// ---------------------------------------------------------------- expressions

enum class ExprKind : uint8_t {
    Literal, // a constant value: numbers, strings, dates, True/False, Empty, Null, Nothing
    Name, // an identifier
    Me, // Me
    Member, // object.name, or .name inside With (object is null)
    Call, // callee(args): a call, an array index, or a default-member call
    Paren, // (expr): keeps a ByRef argument from being passed by reference
    Unary,
    Binary,
    New, // New ClassName
};

enum class UnaryOp : uint8_t { Neg, Plus, Not };

enum class BinaryOp : uint8_t {
    Pow, Mul, Div, IntDiv, Mod, Add, Sub, Concat,
    Eq, Ne, Lt, Gt, Le, Ge, Is,
    And, Or, Xor, Eqv, Imp,
};

struct Expr {
    explicit Expr(ExprKind k, SourcePos p)
        : kind(k)
        , pos(p)
    {
    }
    virtual ~Expr() = default;
    ExprKind kind;
    SourcePos pos;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr {
    LiteralExpr(SourcePos p, Variant v)
        : Expr(ExprKind::Literal, p)
        , value(std::move(v))
    {
    }
    Variant value;
};

struct NameExpr : Expr {
    NameExpr(SourcePos p, std::u16string n)
        : Expr(ExprKind::Name, p)
        , name(std::move(n))
    {
    }
    std::u16string name;
};

struct MeExpr : Expr {
    explicit MeExpr(SourcePos p)
        : Expr(ExprKind::Me, p)
    {
    }
};

struct MemberExpr : Expr {
    MemberExpr(SourcePos p, ExprPtr obj, std::u16string n)
        : Expr(ExprKind::Member, p)
        , object(std::move(obj))
        , name(std::move(n))
    {
    }
    ExprPtr object; // null: the innermost With object
    std::u16string name;
};

// callee(a, , c): an omitted argument is a null ExprPtr.
struct CallExpr : Expr {
    CallExpr(SourcePos p, ExprPtr c, std::vector<ExprPtr> a)
        : Expr(ExprKind::Call, p)
        , callee(std::move(c))
        , args(std::move(a))
    {
    }
    ExprPtr callee; // Name, Member, Me, or another Call (a(1)(2))
    std::vector<ExprPtr> args;
};

struct ParenExpr : Expr {
    ParenExpr(SourcePos p, ExprPtr e)
        : Expr(ExprKind::Paren, p)
        , inner(std::move(e))
    {
    }
    ExprPtr inner;
};

struct UnaryExpr : Expr {
    UnaryExpr(SourcePos p, UnaryOp o, ExprPtr e)
        : Expr(ExprKind::Unary, p)
        , op(o)
        , operand(std::move(e))
    {
    }
    UnaryOp op;
    ExprPtr operand;
};

struct BinaryExpr : Expr {
    BinaryExpr(SourcePos p, BinaryOp o, ExprPtr l, ExprPtr r)
        : Expr(ExprKind::Binary, p)
        , op(o)
        , left(std::move(l))
        , right(std::move(r))
    {
    }
    BinaryOp op;
    ExprPtr left, right;
};

struct NewExpr : Expr {
    NewExpr(SourcePos p, std::u16string c)
        : Expr(ExprKind::New, p)
        , className(std::move(c))
    {
    }
    std::u16string className;
};

// ----------------------------------------------------------------- statements

enum class StmtKind : uint8_t {
    Assign, // [Let] target = value  |  Set target = value
    Call, // [Call] target args
    Dim, // Dim / Public / Private / ReDim variables (see DimStmt)
    ReDim,
    Erase,
    Const,
    If,
    Select,
    For,
    ForEach,
    Do,
    While,
    Exit,
    OnError,
    With,
    Stop,
};

enum class Visibility : uint8_t { Default, Public, Private };

struct Stmt {
    explicit Stmt(StmtKind k, SourcePos p)
        : kind(k)
        , pos(p)
    {
    }
    virtual ~Stmt() = default;
    StmtKind kind;
    SourcePos pos; // where the statement starts; runtime errors report its line
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct AssignStmt : Stmt {
    AssignStmt(SourcePos p)
        : Stmt(StmtKind::Assign, p)
    {
    }
    ExprPtr target; // Name, Member, or Call (indexed / property with args)
    ExprPtr value;
    bool isSet = false;
};

// A call as a statement. `foo a, b` and `Call foo(a, b)` and `obj.m a`.
// `foo (a)` (no Call) has one argument that is a ParenExpr. The parser
// rejects `foo(a, b)` without Call (1044).
struct CallStmt : Stmt {
    CallStmt(SourcePos p)
        : Stmt(StmtKind::Call, p)
    {
    }
    ExprPtr target; // Name, Member, Me, or Call (for `a(1).b x`, `obj(1)`)
    std::vector<ExprPtr> args; // omitted arguments are null
    bool explicitCall = false; // written with Call
};

struct VarDecl {
    SourcePos pos;
    std::u16string name;
    bool isArray = false; // Dim a() or Dim a(3)
    std::vector<ExprPtr> bounds; // upper bounds; empty with isArray: dynamic array
};

// Dim, and Public/Private variable declarations (at script level or in a class).
struct DimStmt : Stmt {
    DimStmt(SourcePos p)
        : Stmt(StmtKind::Dim, p)
    {
    }
    Visibility visibility = Visibility::Default;
    std::vector<VarDecl> vars;
};

struct ReDimStmt : Stmt {
    ReDimStmt(SourcePos p)
        : Stmt(StmtKind::ReDim, p)
    {
    }
    bool preserve = false;
    std::vector<VarDecl> vars; // bounds always present
};

struct EraseStmt : Stmt {
    EraseStmt(SourcePos p)
        : Stmt(StmtKind::Erase, p)
    {
    }
    std::vector<std::u16string> names;
};

struct ConstDecl {
    SourcePos pos;
    std::u16string name;
    ExprPtr value; // a literal, or a unary minus / parenthesised literal
};

struct ConstStmt : Stmt {
    ConstStmt(SourcePos p)
        : Stmt(StmtKind::Const, p)
    {
    }
    Visibility visibility = Visibility::Default;
    std::vector<ConstDecl> consts;
};

struct IfStmt : Stmt {
    IfStmt(SourcePos p)
        : Stmt(StmtKind::If, p)
    {
    }
    struct Branch {
        ExprPtr condition;
        Block body;
    };
    std::vector<Branch> branches; // If, then each ElseIf
    Block elseBody;
    bool hasElse = false;
};

struct SelectStmt : Stmt {
    SelectStmt(SourcePos p)
        : Stmt(StmtKind::Select, p)
    {
    }
    struct Case {
        SourcePos pos;
        std::vector<ExprPtr> values;
        Block body;
    };
    ExprPtr subject;
    std::vector<Case> cases;
    Block elseBody;
    bool hasElse = false;
};

struct ForStmt : Stmt {
    ForStmt(SourcePos p)
        : Stmt(StmtKind::For, p)
    {
    }
    std::u16string variable;
    ExprPtr from, to, step; // step may be null (1)
    Block body;
};

struct ForEachStmt : Stmt {
    ForEachStmt(SourcePos p)
        : Stmt(StmtKind::ForEach, p)
    {
    }
    std::u16string variable;
    ExprPtr collection;
    Block body;
};

enum class LoopCondition : uint8_t { None, While, Until };

struct DoStmt : Stmt {
    DoStmt(SourcePos p)
        : Stmt(StmtKind::Do, p)
    {
    }
    LoopCondition conditionKind = LoopCondition::None;
    bool testAtEnd = false; // Do ... Loop While x
    ExprPtr condition;
    Block body;
};

struct WhileStmt : Stmt {
    WhileStmt(SourcePos p)
        : Stmt(StmtKind::While, p)
    {
    }
    ExprPtr condition;
    Block body;
};

enum class ExitKind : uint8_t { Do, For, Sub, Function, Property };

struct ExitStmt : Stmt {
    ExitStmt(SourcePos p, ExitKind k)
        : Stmt(StmtKind::Exit, p)
        , what(k)
    {
    }
    ExitKind what;
};

struct OnErrorStmt : Stmt {
    OnErrorStmt(SourcePos p, bool r)
        : Stmt(StmtKind::OnError, p)
        , resumeNext(r)
    {
    }
    bool resumeNext; // false: On Error GoTo 0
};

struct WithStmt : Stmt {
    WithStmt(SourcePos p)
        : Stmt(StmtKind::With, p)
    {
    }
    ExprPtr object;
    Block body;
};

struct StopStmt : Stmt {
    explicit StopStmt(SourcePos p)
        : Stmt(StmtKind::Stop, p)
    {
    }
};

// --------------------------------------------------------------- declarations

enum class ProcKind : uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Param {
    SourcePos pos;
    std::u16string name;
    bool byVal = false; // ByRef is the default
    bool isArray = false; // written as name()
};

struct Procedure {
    SourcePos pos;
    SourcePos endPos; // the End Sub / End Function line
    ProcKind kind = ProcKind::Sub;
    Visibility visibility = Visibility::Default;
    bool isDefault = false; // Public Default
    std::u16string name;
    std::vector<Param> params;
    Block body;
};
using ProcedurePtr = std::unique_ptr<Procedure>;

struct ClassDecl {
    SourcePos pos;
    std::u16string name;
    std::vector<std::unique_ptr<DimStmt>> fields; // Dim/Public/Private fields, in order
    std::vector<std::unique_ptr<ConstStmt>> consts; // seen by the class's own code
    std::vector<ProcedurePtr> procedures;
};
using ClassDeclPtr = std::unique_ptr<ClassDecl>;

// One text given to the parser. Procedures and classes are collected apart
// from the top-level statements: they exist before the statements run.
struct Program {
    bool optionExplicit = false;
    std::vector<ProcedurePtr> procedures;
    std::vector<ClassDeclPtr> classes;
    Block statements;
    std::vector<std::u16string> lines; // the source split in lines, for error reports
};

} // namespace vbs::ast
