#include "ObjectTestSupport.h"

#include "objects/RegExp.h"
#include "objects/RegExpMatch.h"

#include <chrono>

using namespace vbs;
using namespace vbs::test;

namespace {

struct Found {
    int32_t index;
    std::string value;
    bool operator==(const Found&) const = default;
};

std::vector<Found> matches(std::u16string_view pattern, std::u16string_view subject, bool global = true,
                           bool ignoreCase = false, bool multiline = false)
{
    RegExp re;
    re.setPattern(Str(pattern));
    re.setGlobal(global);
    re.setIgnoreCase(ignoreCase);
    re.setMultiline(multiline);
    Result<Ref<Object>> r = re.execute(subject);
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().description.toUtf8());
    std::vector<Found> out;
    if (!r.ok())
        return out;
    auto& collection = static_cast<MatchCollection&>(*r.value());
    for (size_t i = 0; i < collection.count(); ++i) {
        auto& m = static_cast<Match&>(*collection.item(static_cast<int32_t>(i)).value().asObject());
        out.push_back({ m.firstIndex(), utf16ToUtf8(m.value().view()) });
    }
    return out;
}

bool matchesAll(std::u16string_view pattern, std::u16string_view subject)
{
    std::vector<Found> m = matches(pattern, subject, false);
    return m.size() == 1 && m[0].index == 0 && m[0].value == utf16ToUtf8(subject);
}

int32_t patternError(std::u16string_view pattern)
{
    RegExp re;
    re.setPattern(Str(pattern));
    Result<bool> r = re.test(u"x");
    return r.ok() ? 0 : r.error().number;
}

std::string replaced(std::u16string_view pattern, std::u16string_view subject, std::u16string_view with,
                     bool global = true)
{
    RegExp re;
    re.setPattern(Str(pattern));
    re.setGlobal(global);
    Result<Str> r = re.replace(subject, with);
    EXPECT_TRUE(r.ok());
    return r.ok() ? r.value().toUtf8() : "<error>";
}

} // namespace

TEST(RegExp, BadPatternsGiveTheLanguagesErrors)
{
    EXPECT_EQ(patternError(u"(ab"), 5020);
    EXPECT_EQ(patternError(u"[ab"), 5019);
    EXPECT_EQ(patternError(u"[z-a]"), 5021);
    EXPECT_EQ(patternError(u"*a"), 5018);
    EXPECT_EQ(patternError(u"a|+"), 5018);
    EXPECT_EQ(patternError(u"a**"), 5018);
    EXPECT_EQ(patternError(u"a++"), 5018) << "no possessive quantifiers";
    EXPECT_EQ(patternError(u"^*"), 5018);
    EXPECT_EQ(patternError(u"a\\"), 5017);
    EXPECT_EQ(patternError(u"ab)"), 5017);
    EXPECT_EQ(patternError(u"(?i)a"), 5017);
    EXPECT_EQ(patternError(u"(?<n>a)"), 5017);
    EXPECT_EQ(patternError(u"a{3,1}"), 5017);
    EXPECT_EQ(patternError(u"a*?b+?c??d{1,2}?"), 0) << "lazy quantifiers are fine";
}

TEST(RegExp, EscapesOfTheDialect)
{
    EXPECT_TRUE(matchesAll(u"\\u0041\\x42", u"AB"));
    EXPECT_TRUE(matchesAll(u"\\u00G\\xZ", u"u00GxZ")) << "incomplete hex escapes are the letters";
    EXPECT_TRUE(matchesAll(u"\\A\\Q\\z\\p", u"AQzp")) << "identity escapes, not PCRE2 syntax";
    EXPECT_TRUE(matchesAll(u"\\v\\cJ\\0", std::u16string_view(u"\v\n\0", 3)));
    EXPECT_TRUE(matchesAll(u"\\1\\101", u"\x01" u"A")) << "octal when no such group";
    EXPECT_TRUE(matchesAll(u"[[:a]+", u"[:a")) << "no POSIX classes";
    EXPECT_TRUE(matchesAll(u"[\\b]", u"\b"));
    EXPECT_TRUE(matchesAll(u"a{,2}}", u"a{,2}}")) << "a brace that is no quantifier is literal";
    EXPECT_TRUE(matchesAll(u"\\.\\$\\(\\u00e9", u".$(\u00e9"));
}

TEST(RegExp, GroupsAndBackReferences)
{
    EXPECT_TRUE(matchesAll(u"(a)(?:b)\\1", u"aba"));
    EXPECT_TRUE(matchesAll(u"(a)?b\\1", u"b")) << "an unset group's reference matches empty";
    EXPECT_TRUE(matchesAll(u"(?=ab)a(?!c)b", u"ab"));
    std::vector<Found> m = matches(u"(\\w)(\\d)?", u"x");
    ASSERT_EQ(m.size(), 1u);

    RegExp re;
    re.setPattern(Str(u"(\\w+)@(\\w+)?(x)?"));
    Ref<Object> all = re.execute(u"me@home").value();
    auto& first = static_cast<Match&>(*static_cast<MatchCollection&>(*all).item(0).value().asObject());
    Ref<SubMatches> sub = first.subMatches();
    ASSERT_EQ(sub->count(), 3u);
    EXPECT_EQ(text(sub->item(0).value()), "me");
    EXPECT_EQ(text(sub->item(1).value()), "home");
    EXPECT_TRUE(sub->item(2).value().isEmpty());
    EXPECT_EQ(sub->item(3).error().number, 5);
    EXPECT_EQ(first.subMatches().get(), sub.get()) << "the same SubMatches on every read";
}

TEST(RegExp, LinesDotAndAnchors)
{
    EXPECT_TRUE(matches(u"a.b", u"a\nb").empty());
    EXPECT_TRUE(matches(u"a.b", u"a\rb").empty());
    EXPECT_TRUE(matchesAll(u"[^]", u"\n"));
    EXPECT_TRUE(matches(u"[]", u"x").empty());
    EXPECT_TRUE(matches(u"a$", u"a\n").empty()) << "$ is the very end without Multiline";
    EXPECT_EQ(matches(u"^\\w", u"a\nb\rc", true, false, true),
              std::vector<Found>({ { 0, "a" }, { 2, "b" }, { 4, "c" } }));
    EXPECT_EQ(matches(u"\\w$", u"a\nb\rc", true, false, true),
              std::vector<Found>({ { 0, "a" }, { 2, "b" }, { 4, "c" } }));
    EXPECT_EQ(matches(u"^$", u"a\n", true, false, true), std::vector<Found>({ { 2, "" } }));
    EXPECT_EQ(matches(u"\\bfoo\\b", u"foo food foo"), std::vector<Found>({ { 0, "foo" }, { 9, "foo" } }));
    EXPECT_EQ(matches(u"\\s+", u"a \t\f\v\r\nb").size(), 1u);
}

TEST(RegExp, GlobalIgnoreCaseAndEmptyMatches)
{
    EXPECT_EQ(matches(u"a*", u"baaac"), std::vector<Found>({ { 0, "" }, { 1, "aaa" }, { 4, "" }, { 5, "" } }));
    EXPECT_EQ(matches(u"o", u"foo boo", false), std::vector<Found>({ { 1, "o" } }));
    EXPECT_EQ(matches(u"AB", u"ab Ab aB", true, true).size(), 3u);
    EXPECT_EQ(matches(u"", u"").size(), 1u);
    EXPECT_TRUE(matches(u"z", u"abc").empty());
}

TEST(RegExp, IgnoreCaseBeyondAscii)
{
    EXPECT_EQ(matches(u"caf\u00e9", u"CAF\u00c9", true, true).size(), 1u);
    EXPECT_EQ(matches(u"\u0414", u"\u0434", true, true).size(), 1u) << "an escape is a literal too";
    EXPECT_EQ(matches(u"[\u0430-\u044f]+", u"\u0414\u0430", true, true),
              std::vector<Found>({ { 0, "\u0414\u0430" } }));
    EXPECT_TRUE(matches(u"[^\u00e9]", u"\u00c9", true, true).empty());
    EXPECT_TRUE(matches(u"\u00e9", u"\u00c9", true, false).empty()) << "only with IgnoreCase";
    EXPECT_TRUE(matchesAll(u"[\\d-x]+", u"1-x"));
}

TEST(RegExp, ReplacementForms)
{
    EXPECT_EQ(replaced(u"(\\w+) (\\w+)", u"John Smith", u"$2, $1"), "Smith, John");
    EXPECT_EQ(replaced(u"b", u"abc", u"[$&|$`|$'|$$]"), "a[b|a|c|$]c");
    EXPECT_EQ(replaced(u"(b)", u"abc", u"$0$2$10$"), "a$0$2b0$c") << "only existing groups are expanded";
    EXPECT_EQ(replaced(u"(a)(b)?", u"a", u"[$2]"), "[]");
    EXPECT_EQ(replaced(u"(1)(2)(3)(4)(5)(6)(7)(8)(9)(x)", u"123456789x", u"$10$01"), "x1");
    EXPECT_EQ(replaced(u"o", u"foo", u"0", false), "f0o");
    EXPECT_EQ(replaced(u"", u"abc", u"-"), "-a-b-c-");
    EXPECT_EQ(replaced(u"x*", u"abc", u"-"), "-a-b-c-");
    EXPECT_EQ(replaced(u"q", u"abc", u"-"), "abc");
}

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

TEST(RegExp, CompiledPatternFollowsPropertyChanges)
{
    RegExp re;
    re.setPattern(Str(u"("));
    EXPECT_FALSE(re.test(u"a").ok());
    re.setPattern(Str(u"^A"));
    EXPECT_FALSE(re.test(u"a").value());
    re.setIgnoreCase(true);
    EXPECT_TRUE(re.test(u"a").value());
    EXPECT_FALSE(re.test(u"b\na").value());
    re.setMultiline(true);
    EXPECT_TRUE(re.test(u"b\na").value());
}

TEST(RegExp, ScriptMembersThroughDispatch)
{
    RegExp re;
    EXPECT_EQ(text(get(re, u"pattern")), "");
    EXPECT_EQ(text(get(re, u"Global")), "False");
    ASSERT_TRUE(invokeByName(re, u"Pattern", InvokeKind::PropertyPut, { str(u"\\d+") }).ok());
    ASSERT_TRUE(invokeByName(re, u"Global", InvokeKind::PropertyPut, { Variant::fromInteger(1) }).ok());
    EXPECT_EQ(text(get(re, u"Test", { str(u"a1") })), "True");
    EXPECT_EQ(text(get(re, u"Replace", { str(u"a1b22"), str(u"#") })), "a#b#");
    EXPECT_EQ(text(get(re, u"Replace", { str(u"a1"), Variant::fromInteger(7) })), "a7");

    Variant all = get(re, u"Execute", { str(u"x12y345") });
    ASSERT_TRUE(all.isObject());
    Object& collection = *all.asObject();
    EXPECT_EQ(collection.typeName(), Str(u"IMatchCollection2"));
    EXPECT_EQ(text(get(collection, u"Count")), "2");
    EXPECT_EQ(errorOf(invokeByName(collection, u"Item", InvokeKind::PropertyGet, { Variant::fromInteger(2) })), 5);
    Variant second = get(collection, u"Item", { Variant::fromInteger(1) });
    Object& m = *second.asObject();
    EXPECT_EQ(m.typeName(), Str(u"IMatch2"));
    EXPECT_EQ(text(readDefaultMember(&m).value()), "345");
    EXPECT_EQ(text(get(m, u"FirstIndex")), "4");
    EXPECT_EQ(text(get(m, u"Length")), "3");
    EXPECT_EQ(get(m, u"SubMatches").asObject()->typeName(), Str(u"ISubMatches"));

    Result<Ref<Enumerator>> e = collection.enumerate();
    ASSERT_TRUE(e.ok());
    Variant element;
    std::string values;
    while (e.value()->next(element).value())
        values += text(readDefaultMember(element.asObject()).value()) + ";";
    EXPECT_EQ(values, "12;345;");
}
