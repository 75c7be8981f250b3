// The scripting run-time objects a host adds to CreateObject.
#pragma once

#include "ScriptEngine.h"

namespace vorna::scripting {

// Registers Scripting.FileSystemObject and WScript.Shell with the engine
// (Popup uses the engine's site at the time of the call).
void registerClasses(vbs::ScriptEngine& engine);

} // namespace vorna::scripting
