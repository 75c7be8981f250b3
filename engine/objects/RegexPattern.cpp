#include "objects/RegexPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace vbs {

namespace {

// Backtracking budget per search: a catastrophic pattern fails in well under
// a second instead of hanging the script.
constexpr uint32_t MatchLimit = 5'000'000;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

int hexValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Capture groups in the whole pattern: a back-reference \N is one only when
// N does not exceed it (otherwise it is a legacy octal escape).
int countCaptures(std::u16string_view p)
{
    int count = 0;
    bool inClass = false;
    for (size_t i = 0; i < p.size(); ++i) {
        char16_t c = p[i];
        if (c == u'\\')
            ++i;
        else if (inClass)
            inClass = c != u']';
        else if (c == u'[')
            inClass = true;
        else if (c == u'(' && (i + 1 >= p.size() || p[i + 1] != u'?'))
            ++count;
    }
    return count;
}

class Translator {
public:
    explicit Translator(std::u16string_view pattern)
        : m_in(pattern)
        , m_captures(countCaptures(pattern))
    {
        m_out.reserve(pattern.size() + 8);
    }

    Result<std::u16string> run();

private:
    // What the last piece written was, for checking quantifiers.
    enum class Prev : uint8_t { Nothing, Atom, Assertion, Quantifier, Lazy };

    bool atEnd() const { return m_pos >= m_in.size(); }
    char16_t peek(size_t ahead = 0) const
    {
        return m_pos + ahead < m_in.size() ? m_in[m_pos + ahead] : u'\0';
    }
    void emitUnit(char16_t c);
    void emitText(std::u16string_view s) { m_out.append(s); }
    Status group();
    Status quantifier(char16_t c);
    bool braceQuantifier();
    Status characterClass();
    Status escape(bool inClass);
    bool hexEscape(int digits);
    void octalEscape();

    std::u16string_view m_in;
    size_t m_pos = 0;
    int m_captures;
    std::u16string m_out;
    Prev m_prev = Prev::Nothing;
};

// A literal code unit, written so that PCRE2 cannot mistake it for syntax.
void Translator::emitUnit(char16_t c)
{
    if (isDigit(c) || isAsciiLetter(c)) {
        m_out.push_back(c);
        return;
    }
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    m_out.append(u"\\x{");
    for (int shift = 12; shift >= 0; shift -= 4)
        m_out.push_back(hex[(c >> shift) & 0xF]);
    m_out.push_back(u'}');
}

Result<std::u16string> Translator::run()
{
    while (!atEnd()) {
        char16_t c = peek();
        switch (c) {
        case u'\\':
            TRY_STATUS(escape(false));
            break;
        case u'[':
            TRY_STATUS(characterClass());
            break;
        case u'(':
            TRY_STATUS(group());
            break;
        case u')':
            ++m_pos;
            m_out.push_back(c);
            m_prev = Prev::Atom;
            break;
        case u'|':
            ++m_pos;
            m_out.push_back(c);
            m_prev = Prev::Nothing;
            break;
        case u'^':
        case u'$':
            ++m_pos;
            m_out.push_back(c);
            m_prev = Prev::Assertion;
            break;
        case u'.':
            ++m_pos;
            m_out.push_back(c);
            m_prev = Prev::Atom;
            break;
        case u'*':
        case u'+':
        case u'?':
            TRY_STATUS(quantifier(c));
            break;
        case u'{':
            if (braceQuantifier()) {
                if (m_prev != Prev::Atom)
                    return fail(ErrorCode::RegexUnexpectedQuantifier);
                m_prev = Prev::Quantifier;
            } else {
                ++m_pos;
                emitUnit(c);
                m_prev = Prev::Atom;
            }
            break;
        default:
            ++m_pos;
            emitUnit(c);
            m_prev = Prev::Atom;
            break;
        }
    }
    return std::move(m_out);
}

// Group: '(' ['?:' | '?=' | '?!'] alternatives ')'
Status Translator::group()
{
    if (peek(1) != u'?') {
        ++m_pos;
        m_out.push_back(u'(');
    } else {
        char16_t kind = peek(2);
        if (kind != u':' && kind != u'=' && kind != u'!')
            return fail(ErrorCode::RegexSyntaxError);
        m_out.append(m_in.substr(m_pos, 3));
        m_pos += 3;
    }
    m_prev = Prev::Nothing;
    return {};
}

// Quantifier: ('*' | '+' | '?' | '{' n [',' [m]] '}') ['?']
Status Translator::quantifier(char16_t c)
{
    ++m_pos;
    if (c == u'?' && m_prev == Prev::Quantifier) {
        m_prev = Prev::Lazy;
    } else if (m_prev == Prev::Atom) {
        m_prev = Prev::Quantifier;
    } else {
        // Nothing to repeat, a repeated assertion, or a quantifier after a
        // quantifier (which PCRE2 would read as possessive).
        return fail(ErrorCode::RegexUnexpectedQuantifier);
    }
    m_out.push_back(c);
    return {};
}

// Copies {n}, {n,} or {n,m} and returns true; a brace that does not open a
// well-formed quantifier is a literal '{' and returns false.
bool Translator::braceQuantifier()
{
    size_t i = m_pos + 1;
    auto digits = [&] {
        size_t from = i;
        while (i < m_in.size() && isDigit(m_in[i]))
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < m_in.size() && m_in[i] == u',') {
        ++i;
        digits();
    }
    if (i >= m_in.size() || m_in[i] != u'}')
        return false;
    m_out.append(m_in.substr(m_pos, i + 1 - m_pos));
    m_pos = i + 1;
    return true;
}

// CharacterClass: '[' ['^'] { char | escape | char '-' char } ']'
// An immediate ']' closes the class, so "[]" matches nothing and "[^]"
// anything, as in the dialect.
Status Translator::characterClass()
{
    ++m_pos;
    m_out.push_back(u'[');
    if (peek() == u'^') {
        ++m_pos;
        m_out.push_back(u'^');
    }
    for (;;) {
        if (atEnd())
            return fail(ErrorCode::RegexExpectedRBracket);
        char16_t c = peek();
        if (c == u']') {
            ++m_pos;
            m_out.push_back(c);
            break;
        }
        if (c == u'\\') {
            TRY_STATUS(escape(true));
        } else if (c == u'-') {
            ++m_pos;
            m_out.push_back(c);
        } else {
            ++m_pos;
            emitUnit(c);
        }
    }
    m_prev = Prev::Atom;
    return {};
}

bool Translator::hexEscape(int digits)
{
    char16_t value = 0;
    for (int k = 0; k < digits; ++k) {
        int h = hexValue(peek(k));
        if (h < 0)
            return false;
        value = static_cast<char16_t>(value * 16 + h);
    }
    m_pos += digits;
    emitUnit(value);
    return true;
}

// Legacy octal escape: up to three octal digits with a value up to 0377; a
// following 8 or 9 stays a literal digit.
void Translator::octalEscape()
{
    if (peek() == u'8' || peek() == u'9') {
        emitUnit(peek());
        ++m_pos;
        return;
    }
    int value = 0;
    int maxDigits = peek() <= u'3' ? 3 : 2;
    for (int k = 0; k < maxDigits && peek() >= u'0' && peek() <= u'7'; ++k) {
        value = value * 8 + (peek() - u'0');
        ++m_pos;
    }
    emitUnit(static_cast<char16_t>(value));
}

Status Translator::escape(bool inClass)
{
    if (m_pos + 1 >= m_in.size())
        return fail(ErrorCode::RegexSyntaxError); // a trailing backslash
    char16_t c = m_in[m_pos + 1];
    m_pos += 2;
    Prev kind = Prev::Atom;
    if (c >= u'1' && c <= u'9' && !inClass) {
        size_t start = m_pos - 1;
        int number = 0;
        size_t i = start;
        while (i < m_in.size() && isDigit(m_in[i]) && number <= m_captures)
            number = number * 10 + (m_in[i++] - u'0');
        if (number <= m_captures) {
            m_pos = i;
            m_out.append(u"\\g{");
            for (char16_t d : m_in.substr(start, i - start))
                m_out.push_back(d);
            m_out.push_back(u'}');
        } else {
            m_pos = start;
            octalEscape();
        }
    } else if (isDigit(c)) {
        --m_pos;
        octalEscape();
    } else if (c == u'x' || c == u'u') {
        if (!hexEscape(c == u'x' ? 2 : 4))
            emitUnit(c);
    } else if (c == u'v') {
        emitUnit(u'\v');
    } else if (c == u'c') {
        if (isAsciiLetter(peek())) {
            emitUnit(static_cast<char16_t>(peek() & 31));
            ++m_pos;
        } else {
            emitUnit(u'\\');
            emitUnit(u'c');
        }
    } else if (c == u'b' || c == u'B') {
        if (inClass) {
            emitUnit(c == u'b' ? u'\b' : u'B');
        } else {
            m_out.push_back(u'\\');
            m_out.push_back(c);
            kind = Prev::Assertion;
        }
    } else if (std::u16string_view(u"dDwWsSfnrt").find(c) != std::u16string_view::npos) {
        m_out.push_back(u'\\');
        m_out.push_back(c);
    } else {
        emitUnit(c); // an identity escape: the character itself
    }
    if (!inClass)
        m_prev = kind;
    return {};
}

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

Result<std::u16string> translatePattern(std::u16string_view pattern)
{
    try {
        return Translator(pattern).run();
    } catch (const std::bad_alloc&) {
        return fail(ErrorCode::OutOfMemory);
    }
}

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

int CompiledRegex::captureCount() const { return m_impl ? m_impl->captures : 0; }

Result<CompiledRegex> CompiledRegex::compile(std::u16string_view pattern, RegexOptions options)
{
    TRY_ASSIGN(translated, translatePattern(pattern));
    // ^ also after a final newline, $ only at the very end (unless
    // multi-line), and an unset group's back-reference matches empty.
    uint32_t flags = PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY
        | PCRE2_ALT_CIRCUMFLEX;
    if (options.ignoreCase)
        flags |= PCRE2_CASELESS;
    if (options.multiline)
        flags |= PCRE2_MULTILINE;

    pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
    if (!context)
        return fail(ErrorCode::OutOfMemory);
    pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF); // CR and LF both end a line
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    static constexpr char16_t emptyPattern[] = u"";
    const char16_t* text = translated.empty() ? emptyPattern : translated.data();
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(text), translated.size(), flags, &errorCode,
                                     &errorOffset, context);
    pcre2_compile_context_free(context);
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
