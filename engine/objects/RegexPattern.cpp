#include "objects/RegexPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace vbs {

namespace {

// Backtracking budget per search: a catastrophic pattern fails in well under
// a second instead of hanging the script.
constexpr uint32_t MatchLimit = 5'000'000;

ErrorCode compileError(int pcreError)
{
    switch (pcreError) {
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET:
        return ErrorCode::RegexExpectedRBracket;
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS:
        return ErrorCode::RegexExpectedRParen;
    case PCRE2_ERROR_CLASS_RANGE_ORDER:
    case PCRE2_ERROR_CLASS_INVALID_RANGE:
        return ErrorCode::RegexInvalidRange;
    case PCRE2_ERROR_QUANTIFIER_INVALID:
        return ErrorCode::RegexUnexpectedQuantifier;
    default:
        return ErrorCode::RegexSyntaxError;
    }
}

} // namespace

struct CompiledRegex::Impl {
    pcre2_code* code = nullptr;
    pcre2_match_data* matchData = nullptr;
    pcre2_match_context* matchContext = nullptr;
    int captures = 0;

    ~Impl()
    {
        pcre2_match_context_free(matchContext);
        pcre2_match_data_free(matchData);
        pcre2_code_free(code);
    }
};

CompiledRegex::CompiledRegex() = default;
CompiledRegex::CompiledRegex(CompiledRegex&&) noexcept = default;
CompiledRegex& CompiledRegex::operator=(CompiledRegex&&) noexcept = default;
CompiledRegex::~CompiledRegex() = default;

int CompiledRegex::captureCount() const
{
    return m_impl ? m_impl->captures : 0;
}

Result<CompiledRegex> CompiledRegex::compile(std::u16string_view pattern, RegexOptions options)
{
    // Multiline is written into the pattern itself (translatePattern).
    TRY_ASSIGN(translated, translatePattern(pattern, options));
    // $ only at the very end, and an unset group's back-reference matches
    // empty.
    uint32_t flags = PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY;
    if (options.ignoreCase)
        flags |= PCRE2_CASELESS;

    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    static constexpr char16_t emptyPattern[] = u"";
    const char16_t* text = translated.empty() ? emptyPattern : translated.data();
    pcre2_code* code = pcre2_compile(
        reinterpret_cast<PCRE2_SPTR>(text), translated.size(), flags, &errorCode, &errorOffset, nullptr);
    if (!code)
        return fail(compileError(errorCode));

    auto impl = std::make_unique<Impl>();
    impl->code = code;
    impl->matchData = pcre2_match_data_create_from_pattern(code, nullptr);
    impl->matchContext = pcre2_match_context_create(nullptr);
    if (!impl->matchData || !impl->matchContext)
        return fail(ErrorCode::OutOfMemory);
    pcre2_set_match_limit(impl->matchContext, MatchLimit);
    uint32_t captures = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
    impl->captures = static_cast<int>(captures);

    CompiledRegex result;
    result.m_impl = std::move(impl);
    return result;
}

Result<bool> CompiledRegex::search(std::u16string_view subject, size_t start, std::vector<GroupSpan>& groups)
{
    if (!m_impl)
        return false;
    static constexpr char16_t emptySubject[] = u"";
    const char16_t* text = subject.empty() ? emptySubject : subject.data();
    int rc = pcre2_match(m_impl->code, reinterpret_cast<PCRE2_SPTR>(text), subject.size(), start, 0,
        m_impl->matchData, m_impl->matchContext);
    if (rc == PCRE2_ERROR_NOMATCH)
        return false;
    if (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT)
        return fail(ErrorCode::OutOfStackSpace);
    if (rc == PCRE2_ERROR_NOMEMORY)
        return fail(ErrorCode::OutOfMemory);
    if (rc < 0)
        return fail(ErrorCode::InternalError);

    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(m_impl->matchData);
    const size_t count = static_cast<size_t>(m_impl->captures) + 1;
    groups.assign(count, GroupSpan {});
    for (size_t g = 0; g < count && g < static_cast<size_t>(rc); ++g) {
        if (ovector[2 * g] != PCRE2_UNSET)
            groups[g] = GroupSpan { ovector[2 * g], ovector[2 * g + 1], true };
    }
    return true;
}

} // namespace vbs
