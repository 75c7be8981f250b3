// Rewrites a pattern of the language's dialect into PCRE2 syntax. Everything
// literal is written as a code unit PCRE2 cannot misread (\x{HHHH} unless a
// letter or digit); only the dialect's own syntax is passed on.
#include "objects/RegexPattern.h"

#include <unordered_map>

namespace vbs {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

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

// Code units beyond ASCII grouped by the case they fold to (foldCase, the
// engine's text comparison): IgnoreCase matches any member of a group.
class CaseGroups {
public:
    static const CaseGroups& instance()
    {
        static const CaseGroups groups;
        return groups;
    }
    // The group of c, c included; empty when c has no other case.
    std::u16string_view of(char16_t c) const
    {
        auto it = m_groups.find(foldCase(c));
        return it == m_groups.end() ? std::u16string_view() : std::u16string_view(it->second);
    }

private:
    CaseGroups()
    {
        for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
            char16_t unit = static_cast<char16_t>(c);
            char16_t folded = foldCase(unit);
            if (folded != unit && folded > 0x7F) {
                std::u16string& group = m_groups[folded];
                if (group.empty())
                    group.push_back(folded);
                group.push_back(unit);
            }
        }
    }
    std::unordered_map<char16_t, std::u16string> m_groups;
};

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

// What an escape stands for: a literal code unit, or PCRE2 syntax to copy
// (\d, \b, \g{2}).
struct Piece {
    int32_t unit = -1;
    std::u16string syntax;
    bool assertion = false;
};

Piece unitPiece(char16_t c)
{
    return Piece { c, {}, false };
}
Piece syntaxPiece(std::u16string s, bool assertion = false)
{
    return Piece { -1, std::move(s), assertion };
}

class Translator {
public:
    Translator(std::u16string_view pattern, RegexOptions options)
        : m_in(pattern)
        , m_captures(countCaptures(pattern))
        , m_ignoreCase(options.ignoreCase)
        , m_multiline(options.multiline)
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
    void literal(char16_t c);
    void punctuation(char16_t c, Prev next);
    void lineSyntax(char16_t c);
    Status group();
    Status quantifier(char16_t c);
    bool braceQuantifier();
    Status characterClass();
    Result<Piece> classPiece();
    void classMember(char16_t low, char16_t high);
    Result<Piece> escape(bool inClass);
    Piece backReference();
    bool hexEscape(int digits, char16_t& value);
    char16_t octalEscape();

    std::u16string_view m_in;
    size_t m_pos = 0;
    int m_captures;
    bool m_ignoreCase;
    bool m_multiline;
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

// A literal outside a class; with IgnoreCase a letter beyond ASCII becomes
// the class of its case forms.
void Translator::literal(char16_t c)
{
    std::u16string_view forms
        = m_ignoreCase && c > 0x7F ? CaseGroups::instance().of(c) : std::u16string_view();
    if (forms.empty()) {
        emitUnit(c);
        return;
    }
    m_out.push_back(u'[');
    for (char16_t f : forms)
        emitUnit(f);
    m_out.push_back(u']');
}

void Translator::punctuation(char16_t c, Prev next)
{
    ++m_pos;
    m_out.push_back(c);
    m_prev = next;
}

// '.' is anything but LF (a CR included). With Multiline, '^' is also just
// after a CR or LF and '$' just before one, so both match between the two of
// a CRLF; without it they are the ends of the subject.
void Translator::lineSyntax(char16_t c)
{
    ++m_pos;
    if (c == u'.') {
        m_out.append(u"[^\\n]");
        m_prev = Prev::Atom;
        return;
    }
    if (!m_multiline)
        m_out.push_back(c);
    else
        m_out.append(c == u'^' ? u"(?<![^\\n\\r])" : u"(?![^\\n\\r])");
    m_prev = Prev::Assertion;
}

Result<std::u16string> Translator::run()
{
    while (!atEnd()) {
        char16_t c = peek();
        switch (c) {
        case u'\\': {
            TRY_ASSIGN(piece, escape(false));
            if (piece.unit >= 0)
                literal(static_cast<char16_t>(piece.unit));
            else
                m_out.append(piece.syntax);
            m_prev = piece.assertion ? Prev::Assertion : Prev::Atom;
            break;
        }
        case u'[':
            TRY_STATUS(characterClass());
            break;
        case u'(':
            TRY_STATUS(group());
            break;
        case u')':
            punctuation(c, Prev::Atom);
            break;
        case u'|':
            punctuation(c, Prev::Nothing);
            break;
        case u'.':
        case u'^':
        case u'$':
            lineSyntax(c);
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
                break;
            }
            [[fallthrough]];
        default:
            ++m_pos;
            literal(c);
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

// CharacterClass: '[' ['^'] { member | member '-' member } ']'
// An immediate ']' closes the class, so "[]" matches nothing and "[^]"
// anything, as in the dialect. A '-' next to a class escape ([\d-x]) is a
// literal '-'.
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
        if (peek() == u']') {
            ++m_pos;
            m_out.push_back(u']');
            break;
        }
        TRY_ASSIGN(low, classPiece());
        if (low.unit < 0) {
            m_out.append(low.syntax);
            continue;
        }
        if (peek() != u'-' || m_pos + 1 >= m_in.size() || peek(1) == u']') {
            classMember(static_cast<char16_t>(low.unit), static_cast<char16_t>(low.unit));
            continue;
        }
        ++m_pos; // the '-'
        TRY_ASSIGN(high, classPiece());
        if (high.unit < 0) {
            classMember(static_cast<char16_t>(low.unit), static_cast<char16_t>(low.unit));
            emitUnit(u'-');
            m_out.append(high.syntax);
        } else if (high.unit < low.unit) {
            return fail(ErrorCode::RegexInvalidRange);
        } else {
            classMember(static_cast<char16_t>(low.unit), static_cast<char16_t>(high.unit));
        }
    }
    m_prev = Prev::Atom;
    return {};
}

Result<Piece> Translator::classPiece()
{
    if (peek() == u'\\')
        return escape(true);
    return unitPiece(m_in[m_pos++]);
}

// A character or range inside a class, with the other-case forms of its
// letters beyond ASCII added under IgnoreCase.
void Translator::classMember(char16_t low, char16_t high)
{
    emitUnit(low);
    if (high != low) {
        m_out.push_back(u'-');
        emitUnit(high);
    }
    if (!m_ignoreCase || high <= 0x7F)
        return;
    const CaseGroups& groups = CaseGroups::instance();
    for (char32_t c = low < 0x80 ? 0x80 : low; c <= high; ++c) {
        for (char16_t f : groups.of(static_cast<char16_t>(c))) {
            if (f < low || f > high)
                emitUnit(f);
        }
    }
}

bool Translator::hexEscape(int digits, char16_t& value)
{
    value = 0;
    for (int k = 0; k < digits; ++k) {
        int h = hexValue(peek(k));
        if (h < 0)
            return false;
        value = static_cast<char16_t>(value * 16 + h);
    }
    m_pos += digits;
    return true;
}

// Legacy octal escape: up to three octal digits with a value up to 0377; an
// 8 or 9 stands for itself.
char16_t Translator::octalEscape()
{
    if (peek() == u'8' || peek() == u'9')
        return m_in[m_pos++];
    int value = 0;
    int maxDigits = peek() <= u'3' ? 3 : 2;
    for (int k = 0; k < maxDigits && peek() >= u'0' && peek() <= u'7'; ++k) {
        value = value * 8 + (peek() - u'0');
        ++m_pos;
    }
    return static_cast<char16_t>(value);
}

// \N outside a class, m_pos at the first digit (not 0): a back-reference to
// the group named by the longest run of digits that exists, the digits after
// it literal ("\12" with one group is \1 then '2'); a legacy octal escape
// when not even the first digit names a group.
Piece Translator::backReference()
{
    const size_t start = m_pos;
    int number = 0;
    size_t i = start;
    while (i < m_in.size() && isDigit(m_in[i])) {
        number = number * 10 + (m_in[i] - u'0');
        if (number > m_captures)
            break;
        ++i;
    }
    if (i == start)
        return unitPiece(octalEscape());
    m_pos = i;
    std::u16string ref = u"\\g{";
    ref.append(m_in.substr(start, i - start));
    ref.push_back(u'}');
    return syntaxPiece(std::move(ref));
}

// Escape: '\' followed by one character, or by the digits, hexadecimal
// digits or control letter it takes.
Result<Piece> Translator::escape(bool inClass)
{
    if (m_pos + 1 >= m_in.size())
        return fail(ErrorCode::RegexSyntaxError); // a trailing backslash
    const char16_t c = m_in[m_pos + 1];
    m_pos += 2;
    char16_t value = 0;
    switch (c) {
    case u'x':
    case u'u':
        return unitPiece(hexEscape(c == u'x' ? 2 : 4, value) ? value : c);
    case u'v':
        return unitPiece(u'\v');
    case u'f':
        return unitPiece(u'\f');
    case u'n':
        return unitPiece(u'\n');
    case u'r':
        return unitPiece(u'\r');
    case u't':
        return unitPiece(u'\t');
    case u'c':
        if (isAsciiLetter(peek()))
            return unitPiece(static_cast<char16_t>(m_in[m_pos++] & 31));
        return unitPiece(u'c'); // not followed by a letter: a literal 'c'
    case u'b':
    case u'B':
        if (inClass)
            return unitPiece(c == u'b' ? u'\b' : u'B');
        return syntaxPiece(c == u'b' ? u"\\b" : u"\\B", true);
    case u'd':
    case u'D':
    case u'w':
    case u'W':
    case u's':
    case u'S':
        return syntaxPiece(std::u16string { u'\\', c });
    default:
        break;
    }
    if (isDigit(c)) {
        --m_pos;
        if (c != u'0' && !inClass)
            return backReference();
        return unitPiece(octalEscape());
    }
    return unitPiece(c); // an identity escape: the character itself
}

} // namespace

Result<std::u16string> translatePattern(std::u16string_view pattern, RegexOptions options)
{
    try {
        return Translator(pattern, options).run();
    } catch (const std::bad_alloc&) {
        return fail(ErrorCode::OutOfMemory);
    }
}

} // namespace vbs
