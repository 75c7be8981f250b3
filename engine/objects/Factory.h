// The standard objects scripts can create: CreateObject's program ids and
// the built-in classes of `New`.
#pragma once

#include "automation/Object.h"

#include <string_view>

namespace vbs {

// CreateObject(progId), case-insensitive: "Scripting.Dictionary" and
// "VBScript.RegExp". Anything else is 429 "ActiveX component can't create
// object: 'progId'".
Result<Ref<Object>> createObject(std::u16string_view progId);

// `New className` for the language's built-in classes (RegExp),
// case-insensitive. An empty Ref, and no error, when className is not one:
// the caller then looks for a script class.
Result<Ref<Object>> createBuiltinClass(std::u16string_view className);

} // namespace vbs
