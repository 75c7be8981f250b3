// vbsrun: runs a script file headless.
//   vbsrun [--errors-to-stdout] [--timeout=MS] SCRIPT [ARG...]
// The file is read as the hosts read scripts (UTF-8, byte-order marks
// honoured, other bytes as Windows-1252). The arguments after the script
// reach it through WScript.Arguments. A script error prints the host's error
// report and exits 1; WScript.Quit ends with the status it is given.
// --timeout stops the script (and the Class_Terminate code run at its end)
// after MS milliseconds without returning to the runner.
#include "Console.h"
#include "ScriptEngine.h"
#include "Scripting.h"
#include "Support.h"
#include "VbsrunVersion.h"
#include "WScript.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <iterator>
#include <string>

namespace {

constexpr int ExitScriptError = 1;
constexpr int ExitUsage = 2;
constexpr int ExitNoFile = 3;

constexpr const char* Synopsis = "usage: vbsrun [--errors-to-stdout] [--timeout=MS] SCRIPT [ARG...]\n"
                                 "       vbsrun --help | --version\n"
                                 "Runs SCRIPT; the arguments after it reach the script as WScript.Arguments.\n"
                                 "  --errors-to-stdout  write a script error's report to standard output\n"
                                 "  --timeout=MS        stop the script after MS milliseconds (error 18)\n";

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
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        if (std::strcmp(argv[i], "--errors-to-stdout") == 0) {
            errorsToStdout = true;
        } else if (std::strncmp(argv[i], "--timeout=", 10) == 0) {
            timeout = std::atoi(argv[i] + 10);
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Synopsis, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vbsrun %s\n", VBSRUN_VERSION);
            return 0;
        } else {
            std::fprintf(stderr, "vbsrun: unknown option %s\n%s", argv[i], Synopsis);
            return ExitUsage;
        }
    }
    if (i >= argc) {
        std::fputs(Synopsis, stderr);
        return ExitUsage;
    }
    const char* path = argv[i];
    std::vector<std::string> arguments(argv + i + 1, argv + argc);
    std::optional<std::string> read = vorna::scripting::readWholeFile(path);
    if (!read) {
        std::fprintf(stderr, "vbsrun: cannot open %s\n", path);
        return ExitNoFile;
    }
    std::string bytes = std::move(*read);

    // Declared before the engine: its teardown may still run script code.
    vbsrun::TerminalSite site;
    bool failed = false;
    vbs::Ref<vbsrun::WScript> wscript;
    vbs::ScriptEngine engine;
    engine.setSite(&site);
    vorna::scripting::registerClasses(engine);
    wscript = vbs::makeRef<vbsrun::WScript>(engine, vorna::scripting::absolutePath(path), std::move(arguments));
    engine.setTimeout(timeout);
    engine.setErrorHandler([&](const vbs::ScriptError& e) {
        if (wscript->quitCode())
            return;
        failed = true;
        printReport(errorsToStdout ? stdout : stderr, e);
    });
    if (!engine.addObject(u"Console", vbs::makeRef<vbsrun::Console>(), vbs::AddMembers::Yes).ok()
        || !engine.addObject(u"WScript", vbs::Ref<vbs::Object>(wscript.get())).ok()) {
        std::fprintf(stderr, "vbsrun: cannot register the host objects\n");
        return ExitScriptError;
    }
    std::u16string text = vbs::decodeScriptText(bytes);
    vbs::Status status = engine.addCode(text);
    if (auto code = wscript->quitCode()) {
        std::fflush(stdout);
        return *code;
    }
    if (!status.ok() && !failed)
        printReport(errorsToStdout ? stdout : stderr, status.error());
    std::fflush(stdout);
    return (failed || !status.ok()) ? ExitScriptError : 0;
}
