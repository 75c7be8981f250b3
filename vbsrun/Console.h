// The runner's Console object: WriteLine, Write and ReadLine over the
// process's standard streams, and the site that answers MsgBox and InputBox
// on the terminal.
#pragma once

#include "automation/Dispatch.h"
#include "runtime/ScriptSite.h"

#include <cstdio>

namespace vbsrun {

class Console : public vbs::HostObject {
public:
    Console();
    static const vbs::ClassInfo& info();

    vbs::Status writeText(const vbs::Variant& text, bool newLine);
    vbs::Str readLine();
};

// MsgBox writes its prompt and answers OK; InputBox writes its prompt and
// reads a line, giving its default at the end of input.
class TerminalSite : public vbs::ScriptSite {
public:
    int messageBox(const vbs::Str& prompt, int buttons, const vbs::Str& title) override;
    std::optional<vbs::Str> inputBox(const vbs::Str& prompt, const vbs::Str& title, const vbs::Str& defaultText,
                                     std::optional<int> xpos, std::optional<int> ypos) override;
    // With --timeout the runner stops a script that runs too long.
    bool stopOnTimeout() override { return true; }
};

// One line of standard input without its line end; nullopt at end of input.
std::optional<std::string> readInputLine();

} // namespace vbsrun
