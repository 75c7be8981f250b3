// The standard objects scripts can create: CreateObject's program ids and
// the built-in classes of `New`.
#pragma once

#include "automation/Object.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vbs {

// CreateObject(progId), case-insensitive: "Scripting.Dictionary" and
// "VBScript.RegExp". Anything else is 429 "ActiveX component can't create
// object: 'progId'".
Result<Ref<Object>> createObject(std::u16string_view progId);

// The classes a host adds to CreateObject, by program id (case-insensitive).
// Each engine has its own; a registered id shadows a standard one.
using ClassFactory = std::function<Result<Ref<Object>>()>;

class ClassRegistry {
public:
    void add(std::u16string_view progId, ClassFactory factory);
    // A registered class, else the standard ones (createObject below).
    Result<Ref<Object>> create(std::u16string_view progId) const;

private:
    std::unordered_map<std::u16string, ClassFactory> m_factories; // folded id
};

// `New className` for the language's built-in classes (RegExp),
// case-insensitive. An empty Ref, and no error, when className is not one:
// the caller then looks for a script class.
Result<Ref<Object>> createBuiltinClass(std::u16string_view className);

} // namespace vbs
