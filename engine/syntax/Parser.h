// The parser: source text to a syntax tree. Errors are compilation errors
// (numbers 1001-1058) with the line, column and text of the offending line.
#pragma once

#include "runtime/Error.h"
#include "syntax/Ast.h"

#include <memory>
#include <string_view>

namespace vbs {

// A whole script text (AddCode, ExecuteGlobal, Execute).
Result<std::unique_ptr<ast::Program>> parseProgram(std::u16string_view text);

// A single expression (Eval); anything after it is 1025.
Result<ast::ExprPtr> parseExpression(std::u16string_view text);

} // namespace vbs
