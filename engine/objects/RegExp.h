// RegExp: the language's regular-expression object (New RegExp or
// CreateObject "VBScript.RegExp"). The compiled pattern is kept until
// Pattern or a flag changes; a bad pattern is reported by the first Test,
// Execute or Replace that needs it.
#pragma once

#include "automation/Dispatch.h"
#include "objects/RegexPattern.h"

#include <functional>
#include <memory>

namespace vbs {

class RegExp final : public HostObject {
public:
    RegExp();
    static const ClassInfo& classInfo();

    const Str& pattern() const { return m_pattern; }
    bool ignoreCase() const { return m_options.ignoreCase; }
    bool global() const { return m_global; }
    bool multiline() const { return m_options.multiline; }
    void setPattern(Str pattern);
    void setIgnoreCase(bool on);
    void setGlobal(bool on) { m_global = on; }
    void setMultiline(bool on);

    // Whether the pattern matches anywhere in the subject (Global ignored).
    Result<bool> test(std::u16string_view subject);
    // A MatchCollection: every match when Global, else at most the first.
    Result<Ref<Object>> execute(std::u16string_view subject);
    // The subject with every match (Global) or the first replaced; the
    // replacement understands $1..$99, $&, $`, $' and $$.
    Result<Str> replace(std::u16string_view subject, std::u16string_view replacement);
    // The same with each match's text returned by a procedure reference
    // (GetRef), called with the match, each submatch (Empty when unmatched),
    // FirstIndex and the subject; its result is converted to a String.
    Result<Str> replace(std::u16string_view subject, Object& function);

private:
    // Appends the text that replaces one match (groups[0]) to `out`.
    using Replacer = std::function<Status(
        std::u16string& out, std::u16string_view subject, const std::vector<GroupSpan>& groups)>;

    Result<std::shared_ptr<CompiledRegex>> compiled();
    Result<Str> replaceMatches(std::u16string_view subject, const Replacer& replacer);

    Str m_pattern;
    RegexOptions m_options;
    bool m_global = false;
    // Null until needed, and after a change; shared so that a replacing
    // procedure may change the pattern while a Replace goes on.
    std::shared_ptr<CompiledRegex> m_compiled;
};

} // namespace vbs
