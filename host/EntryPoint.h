// EntryPoint: start-up (Main, ReadScriptPath) and the program-wide state
// (the declarations and the references to the two windows). It is the
// dialog layer's Program: windows are created on first use, and a window
// that is unloaded while a host call still runs on it is destroyed only
// once that call has returned.
#pragma once

#include "FrmRuntime.h"

namespace vorna::host {

class EntryPoint : public dialog::Program {
public:
    explicit EntryPoint(platform::Desktop& desktop);
    ~EntryPoint() override;

    // Start-up. Returns with the window shown, or with the program over
    // (finished()): ended by a message, or closed by the script's Quit.
    void Main();
    // The cleaned script path of an existing file; nullopt once the usage or
    // missing-file message has ended the program.
    std::optional<Str> ReadScriptPath();

    // True once nothing is left to wait for: the program ended at once, or
    // the dialog window was closed and no script call is running.
    bool finished() const { return m_ended || (m_closed && m_depth == 0); }
    bool ended() const override { return m_ended; }

    platform::Desktop& desktop() override { return m_desktop; }
    dialog::FrmDialog& frmDialog() override;
    void runProcedure(const Str& name) override;
    void unloadRuntime() override;
    void clearWindowReferences() override;
    FrmRuntime* frmRuntime() { return m_frmRuntime.get(); }
    dialog::FrmDialog* loadedDialog() { return m_frmDialog.get(); }

    // Declarations.
    Str ScriptPath;
    std::unique_ptr<platform::TextFile> ScriptStream;

private:
    // Brackets every call into the engine that the host makes.
    class Call;
    void fatal(const vbs::ScriptError& error);
    void centreAndShow();
    void afterCall();

    platform::Desktop& m_desktop;
    std::unique_ptr<dialog::FrmDialog> m_frmDialog;
    std::unique_ptr<FrmRuntime> m_frmRuntime;
    // Unloaded windows; destroyed with the EntryPoint, after the event loop.
    std::vector<std::unique_ptr<dialog::FrmDialog>> m_retiredDialogs;
    std::vector<std::unique_ptr<FrmRuntime>> m_retiredRuntimes;
    int m_depth = 0;
    bool m_ended = false;
    bool m_closed = false;
};

// Trims blanks (code 32 only) from both ends, then removes every double quote.
Str cleanScriptPath(const Str& commandLine);

} // namespace vorna::host
