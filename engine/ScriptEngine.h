// ScriptEngine: the engine's whole public face for hosts. One instance runs
// one script world (its global names, procedures and classes). Every call is
// synchronous and may re-enter (a host object called by script code may call
// addObject or executeStatement on the same engine).
#pragma once

#include "automation/Dispatch.h"
#include "runtime/ScriptSite.h"
#include "runtime/Variant.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace vbs {

enum class AddMembers : bool { No = false, Yes = true };

class ScriptEngine {
public:
    ScriptEngine();
    ~ScriptEngine(); // terminates remaining class instances (Class_Terminate runs)
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    void setSite(ScriptSite* site); // not owned; nullptr for none
    ScriptSite* site() const;

    // Milliseconds of uninterrupted script code after which the site is asked
    // whether to stop; 0 or negative disables the check.
    void setTimeout(int milliseconds);
    int timeout() const;

    // Publishes an object under a global name. With AddMembers::Yes the
    // object's members are also reachable as bare global names. A name that is
    // already taken is refused (error 1041 "Name redefined: 'x'" as a runtime
    // failure of this call, without the error event). Code compiled before
    // the name existed finds it at run time.
    Status addObject(std::u16string_view name, Ref<Object> object, AddMembers members = AddMembers::No);

    // Adds a class to CreateObject under a program id (case-insensitive),
    // beside Scripting.Dictionary and VBScript.RegExp; a later registration
    // of the same id replaces the earlier one.
    void registerClass(std::u16string_view progId, std::function<Result<Ref<Object>>()> factory);
    // What CreateObject(progId) gives scripts (429 for an unknown id).
    Result<Ref<Object>> createObject(std::u16string_view progId);

    // Parses the whole text (a syntax error runs nothing), defines its
    // procedures and classes, then runs its top-level statements.
    Status addCode(std::u16string_view code);

    // Runs a global procedure by name. A procedure that does not exist is
    // refused (error 35) without the error event.
    Result<Variant> run(std::u16string_view procedure, std::span<const Variant> args = {});

    // Runs statements / evaluates an expression in the global scope.
    Status executeStatement(std::u16string_view code);
    Result<Variant> eval(std::u16string_view expression);

    // The error event: raised for every script error that On Error does not
    // handle, inside the failing call before it returns. If the handler
    // returns, the call returns the failure.
    using ErrorHandler = std::function<void(const ScriptError& error)>;
    void setErrorHandler(ErrorHandler handler);
    // The last error reported (Source, Number, Line, Column, Description, text).
    const ScriptError& lastError() const;

    // For hosts and tests: asks running script code to stop at the next
    // back-edge or call, with an error On Error cannot swallow.
    void interrupt();

    struct Impl;
    Impl& impl() { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace vbs
