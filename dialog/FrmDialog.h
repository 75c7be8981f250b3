// frmDialog: the one visible window, with its five control arrays (hidden
// templates at index 0), the layout cursor and the frame measurements, the
// button click route into the script and the query-unload order.
#pragma once

#include "Desktop.h"

namespace vorna::dialog {

using vbs::Result;
using vbs::Status;
using vbs::Str;

class FrmDialog;

// What the dialog layer needs of the script host that owns both windows.
class Program {
public:
    virtual ~Program() = default;
    virtual platform::Desktop& desktop() = 0;
    // The global reference to the dialog window; a freshly loaded (hidden)
    // window when it is empty.
    virtual FrmDialog& frmDialog() = 0;
    // Runs a script procedure without arguments; result and failure dropped.
    virtual void runProcedure(const Str& name) = 0;
    virtual void unloadRuntime() = 0;
    // Clears the global references to both windows (the objects themselves
    // are destroyed once no host call is running on them).
    virtual void clearWindowReferences() = 0;
    // True once an error report has ended the program; only a stand-in
    // desktop lets control come back after that.
    virtual bool ended() const = 0;
};

class FrmDialog {
public:
    FrmDialog(Program& program);
    FrmDialog(const FrmDialog&) = delete;
    FrmDialog& operator=(const FrmDialog&) = delete;

    // The load handler: cursor (5, 5), frame measurements, no inner height,
    // 2000 twips wide.
    Status load();
    // The click handler of the Buttons array: Tag & "_Click" is run; every
    // failure is passed over.
    void buttonClick(int16_t index);
    // Unloads the host window, then this one, then clears both references.
    void queryUnload();

    platform::Window& window() { return *m_window; }
    platform::ControlArray& controls(platform::ControlKind kind) { return m_window->controls(kind); }

    // Layout variables (pixels; frame measurements in twips).
    int16_t CurrentLeft = 0;
    int16_t CurrentTop = 0;
    float DiffWidth = 0;
    float DiffHeight = 0;

private:
    Program& m_program;
    std::unique_ptr<platform::Window> m_window;
};

} // namespace vorna::dialog
