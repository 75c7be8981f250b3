// vbsrun: runs a script file headless.
//   vbsrun [--errors-to-stdout] [--timeout=MS] FILE
// The file is read as UTF-8 (byte-order mark skipped; other bytes as
// Windows-1252). A script error prints the host's error report and exits 1.
// --timeout stops the script (and the Class_Terminate code run at its end)
// after MS milliseconds without returning to the runner.
#include "Console.h"
#include "ScriptEngine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr int ExitScriptError = 1;
constexpr int ExitUsage = 2;
constexpr int ExitNoFile = 3;

void printReport(std::FILE* out, const vbs::ScriptError& e)
{
    std::string text = e.source.toUtf8() + " " + std::to_string(e.number) + " at line " + std::to_string(e.line)
        + "\n\n" + e.description.toUtf8() + "\n";
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
}

} // namespace

int main(int argc, char** argv)
{
    bool errorsToStdout = false;
    int timeout = 0;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--errors-to-stdout") == 0)
            errorsToStdout = true;
        else if (std::strncmp(argv[i], "--timeout=", 10) == 0)
            timeout = std::atoi(argv[i] + 10);
        else if (!path)
            path = argv[i];
        else
            path = nullptr, i = argc; // more than one file
    }
    if (!path) {
        std::fprintf(stderr, "usage: vbsrun [--errors-to-stdout] [--timeout=MS] FILE\n");
        return ExitUsage;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "vbsrun: cannot open %s\n", path);
        return ExitNoFile;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    vbsrun::TerminalSite site;
    vbs::ScriptEngine engine;
    engine.setSite(&site);
    engine.setTimeout(timeout);
    bool failed = false;
    engine.setErrorHandler([&](const vbs::ScriptError& e) {
        failed = true;
        printReport(errorsToStdout ? stdout : stderr, e);
    });
    if (!engine.addObject(u"Console", vbs::makeRef<vbsrun::Console>(), vbs::AddMembers::Yes).ok()) {
        std::fprintf(stderr, "vbsrun: cannot register Console\n");
        return ExitScriptError;
    }
    std::u16string text = vbs::decodeScriptText(bytes);
    vbs::Status status = engine.addCode(text);
    if (!status.ok() && !failed)
        printReport(errorsToStdout ? stdout : stderr, status.error());
    std::fflush(stdout);
    return (failed || !status.ok()) ? ExitScriptError : 0;
}
