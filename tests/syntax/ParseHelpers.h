// Shared helper: parse UTF-8 source and tell how it went in one line.
#pragma once

#include "syntax/Parser.h"

#include <string>
#include <string_view>

namespace vbs::test {

// "ok", or "error N at L:C".
inline std::string parsed(std::string_view source)
{
    auto result = parseProgram(utf8ToUtf16(source));
    if (result.ok())
        return "ok";
    const ScriptError& e = result.error();
    return "error " + std::to_string(e.number) + " at " + std::to_string(e.line) + ":" + std::to_string(e.column);
}

} // namespace vbs::test
