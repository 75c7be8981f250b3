// The lexer: script text to tokens, one at a time. It allocates only for
// string literals; names and numbers are views into the source text.
#pragma once

#include "runtime/Error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vbs::syntax {

enum class Tok : uint8_t {
    End, // end of text (also returned for ever after a lexical error)
    Newline,
    Colon,
    Name, // identifier, contextual keyword, [bracketed name], or a word after '.'
    Keyword, // reserved word (see Kw)
    Integer, // decimal or &H/&O literal that fits 16 bits
    Long, // ... that fits 32 bits
    Double,
    String,
    Date,
    LParen,
    RParen,
    Comma,
    Dot,
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Amp,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Error, // lexical error: see Token::error
};

// Words the parser looks for. Reserved ones come as Tok::Keyword; the
// contextual ones (marked below) come as Tok::Name with kw set, so that they
// remain usable as ordinary names.
enum class Kw : uint8_t {
    None,
    And, ByRef, ByVal, Call, Case, Class, Const, Dim, Do, Each, Else, ElseIf, Empty, End, Eqv, Erase, Exit,
    False, For, Function, If, Imp, In, Is, Let, Loop, Me, Mod, New, Next, Not, Nothing, Null, Or, Private,
    Public, ReDim, Select, Set, Stop, Sub, Then, To, True, Until, Wend, While, With, Xor,
    // contextual
    Default, Error, Explicit, Get, GoTo, On, Option, Preserve, Property, Resume, Step,
};

bool isContextual(Kw kw) noexcept;

struct Token {
    Tok kind = Tok::End;
    Kw kw = Kw::None;
    bool spaceBefore = false; // whitespace (or a continuation) precedes the token
    int32_t line = 1; // 1-based
    int32_t column = 0; // 0-based
    std::u16string_view text; // spelling: names without brackets, literals as written
    int32_t intValue = 0; // Integer / Long
    double doubleValue = 0; // Double / Date
    std::u16string stringValue; // String, with "" decoded
    ErrorCode error = ErrorCode::SyntaxError; // Tok::Error
};

class Lexer {
public:
    explicit Lexer(std::u16string_view text);

    Token next();

private:
    void skipBlanks(Token& t);
    void skipToLineEnd();
    bool atContinuation() const;
    bool lexWord(Token& t, bool afterDot);
    void lexBracketName(Token& t);
    void lexNumber(Token& t);
    bool startsExponent(size_t i) const;
    void lexRadix(Token& t, int radix);
    void lexString(Token& t);
    void lexDate(Token& t);
    void lexNewline(Token& t);
    void lexOperator(Token& t);
    void setError(Token& t, ErrorCode code);
    char16_t at(size_t i) const noexcept { return i < m_text.size() ? m_text[i] : u'\0'; }

    std::u16string_view m_text;
    size_t m_pos = 0;
    size_t m_lineStart = 0;
    int32_t m_line = 1;
    bool m_afterDot = false; // the previous token was '.': the next word is a member name
    bool m_afterOperand = false; // the previous token ended an operand: '&' right after it is an operator
    bool m_failed = false;
};

// Name characters, as the lexer accepts them.
bool isNameStart(char16_t c) noexcept;
bool isNameChar(char16_t c) noexcept;

inline constexpr size_t MaxNameLength = 255;

} // namespace vbs::syntax
