// Regular expressions in the language's own dialect, compiled and matched by
// PCRE2's 16-bit library on UTF-16 code units. The places where the two
// dialects differ are rewritten before compiling (\uHHHH and \xHH, \v, \cX,
// legacy octal escapes, identity escapes of letters that PCRE2 would read as
// its own such as \A, \Q or \p, '[' inside a class, which PCRE2 could take
// for a POSIX class), and PCRE2-only constructs ((?i), (?<name>), possessive
// quantifiers) are refused.
#pragma once

#include "runtime/Error.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

struct RegexOptions {
    bool ignoreCase = false;
    bool multiline = false;
};

// Offsets of a group in the subject; matched is false for a group that did
// not take part in the match.
struct GroupSpan {
    size_t begin = 0;
    size_t end = 0;
    bool matched = false;
};

// The pattern rewritten for PCRE2, or the language's regular-expression error
// (5017 syntax, 5018 quantifier, 5019 ']', 5020 ')', 5021 range). With
// ignoreCase, letters beyond ASCII are given their other-case forms
// explicitly: PCRE2 without UTF folds only ASCII. '.', '^' and '$' are
// rewritten for the dialect's line ends (LF and CR, each on its own).
Result<std::u16string> translatePattern(std::u16string_view pattern, RegexOptions options = {});

class CompiledRegex {
public:
    CompiledRegex();
    CompiledRegex(CompiledRegex&&) noexcept;
    CompiledRegex& operator=(CompiledRegex&&) noexcept;
    ~CompiledRegex();

    // 5017..5021 for a bad pattern.
    static Result<CompiledRegex> compile(std::u16string_view pattern, RegexOptions options);

    bool valid() const { return m_impl != nullptr; }
    int captureCount() const;

    // Finds the first match at or after `start`. On success `groups` holds
    // the whole match and then every capture group. A pattern that exceeds
    // the backtracking limit ends in 28 "Out of stack space" instead of
    // running for ever.
    Result<bool> search(std::u16string_view subject, size_t start, std::vector<GroupSpan>& groups);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace vbs
