// The compiler: syntax tree to compact code, names resolved to slots.
#pragma once

#include "compiler/Code.h"
#include "runtime/Error.h"

namespace vbs {

// The procedure scope that Execute and Eval run in: its named locals (as
// slots of the running frame) and its class.
struct OuterScope {
    const std::vector<std::u16string>* localNames = nullptr; // folded, by slot
    ClassDef* cls = nullptr;
    const Proc* proc = nullptr; // the procedure running the text, when one does
};

// A whole text (AddCode, ExecuteGlobal, Execute). Compilation errors carry
// their line and column; the lines come from program.lines.
Result<CompiledUnit> compileProgram(const ast::Program& program, const GlobalTable& globals,
                                    const OuterScope* outer = nullptr);

// An expression (Eval): top-level code that leaves the value in resultSlot.
Result<CompiledUnit> compileExpression(const ast::Expr& expr, std::shared_ptr<const SourceText> source,
                                       const GlobalTable& globals, const OuterScope* outer = nullptr);

// Readable listing of compiled code, for tests and debugging.
std::string disassemble(const Code& code);

} // namespace vbs
