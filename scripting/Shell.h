// WScript.Shell: Run and Exec through /bin/sh -c, the environment, the
// current folder and Popup (through the engine's site).
#pragma once

#include "Support.h"

#include "runtime/ScriptSite.h"

#include <functional>

namespace vorna::scripting {

class Shell final : public vbs::HostObject {
public:
    // site() gives the engine's current site (may be null) when Popup runs.
    explicit Shell(std::function<vbs::ScriptSite*()> site);
    static const vbs::ClassInfo& classInfo();
    Result<Variant> popup(const Str& text, int seconds, const Str& title, int type);

private:
    std::function<vbs::ScriptSite*()> m_site;
};

// %NAME% replaced by the variable's value; unknown names stay as written.
std::u16string expandEnvironment(std::u16string_view text);

} // namespace vorna::scripting
