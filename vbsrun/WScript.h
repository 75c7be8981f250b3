// The runner's WScript object: Echo, the standard streams, the command-line
// arguments (with /name:value switches as Named), the script's names,
// Quit, Sleep, CreateObject and GetObject.
#pragma once

#include "ScriptEngine.h"
#include "automation/Dispatch.h"

#include <optional>
#include <string>
#include <vector>

namespace vbsrun {

class WScript final : public vbs::HostObject {
public:
    WScript(vbs::ScriptEngine& engine, std::string scriptPath, std::vector<std::string> arguments);
    static const vbs::ClassInfo& classInfo();

    // Echo takes any number of arguments; everything else goes by the table.
    vbs::Result<vbs::Variant> invoke(vbs::DispId id, vbs::InvokeKind kind, vbs::Args args) override;

    // The status WScript.Quit asked for, once it has been called.
    std::optional<int> quitCode() const { return m_quit; }
    vbs::Result<vbs::Variant> quit(int code);

    vbs::ScriptEngine& engine;
    const std::string scriptPath; // absolute
    vbs::Ref<vbs::Object> arguments, stdIn, stdOut, stdErr;
    bool interactive = true;

private:
    std::optional<int> m_quit;
};

} // namespace vbsrun
