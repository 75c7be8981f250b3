// What the engine asks of its host: the windows it opens for scripts and the
// time-out question. The defaults answer as a host without windows would.
#pragma once

#include "runtime/Str.h"

#include <optional>

namespace vbs {

class ScriptSite {
public:
    virtual ~ScriptSite() = default;
    // MsgBox: returns the button pressed (vbOK = 1 ... vbNo = 7).
    virtual int messageBox(const Str& /*prompt*/, int /*buttons*/, const Str& /*title*/) { return 1; }
    // InputBox: the text entered, or nullopt when cancelled. xpos/ypos are
    // twips, or nullopt when omitted.
    virtual std::optional<Str> inputBox(const Str& /*prompt*/, const Str& /*title*/, const Str& defaultText,
                                        std::optional<int> /*xpos*/, std::optional<int> /*ypos*/)
    {
        return defaultText;
    }
    // WScript.Shell's Popup: a message box that closes itself after `seconds`
    // (0 or less: waits). Returns the button pressed, or -1 when it timed out.
    virtual int popup(const Str& prompt, int seconds, const Str& title, int buttons)
    {
        (void)seconds;
        return messageBox(prompt, buttons, title);
    }
    // Called when script code has run longer than the time-out; true stops it.
    virtual bool stopOnTimeout() { return false; }
};

} // namespace vbs
