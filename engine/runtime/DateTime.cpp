// Date serials, their calendar parts, the US English text forms and the
// reading of date text. The proleptic Gregorian calendar throughout.
#include "runtime/DateTime.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

namespace vbs {

namespace {

constexpr std::array<std::u16string_view, 12> MonthNames = { u"January", u"February", u"March",
    u"April", u"May", u"June", u"July", u"August", u"September", u"October", u"November",
    u"December" };
constexpr std::array<std::u16string_view, 7> WeekdayNames = { u"Sunday", u"Monday", u"Tuesday",
    u"Wednesday", u"Thursday", u"Friday", u"Saturday" };

// Days since 1970-01-01 of a civil date (any integer year, month 1..12).
int64_t daysFromCivil(int64_t y, int m, int d) noexcept
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) noexcept
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const int64_t EpochDays = daysFromCivil(1899, 12, 30);

// Text is built in UTF-16 from ASCII pieces.
void appendNumber(std::u16string& out, int v, int minDigits = 1)
{
    const std::string digits = std::to_string(v);
    out.append(static_cast<size_t>(std::max(0, minDigits - static_cast<int>(digits.size()))), u'0');
    out.append(digits.begin(), digits.end());
}

} // namespace

bool isValidDateSerial(double serial) noexcept
{
    return std::isfinite(serial) && serial > MinDateSerial - 1.0 && serial < MaxDateSerial + 1.0;
}

bool serialFromDate(int year, int month, int day, double& out) noexcept
{
    int64_t y = year;
    int64_t m = static_cast<int64_t>(month) - 1;
    y += m >= 0 ? m / 12 : -((11 - m) / 12);
    m -= (y - year) * 12;
    const int64_t days = daysFromCivil(y, static_cast<int>(m) + 1, 1) - EpochDays + day - 1;
    if (days < MinDateSerial || days > MaxDateSerial)
        return false;
    out = static_cast<double>(days);
    return true;
}

double serialFromTime(int hour, int minute, int second) noexcept
{
    const double secs = static_cast<double>(hour) * 3600.0 + minute * 60.0 + second;
    return secs / 86400.0;
}

void splitSerial(double serial, double& day, int& seconds) noexcept
{
    day = std::trunc(serial);
    double secs = std::round(std::fabs(serial - day) * 86400.0);
    if (secs >= 86400.0) {
        // The last second of 12/31/9999 does not round into year 10000.
        const bool last = day >= MaxDateSerial;
        secs = last ? 86399.0 : 0.0;
        day += last ? 0.0 : 1.0;
    }
    seconds = static_cast<int>(secs);
}

double joinSerial(double day, double timeFraction) noexcept
{
    return day < 0.0 ? day - timeFraction : day + timeFraction;
}

bool partsFromSerial(double serial, DateParts& out) noexcept
{
    if (!isValidDateSerial(serial))
        return false;
    double day = 0.0;
    int secs = 0;
    splitSerial(serial, day, secs);
    civilFromDays(static_cast<int64_t>(day) + EpochDays, out.year, out.month, out.day);
    out.hour = secs / 3600;
    out.minute = secs / 60 % 60;
    out.second = secs % 60;
    return true;
}

int weekdayOfSerial(double serial) noexcept
{
    double day = 0.0;
    int secs = 0;
    splitSerial(serial, day, secs);
    // 12/30/1899 (day 0) was a Saturday.
    const int64_t d = static_cast<int64_t>(day);
    return static_cast<int>(((d + 6) % 7 + 7) % 7) + 1;
}

int daysInMonth(int year, int month) noexcept
{
    static constexpr int Lengths[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return Lengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::u16string_view monthName(int month, bool abbreviate) noexcept
{
    if (month < 1 || month > 12)
        return {};
    const std::u16string_view name = MonthNames[month - 1];
    return abbreviate ? name.substr(0, 3) : name;
}

std::u16string_view weekdayName(int weekday, bool abbreviate) noexcept
{
    if (weekday < 1 || weekday > 7)
        return {};
    const std::u16string_view name = WeekdayNames[weekday - 1];
    return abbreviate ? name.substr(0, 3) : name;
}

Str formatDateShort(double serial)
{
    DateParts p;
    if (!partsFromSerial(serial, p))
        return {};
    std::u16string text;
    appendNumber(text, p.month);
    text += u'/';
    appendNumber(text, p.day);
    text += u'/';
    appendNumber(text, p.year);
    return Str(text);
}

Str formatDateLong(double serial)
{
    DateParts p;
    if (!partsFromSerial(serial, p))
        return {};
    std::u16string text(weekdayName(weekdayOfSerial(serial), false));
    text += u", ";
    text += monthName(p.month, false);
    text += u' ';
    appendNumber(text, p.day);
    text += u", ";
    appendNumber(text, p.year);
    return Str(text);
}

Str formatTimeLong(double serial)
{
    DateParts p;
    if (!partsFromSerial(serial, p))
        return {};
    std::u16string text;
    appendNumber(text, p.hour % 12 == 0 ? 12 : p.hour % 12);
    text += u':';
    appendNumber(text, p.minute, 2);
    text += u':';
    appendNumber(text, p.second, 2);
    text += p.hour < 12 ? u" AM" : u" PM";
    return Str(text);
}

Str formatTimeShort(double serial)
{
    DateParts p;
    if (!partsFromSerial(serial, p))
        return {};
    std::u16string text;
    appendNumber(text, p.hour, 2);
    text += u':';
    appendNumber(text, p.minute, 2);
    return Str(text);
}

Str formatDateGeneral(double serial)
{
    double day = 0.0;
    int secs = 0;
    if (!isValidDateSerial(serial))
        return {};
    splitSerial(serial, day, secs);
    if (day == 0.0)
        return formatTimeLong(serial);
    if (secs == 0)
        return formatDateShort(serial);
    std::u16string text(formatDateShort(serial).view());
    text += u' ';
    text += formatTimeLong(serial).view();
    return Str(text);
}

double nowSerial()
{
    const std::time_t t = std::time(nullptr);
    std::tm local {};
    localtime_r(&t, &local);
    double day = 0.0;
    serialFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, day);
    return day + serialFromTime(local.tm_hour, local.tm_min, local.tm_sec);
}

double secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&t, &local);
    const double fraction
        = duration<double>(now.time_since_epoch()).count() - static_cast<double>(t);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}


// ---- reading date text ----------------------------------------------------

namespace {

enum class TokenKind { Number, Month, Weekday, Am, Pm, Colon, DateSep, Comma };

struct Token {
    TokenKind kind;
    int value = 0; // number, month 1..12
    int digits = 0;
};

bool isAsciiLetter(char16_t c) noexcept
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Month or weekday name (full, or its first three letters; "Sept" too), AM/PM.
bool classifyWord(std::u16string_view word, Token& tok)
{
    if (equalsIgnoreCase(word, u"am") || equalsIgnoreCase(word, u"a")) {
        tok.kind = TokenKind::Am;
        return true;
    }
    if (equalsIgnoreCase(word, u"pm") || equalsIgnoreCase(word, u"p")) {
        tok.kind = TokenKind::Pm;
        return true;
    }
    auto matches = [&](std::u16string_view name) {
        return equalsIgnoreCase(word, name)
            || (word.size() == 3 && equalsIgnoreCase(word, name.substr(0, 3)));
    };
    for (int m = 1; m <= 12; ++m) {
        if (matches(MonthNames[m - 1]) || (m == 9 && equalsIgnoreCase(word, u"sept"))) {
            tok = { TokenKind::Month, m, 0 };
            return true;
        }
    }
    for (int d = 1; d <= 7; ++d) {
        if (matches(WeekdayNames[d - 1])) {
            tok = { TokenKind::Weekday, d, 0 };
            return true;
        }
    }
    return false;
}

bool tokenize(std::u16string_view text, std::vector<Token>& out)
{
    size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0) {
            ++i;
        } else if (c >= u'0' && c <= u'9') {
            Token tok { TokenKind::Number };
            for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
                if (++tok.digits > 9)
                    return false;
                tok.value = tok.value * 10 + (text[i] - u'0');
            }
            out.push_back(tok);
        } else if (isAsciiLetter(c)) {
            const size_t start = i;
            while (i < text.size() && isAsciiLetter(text[i]))
                ++i;
            Token tok { TokenKind::Number };
            if (!classifyWord(text.substr(start, i - start), tok))
                return false;
            out.push_back(tok);
        } else if (c == u':' || c == u'/' || c == u'-' || c == u'.' || c == u',') {
            out.push_back({ c == u':' ? TokenKind::Colon
                    : c == u','       ? TokenKind::Comma
                                      : TokenKind::DateSep });
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

bool isKind(const std::vector<Token>& t, size_t i, TokenKind k) noexcept
{
    return i < t.size() && t[i].kind == k;
}

bool startsTime(const std::vector<Token>& t, size_t i) noexcept
{
    return t[i].kind == TokenKind::Number
        && ((isKind(t, i + 1, TokenKind::Colon) && isKind(t, i + 2, TokenKind::Number))
            || isKind(t, i + 1, TokenKind::Am) || isKind(t, i + 1, TokenKind::Pm));
}

// Time: H:MM[:SS] [AM|PM] | H AM|PM, from t[i]; `end` is set past it.
bool readTime(const std::vector<Token>& t, size_t i, size_t& end, double& fraction)
{
    int part[3] = { t[i].value, 0, 0 };
    end = i + 1;
    for (int k = 1; k < 3 && isKind(t, end, TokenKind::Colon) && isKind(t, end + 1, TokenKind::Number);
         ++k, end += 2)
        part[k] = t[end + 1].value;
    if (isKind(t, end, TokenKind::Colon))
        return false;
    const bool am = isKind(t, end, TokenKind::Am), pm = isKind(t, end, TokenKind::Pm);
    if (am || pm) {
        if (part[0] > 12)
            return false;
        part[0] = part[0] % 12 + (pm ? 12 : 0);
        ++end;
    }
    if (part[0] > 23 || part[1] > 59 || part[2] > 59)
        return false;
    fraction = serialFromTime(part[0], part[1], part[2]);
    return true;
}

// Finds the one time in the tokens and removes it; AM, PM or a colon
// anywhere else makes the text no date.
bool extractTime(std::vector<Token>& t, bool& found, double& fraction)
{
    for (size_t i = 0; i < t.size();) {
        if (!startsTime(t, i)) {
            ++i;
            continue;
        }
        size_t end = i;
        if (found || !readTime(t, i, end, fraction))
            return false;
        found = true;
        t.erase(t.begin() + static_cast<std::ptrdiff_t>(i), t.begin() + static_cast<std::ptrdiff_t>(end));
    }
    for (const Token& tok : t) {
        if (tok.kind == TokenKind::Am || tok.kind == TokenKind::Pm || tok.kind == TokenKind::Colon)
            return false;
    }
    return true;
}

int currentYear()
{
    DateParts p;
    partsFromSerial(nowSerial(), p);
    return p.year;
}

int fullYear(const Token& tok) noexcept
{
    if (tok.digits <= 2)
        return tok.value < 30 ? 2000 + tok.value : 1900 + tok.value;
    return tok.value;
}

bool makeDate(int year, int month, int day, double& out) noexcept
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1
        || day > daysInMonth(year, month))
        return false;
    return serialFromDate(year, month, day, out);
}

// Numbers only: M/D/Y, then D/M/Y, then Y/M/D; two numbers are M/D, D/M
// (this year), or M/Y.
bool numericDate(const std::vector<Token>& n, double& out)
{
    if (n.size() == 2) {
        const int year = currentYear();
        return makeDate(year, n[0].value, n[1].value, out) || makeDate(year, n[1].value, n[0].value, out)
            || (n[1].digits != 1 && makeDate(fullYear(n[1]), n[0].value, 1, out));
    }
    if (n.size() != 3)
        return false;
    if (n[0].digits <= 2
        && (makeDate(fullYear(n[2]), n[0].value, n[1].value, out)
            || makeDate(fullYear(n[2]), n[1].value, n[0].value, out)))
        return true;
    return makeDate(fullYear(n[0]), n[1].value, n[2].value, out);
}

// A month name with a day and/or year: "Dec 6, 2026", "6 Dec 2026", "Dec 2026".
bool namedDate(int month, const std::vector<Token>& n, double& out)
{
    if (n.size() == 1) {
        const int year = currentYear();
        if (n[0].digits <= 2 && makeDate(year, month, n[0].value, out))
            return true;
        return makeDate(fullYear(n[0]), month, 1, out);
    }
    if (n.size() != 2)
        return false;
    if (n[0].digits <= 2 && makeDate(fullYear(n[1]), month, n[0].value, out))
        return true;
    return makeDate(fullYear(n[0]), month, n[1].value, out);
}

// The date tokens left after the time: weekday names are skipped, numbers
// and at most one month name, one separator at most between them.
bool readDate(const std::vector<Token>& t, bool& found, double& out)
{
    std::vector<Token> numbers;
    int month = 0;
    bool lastWasSep = true;
    bool anySep = false;
    for (size_t i = 0; i < t.size(); ++i) {
        const Token& tok = t[i];
        if (tok.kind == TokenKind::Weekday) {
            if (i + 1 < t.size() && t[i + 1].kind == TokenKind::Comma)
                ++i;
            continue;
        }
        const bool sep = tok.kind == TokenKind::DateSep || tok.kind == TokenKind::Comma;
        if (sep && lastWasSep)
            return false;
        lastWasSep = sep;
        anySep = anySep || sep;
        if (tok.kind == TokenKind::Number)
            numbers.push_back(tok);
        else if (tok.kind == TokenKind::Month && month != 0)
            return false;
        else if (tok.kind == TokenKind::Month)
            month = tok.value;
    }
    if (numbers.empty() && month == 0) {
        found = false;
        return !anySep;
    }
    // "December 6, 2026, 6:51 PM" leaves a comma behind the year.
    if (lastWasSep && t.back().kind != TokenKind::Comma)
        return false;
    found = true;
    return month != 0 ? namedDate(month, numbers, out) : numericDate(numbers, out);
}

} // namespace

bool parseDateTime(std::u16string_view text, double& out)
{
    std::vector<Token> tokens;
    if (!tokenize(text, tokens))
        return false;
    bool hasTime = false;
    double fraction = 0.0;
    if (!extractTime(tokens, hasTime, fraction))
        return false;
    bool hasDate = false;
    double day = 0.0;
    if (!readDate(tokens, hasDate, day))
        return false;
    if (!hasDate && !hasTime)
        return false;
    out = joinSerial(day, fraction);
    return true;
}

} // namespace vbs
