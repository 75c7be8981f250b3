// RegExp: the language's regular-expression object (New RegExp or
// CreateObject "VBScript.RegExp"). The compiled pattern is kept until
// Pattern or a flag changes; a bad pattern is reported by the first Test,
// Execute or Replace that needs it.
#pragma once

#include "automation/Dispatch.h"
#include "objects/RegexPattern.h"

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

private:
    Result<CompiledRegex*> compiled();

    Str m_pattern;
    RegexOptions m_options;
    bool m_global = false;
    CompiledRegex m_compiled; // invalid until needed, and after a change
};

} // namespace vbs
