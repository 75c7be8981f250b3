// libFuzzer target: any bytes, read as a script file is read, must parse to
// a tree or a compilation error. Build with clang and -DVORNA_FUZZ=ON, then
// run it seeded from the conformance scripts, for example
//   fuzz_parser -max_total_time=60 -max_len=4096 corpus/ tests/scripts/language
#include "syntax/Parser.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536)
        return 0;
    std::u16string text = vbs::decodeScriptText(std::string_view(reinterpret_cast<const char*>(data), size));
    auto program = vbs::parseProgram(text);
    if (!program.ok() && !vbs::isCompilationError(program.error().number))
        __builtin_trap();
    auto expr = vbs::parseExpression(text);
    if (!expr.ok() && !vbs::isCompilationError(expr.error().number))
        __builtin_trap();
    return 0;
}
