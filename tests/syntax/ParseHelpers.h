// Shared helpers: parse UTF-8 source and render the result as one line.
#pragma once

#include "AstPrinter.h"
#include "syntax/Parser.h"

#include <string>
#include <string_view>

namespace vbs::test {

// The program's printed shape, or "error N at L:C".
inline std::string parsed(std::string_view source)
{
    auto result = parseProgram(utf8ToUtf16(source));
    if (!result.ok()) {
        const ScriptError& e = result.error();
        return "error " + std::to_string(e.number) + " at " + std::to_string(e.line) + ":" + std::to_string(e.column);
    }
    return printProgram(*result.value());
}

inline std::string parsedExpr(std::string_view source)
{
    auto result = parseExpression(utf8ToUtf16(source));
    if (!result.ok())
        return "error " + std::to_string(result.error().number);
    return printExpr(result.value().get());
}

// The shape of the single top-level statement `x = <expr>`'s value.
inline std::string exprShape(std::string_view expr)
{
    std::string out = parsed("x = " + std::string(expr));
    const std::string prefix = "(let x ";
    if (out.rfind(prefix, 0) == 0 && out.back() == ')')
        return out.substr(prefix.size(), out.size() - prefix.size() - 1);
    return out;
}

} // namespace vbs::test
