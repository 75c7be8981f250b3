// Renders syntax trees as compact S-expressions, so that tests can state the
// expected shape in one line: expressions, and the statements the parser tests
// look at (others print as <stmt>; procedures and classes are left out).
#pragma once

#include "syntax/Ast.h"

#include <string>

namespace vbs::test {

std::string printExpr(const ast::Expr* e);
std::string printBlock(const ast::Block& block);
std::string printProgram(const ast::Program& program);

} // namespace vbs::test
