// What scripts cannot measure of RegExp: the back-tracking limit and random
// patterns. The pattern language is tested by tests/scripts/objects.
#include "objects/RegExp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

using namespace vbs;

TEST(RegExp, CatastrophicBacktrackingEndsInAnError)
{
    RegExp re;
    re.setPattern(Str(u"^(\\w+\\s?)+$"));
    std::u16string subject(40, u'a');
    subject += u'!';
    auto started = std::chrono::steady_clock::now();
    Result<bool> r = re.test(subject);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().number, 28);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

// Random patterns from the dialect's metacharacters: each either works or
// fails with a regular-expression error; nothing crashes or hangs.
TEST(RegExp, RandomPatternsFailCleanly)
{
    static constexpr std::u16string_view alphabet = u"ab01()[]{}*+?|^$\\.-,:=!dwsbBuxcv\u00e9";
    std::mt19937 random(20261206);
    const std::u16string subjects[] = { u"", u"ab a\nb", u"aa{1}\u00c9[-]" };
    for (int round = 0; round < 3000; ++round) {
        std::u16string pattern;
        for (size_t n = random() % 12; n > 0; --n)
            pattern.push_back(alphabet[random() % alphabet.size()]);
        RegExp re;
        re.setPattern(Str(pattern));
        re.setGlobal(random() % 2);
        re.setIgnoreCase(random() % 2);
        re.setMultiline(random() % 2);
        for (const std::u16string& subject : subjects) {
            Result<Str> r = re.replace(subject, u"<$1$&>");
            if (!r.ok()) {
                int32_t n = r.error().number;
                ASSERT_TRUE((n >= 5017 && n <= 5021) || n == 28) << n << " for " << utf16ToUtf8(pattern);
                break;
            }
            ASSERT_TRUE(re.execute(subject).ok());
        }
    }
}
