// Shared pieces of the run-time objects: member-table shorthands, path
// handling (both separators accepted, results use '/'), the mapping from
// system errors to the language's file errors, and file times as dates.
#pragma once

#include "automation/Dispatch.h"
#include "runtime/Convert.h"

#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace vorna::scripting {

using vbs::Args;
using vbs::ErrorCode;
using vbs::MemberKind;
using vbs::Object;
using vbs::ParamType;
using vbs::Ref;
using vbs::Result;
using vbs::Status;
using vbs::Str;
using vbs::Variant;

// A member body on a concrete class: [](T& self, Args a) -> Result<Variant>.
template <class T, class F>
vbs::MemberCall on(F f)
{
    return [f](Object& self, Args args) -> Result<Variant> { return f(static_cast<T&>(self), args); };
}

inline vbs::ParamInfo opt(std::u16string_view name, ParamType type, vbs::DefaultValue d = {})
{
    return { name, type, true, d };
}
inline vbs::ParamInfo req(std::u16string_view name, ParamType type) { return { name, type, false, {} }; }

inline Str argStr(Args a, size_t i) { return a[i].deref().asString(); }
inline int32_t argInt(Args a, size_t i) { return a[i].deref().asLong(); }
inline bool argBool(Args a, size_t i) { return a[i].deref().asBool(); }
inline Variant str(std::string_view utf8) { return Variant::fromString(Str::fromUtf8(utf8)); }

// Script path text to a file-system path: '\' becomes '/'.
std::string toNative(const Str& path);
// The process's current folder (nullopt when it cannot be read).
std::optional<std::string> currentFolder();
// An absolute, lexically normalized path ("." and ".." resolved, no trailing
// separator except for the root).
std::string absolutePath(const std::string& path);
std::string baseName(const std::string& path); // last element, trailing separators ignored
std::string parentName(const std::string& path); // "" when there is none
std::string joinPath(const std::string& folder, const std::string& name);

// '*' and '?' in a name (the last element of a source path).
bool hasWildcards(const std::string& name);
using vbs::wildcardMatch;
// The entries of folder matching the wildcard pattern ("*.*" takes names
// without a dot too), sorted; folders or
// files only as asked. A folder that cannot be read is an error (70, 76).
Result<std::vector<std::string>> matchEntries(const std::string& folder, const std::string& pattern, bool folders);

// The language's error for a failed system call on path (errno): 53 or 76
// for a missing file or folder, 70 for access, 58 for an existing name.
vbs::ErrorTag fileError(int err, bool isFolder = false);

bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path); // or anything but a folder
bool exists(const std::string& path);

// Seconds since the epoch (local time) as a Date serial.
Variant dateFromTime(const timespec& t);

// The next line of standard input, its line break (if any) kept; nothing at
// the end of input. Read through stdio: no stream library is set up for it.
std::optional<std::string> readStdinLine();
// A whole file's bytes; nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

} // namespace vorna::scripting
