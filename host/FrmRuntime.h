// frmRuntime: the hidden window that owns the script engine ("Script"),
// creates the one Dialog object and reports every script error. It is also
// the engine's site: the script's message and input boxes are owned by the
// dialog window, and a script that runs too long is asked about.
#pragma once

#include "Dialog.h"

namespace vorna::host {

using vbs::Str;

class FrmRuntime : public vbs::ScriptSite {
public:
    // Called when the error report has ended the program (the stand-in
    // desktop returns from ending it; the real one never does).
    FrmRuntime(dialog::Program& program, std::function<void()> onEnded);
    ~FrmRuntime() override;

    // The load handler: dlg, the site, AddObject "Dialog" with its members.
    vbs::Status load();
    // The unload handler: releases dlg; the engine goes with this object.
    void unload();
    vbs::ScriptEngine& Script() { return *m_script; }
    // The engine's error event: "Source Number at line Line", a blank line,
    // Description; then the program ends at once.
    void ReportScriptError();

    int messageBox(const Str& prompt, int buttons, const Str& title) override;
    std::optional<Str> inputBox(const Str& prompt, const Str& title, const Str& defaultText,
                                std::optional<int> xpos, std::optional<int> ypos) override;
    int popup(const Str& prompt, int seconds, const Str& title, int buttons) override;
    bool stopOnTimeout() override;

    static constexpr int Timeout = 50000;

private:
    platform::Window* owner();
    dialog::Program& m_program;
    std::function<void()> m_onEnded;
    std::unique_ptr<vbs::ScriptEngine> m_script;
    vbs::Ref<dialog::Dialog> dlg;
    bool m_reported = false;
};

// The prompt of the error report.
Str errorPrompt(const Str& source, int32_t number, int32_t line, const Str& description);

} // namespace vorna::host
