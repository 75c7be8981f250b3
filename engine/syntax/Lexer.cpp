#include "syntax/Lexer.h"

#include "runtime/DateTime.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace vbs::syntax {

namespace {

struct KeywordEntry {
    std::string_view word; // lower case
    Kw kw;
};

// Sorted by word for binary search.
constexpr std::array<KeywordEntry, 61> keywordTable { {
    { "and", Kw::And }, { "byref", Kw::ByRef }, { "byval", Kw::ByVal }, { "call", Kw::Call },
    { "case", Kw::Case }, { "class", Kw::Class }, { "const", Kw::Const }, { "default", Kw::Default },
    { "dim", Kw::Dim }, { "do", Kw::Do }, { "each", Kw::Each }, { "else", Kw::Else },
    { "elseif", Kw::ElseIf }, { "empty", Kw::Empty }, { "end", Kw::End }, { "eqv", Kw::Eqv },
    { "erase", Kw::Erase }, { "error", Kw::Error }, { "exit", Kw::Exit }, { "explicit", Kw::Explicit },
    { "false", Kw::False }, { "for", Kw::For }, { "function", Kw::Function }, { "get", Kw::Get },
    { "goto", Kw::GoTo }, { "if", Kw::If }, { "imp", Kw::Imp }, { "in", Kw::In }, { "is", Kw::Is },
    { "let", Kw::Let }, { "loop", Kw::Loop }, { "me", Kw::Me }, { "mod", Kw::Mod }, { "new", Kw::New },
    { "next", Kw::Next }, { "not", Kw::Not }, { "nothing", Kw::Nothing }, { "null", Kw::Null },
    { "on", Kw::On }, { "option", Kw::Option }, { "or", Kw::Or }, { "preserve", Kw::Preserve },
    { "private", Kw::Private }, { "property", Kw::Property }, { "public", Kw::Public },
    { "redim", Kw::ReDim }, { "rem", Kw::None }, { "resume", Kw::Resume }, { "select", Kw::Select },
    { "set", Kw::Set }, { "step", Kw::Step }, { "stop", Kw::Stop }, { "sub", Kw::Sub }, { "then", Kw::Then },
    { "to", Kw::To }, { "true", Kw::True }, { "until", Kw::Until }, { "wend", Kw::Wend },
    { "while", Kw::While }, { "with", Kw::With }, { "xor", Kw::Xor },
} };

constexpr size_t LongestKeyword = 8;

enum class WordClass : uint8_t { Plain, Keyword, Rem };

// Classifies a word; kw receives the keyword (None for plain names).
WordClass classifyWord(std::u16string_view word, Kw& kw)
{
    kw = Kw::None;
    if (word.size() > LongestKeyword)
        return WordClass::Plain;
    char buf[LongestKeyword];
    for (size_t i = 0; i < word.size(); ++i) {
        char16_t c = word[i];
        if (c >= 0x80)
            return WordClass::Plain;
        buf[i] = static_cast<char>(c >= u'A' && c <= u'Z' ? c + 32 : c);
    }
    std::string_view lower(buf, word.size());
    auto it = std::lower_bound(keywordTable.begin(), keywordTable.end(), lower,
        [](const KeywordEntry& e, std::string_view w) { return e.word < w; });
    if (it == keywordTable.end() || it->word != lower)
        return WordClass::Plain;
    if (lower == "rem")
        return WordClass::Rem;
    kw = it->kw;
    return WordClass::Keyword;
}

bool isBlank(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0xA0 || c == 0x3000 || c == 0xFEFF;
}

bool isLineEnd(char16_t c) noexcept { return c == u'\r' || c == u'\n'; }
bool isDigit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }

int hexValue(char16_t c) noexcept
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Parses ASCII digits (with '.', 'e', sign) as a Double; false on overflow.
bool parseDecimal(std::u16string_view text, double& out)
{
    // Literals are short; a stack buffer spares the allocation.
    char small[64] = {};
    std::string large;
    char* ascii = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        ascii = large.data();
    }
    for (size_t i = 0; i < text.size(); ++i)
        ascii[i] = static_cast<char>(text[i]);
    std::string_view digits(ascii, text.size());
    double value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is an invalid number.
        size_t e = digits.find_first_of("eE");
        if (e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-') {
            out = 0;
            return true;
        }
        return false;
    }
    out = value;
    return ec == std::errc() && ptr == digits.data() + digits.size() && std::isfinite(value);
}

} // namespace

bool isContextual(Kw kw) noexcept { return kw >= Kw::Default; }

bool isNameStart(char16_t c) noexcept
{
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
        return true;
    // Letters beyond ASCII: accept the letter blocks, not punctuation,
    // symbols, spaces or surrogates.
    if (c < 0xC0 || c == 0xD7 || c == 0xF7)
        return false;
    if ((c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    return c != 0xFEFF && c < 0xFF00;
}

bool isNameChar(char16_t c) noexcept { return isNameStart(c) || isDigit(c) || c == u'_'; }

Lexer::Lexer(std::u16string_view text)
    : m_text(text)
{
}

void Lexer::setError(Token& t, ErrorCode code)
{
    t.kind = Tok::Error;
    t.error = code;
    m_failed = true;
}

void Lexer::skipToLineEnd()
{
    while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos]))
        ++m_pos;
}

// ` _` at a line end: the next line continues this one.
bool Lexer::atContinuation() const
{
    size_t i = m_pos + 1;
    while (i < m_text.size() && isBlank(m_text[i]))
        ++i;
    return i >= m_text.size() || isLineEnd(m_text[i]);
}

// Blanks, comments and continuations before a token.
void Lexer::skipBlanks(Token& t)
{
    while (m_pos < m_text.size()) {
        char16_t c = m_text[m_pos];
        if (isBlank(c)) {
            ++m_pos;
        } else if (c == u'\'') {
            skipToLineEnd();
        } else if (c == u'_' && atContinuation()) {
            ++m_pos;
            while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
                ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
                ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
                ++m_pos;
            ++m_line;
            m_lineStart = m_pos;
        } else {
            break;
        }
        t.spaceBefore = true;
    }
}

Token Lexer::next()
{
    Token t;
    if (m_failed) {
        t.line = m_line;
        return t;
    }
    skipBlanks(t);
    t.line = m_line;
    t.column = static_cast<int32_t>(m_pos - m_lineStart);
    bool afterDot = m_afterDot;
    bool afterOperand = m_afterOperand;
    m_afterDot = false;
    m_afterOperand = false;
    if (m_pos >= m_text.size())
        return t;
    char16_t c = m_text[m_pos];
    if (isNameStart(c)) {
        if (!lexWord(t, afterDot))
            return next(); // Rem comment
    } else if (isDigit(c) || (c == u'.' && isDigit(at(m_pos + 1)))) {
        lexNumber(t);
    } else if (c == u'"') {
        lexString(t);
    } else if (c == u'[') {
        lexBracketName(t);
    } else if (c == u'#') {
        lexDate(t);
    } else if (isLineEnd(c)) {
        lexNewline(t);
    } else if (c == u'&' && (at(m_pos + 1) == u'H' || at(m_pos + 1) == u'h') && hexValue(at(m_pos + 2)) >= 0) {
        lexRadix(t, 16);
    } else if (c == u'&' && (at(m_pos + 1) == u'O' || at(m_pos + 1) == u'o') && isDigit(at(m_pos + 2))) {
        lexRadix(t, 8);
    } else if (c == u'&' && isDigit(at(m_pos + 1)) && (!afterOperand || t.spaceBefore)) {
        lexRadix(t, 8); // &17 is octal too, but "a"&1 concatenates
    } else {
        lexOperator(t);
        m_afterDot = t.kind == Tok::Dot;
    }
    m_afterOperand = t.kind == Tok::Name || t.kind == Tok::RParen || (t.kind >= Tok::Integer && t.kind <= Tok::Date);
    return t;
}

// A word: a name, or a keyword unless it follows '.' (member names may be
// keywords: obj.End). Returns false for a Rem comment, which it skips.
bool Lexer::lexWord(Token& t, bool afterDot)
{
    size_t start = m_pos;
    while (m_pos < m_text.size() && isNameChar(m_text[m_pos]))
        ++m_pos;
    t.text = m_text.substr(start, m_pos - start);
    t.kind = Tok::Name;
    if (t.text.size() > MaxNameLength) {
        setError(t, ErrorCode::IdentifierTooLong);
        return true;
    }
    if (afterDot)
        return true;
    switch (classifyWord(t.text, t.kw)) {
    case WordClass::Plain:
        break;
    case WordClass::Keyword:
        if (!isContextual(t.kw))
            t.kind = Tok::Keyword;
        break;
    case WordClass::Rem:
        skipToLineEnd();
        return false;
    }
    return true;
}

// [any characters but ']' on one line]
void Lexer::lexBracketName(Token& t)
{
    size_t start = ++m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != u']' && !isLineEnd(m_text[m_pos]))
        ++m_pos;
    if (m_pos >= m_text.size() || m_text[m_pos] != u']') {
        setError(t, ErrorCode::ExpectedRBracket);
        return;
    }
    t.text = m_text.substr(start, m_pos - start);
    ++m_pos;
    t.kind = Tok::Name;
    if (t.text.size() > MaxNameLength)
        setError(t, ErrorCode::IdentifierTooLong);
}

// E, an optional sign and a digit at i.
bool Lexer::startsExponent(size_t i) const
{
    if (at(i) != u'e' && at(i) != u'E')
        return false;
    size_t d = at(i + 1) == u'+' || at(i + 1) == u'-' ? i + 2 : i + 1;
    return isDigit(at(d));
}

// Decimal literals: Integer when the value fits 16 bits, Long for 32 bits,
// Double otherwise or with a fraction or exponent.
void Lexer::lexNumber(Token& t)
{
    size_t start = m_pos;
    bool isFloat = false;
    while (isDigit(at(m_pos)))
        ++m_pos;
    if (at(m_pos) == u'.' && isDigit(at(m_pos + 1))) {
        isFloat = true;
        ++m_pos;
        while (isDigit(at(m_pos)))
            ++m_pos;
    } else if (at(m_pos) == u'.' && (!isNameStart(at(m_pos + 1)) || startsExponent(m_pos + 1))) {
        isFloat = true; // "1." is 1.0, "1.E2" is 100
        ++m_pos;
    }
    if (startsExponent(m_pos)) {
        isFloat = true;
        m_pos += isDigit(at(m_pos + 1)) ? 1 : 2;
        while (isDigit(at(m_pos)))
            ++m_pos;
    }
    t.text = m_text.substr(start, m_pos - start);
    if (!isFloat) {
        uint64_t v = 0;
        for (char16_t d : t.text) {
            v = v * 10 + (d - u'0');
            if (v > 0x7FFFFFFF)
                break;
        }
        if (v <= 0x7FFF) {
            t.kind = Tok::Integer;
            t.intValue = static_cast<int32_t>(v);
            return;
        }
        if (v <= 0x7FFFFFFF) {
            t.kind = Tok::Long;
            t.intValue = static_cast<int32_t>(v);
            return;
        }
    }
    if (!parseDecimal(t.text, t.doubleValue)) {
        setError(t, ErrorCode::InvalidNumber);
        return;
    }
    t.kind = Tok::Double;
}

// &Hxxxx, &Oooo and &ooo. Without a suffix, up to 16 bits is a bit pattern
// read as an Integer (&HFFFF is -1) except &H8000, which is the Long -32768;
// more bits make a Long pattern. A trailing '&' reads 32 bits: a hex value
// that fits 16 bits signed stays an Integer (&HFFFFFFFF& is -1), octal ones
// are always Long. An octal literal running into 8 or 9 is a syntax error.
void Lexer::lexRadix(Token& t, int radix)
{
    size_t start = m_pos;
    m_pos += isDigit(at(m_pos + 1)) ? 1 : 2; // the prefix: '&' or '&H' / '&O'
    uint64_t v = 0;
    bool overflow = false;
    for (int d; (d = hexValue(at(m_pos))) >= 0 && d < radix; ++m_pos) {
        v = v * radix + d;
        if (v > 0xFFFFFFFFu) {
            overflow = true;
            v = 0;
        }
    }
    if (radix == 8 && isDigit(at(m_pos))) {
        setError(t, ErrorCode::SyntaxError);
        return;
    }
    bool suffix = at(m_pos) == u'&';
    if (suffix)
        ++m_pos;
    t.text = m_text.substr(start, m_pos - start);
    if (overflow) {
        setError(t, ErrorCode::InvalidNumber);
        return;
    }
    int32_t bits32 = static_cast<int32_t>(static_cast<uint32_t>(v));
    bool integer = suffix ? radix == 16 && bits32 >= INT16_MIN && bits32 <= INT16_MAX : v <= 0xFFFF && v != 0x8000;
    t.kind = integer ? Tok::Integer : Tok::Long;
    if (!suffix && v <= 0xFFFF)
        t.intValue = static_cast<int16_t>(static_cast<uint16_t>(v));
    else
        t.intValue = bits32;
}

// "text with "" for a quote", on one line.
void Lexer::lexString(Token& t)
{
    size_t start = m_pos++;
    for (;;) {
        size_t run = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != u'"' && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        t.stringValue.append(m_text.substr(run, m_pos - run));
        if (m_pos >= m_text.size() || isLineEnd(m_text[m_pos])) {
            setError(t, ErrorCode::UnterminatedString);
            return;
        }
        ++m_pos; // the quote
        if (at(m_pos) != u'"')
            break;
        t.stringValue.push_back(u'"');
        ++m_pos;
    }
    t.text = m_text.substr(start, m_pos - start);
    t.kind = Tok::String;
}

// #date and/or time# on one line, read as CDate reads text.
void Lexer::lexDate(Token& t)
{
    size_t start = ++m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != u'#' && !isLineEnd(m_text[m_pos]))
        ++m_pos;
    if (m_pos >= m_text.size() || m_text[m_pos] != u'#') {
        setError(t, ErrorCode::SyntaxError);
        return;
    }
    t.text = m_text.substr(start, m_pos - start);
    ++m_pos;
    if (!parseDateTime(t.text, t.doubleValue)) {
        setError(t, ErrorCode::SyntaxError);
        return;
    }
    t.kind = Tok::Date;
}

// CR, LF and CR LF each end one line.
void Lexer::lexNewline(Token& t)
{
    if (m_text[m_pos] == u'\r' && at(m_pos + 1) == u'\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
    m_lineStart = m_pos;
    t.kind = Tok::Newline;
}

void Lexer::lexOperator(Token& t)
{
    char16_t c = m_text[m_pos++];
    char16_t n = at(m_pos);
    auto two = [&](Tok kind) {
        ++m_pos;
        t.kind = kind;
    };
    switch (c) {
    case u':': t.kind = Tok::Colon; break;
    case u'(': t.kind = Tok::LParen; break;
    case u')': t.kind = Tok::RParen; break;
    case u',': t.kind = Tok::Comma; break;
    case u'.': t.kind = Tok::Dot; break;
    case u'+': t.kind = Tok::Plus; break;
    case u'-': t.kind = Tok::Minus; break;
    case u'*': t.kind = Tok::Star; break;
    case u'/': t.kind = Tok::Slash; break;
    case u'\\': t.kind = Tok::Backslash; break;
    case u'^': t.kind = Tok::Caret; break;
    case u'&': t.kind = Tok::Amp; break;
    case u'=':
        if (n == u'<')
            two(Tok::Le);
        else if (n == u'>')
            two(Tok::Ge);
        else
            t.kind = Tok::Eq;
        break;
    case u'<':
        if (n == u'=')
            two(Tok::Le);
        else if (n == u'>')
            two(Tok::Ne);
        else
            t.kind = Tok::Lt;
        break;
    case u'>':
        if (n == u'=')
            two(Tok::Ge);
        else if (n == u'<')
            two(Tok::Ne);
        else
            t.kind = Tok::Gt;
        break;
    default:
        --m_pos;
        setError(t, ErrorCode::InvalidCharacter);
        return;
    }
}

} // namespace vbs::syntax
