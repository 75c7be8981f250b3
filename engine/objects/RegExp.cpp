#include "objects/RegExp.h"

#include "objects/RegExpMatch.h"

namespace vbs {

namespace {

enum : DispId {
    IdPattern = 1,
    IdIgnoreCase,
    IdGlobal,
    IdExecute,
    IdTest,
    IdReplace,
    IdMultiline,
};

RegExp& self(Object& o)
{
    return static_cast<RegExp&>(o);
}

constexpr ParamInfo StringParam { u"sourceString", ParamType::String };
constexpr ParamInfo BoolValue { u"NewValue", ParamType::Boolean };

Result<Variant> boolean(bool b)
{
    return Variant::fromBool(b);
}

// A string parameter as converted by the dispatch layer.
std::u16string_view text(const Variant& v)
{
    return v.stringView();
}

std::vector<MemberInfo> regExpMembers()
{
    return {
        // Pattern: String, "" at first. The new value is converted to a
        // String (Empty is "", Null 94, an object its default value); a bad
        // pattern is only reported when it is used.
        { u"Pattern", IdPattern, MemberKind::PropertyGet, {},
            [](Object& o, Args) { return Result<Variant>(Variant::fromString(self(o).pattern())); } },
        { u"Pattern", IdPattern, MemberKind::PropertyLet, { { u"NewValue", ParamType::String } },
            [](Object& o, Args a) {
                self(o).setPattern(a[0].asString());
                return Result<Variant>(Variant());
            } },
        // IgnoreCase, Global, Multiline: Boolean, False at first; new values
        // converted as CBool does (Empty False, Null 94, "True"/"False").
        { u"IgnoreCase", IdIgnoreCase, MemberKind::PropertyGet, {},
            [](Object& o, Args) { return boolean(self(o).ignoreCase()); } },
        { u"IgnoreCase", IdIgnoreCase, MemberKind::PropertyLet, { BoolValue },
            [](Object& o, Args a) {
                self(o).setIgnoreCase(a[0].asBool());
                return Result<Variant>(Variant());
            } },
        { u"Global", IdGlobal, MemberKind::PropertyGet, {},
            [](Object& o, Args) { return boolean(self(o).global()); } },
        { u"Global", IdGlobal, MemberKind::PropertyLet, { BoolValue },
            [](Object& o, Args a) {
                self(o).setGlobal(a[0].asBool());
                return Result<Variant>(Variant());
            } },
        { u"Multiline", IdMultiline, MemberKind::PropertyGet, {},
            [](Object& o, Args) { return boolean(self(o).multiline()); } },
        { u"Multiline", IdMultiline, MemberKind::PropertyLet, { BoolValue },
            [](Object& o, Args a) {
                self(o).setMultiline(a[0].asBool());
                return Result<Variant>(Variant());
            } },
        // The string arguments of Test, Execute and Replace are converted as
        // CStr does (numbers formatted, Empty "", Null 94); a bad pattern
        // raises its error (5017..5021), a runaway search 28.
        // Test(sourceString): Boolean. Execute(sourceString): a
        // MatchCollection.
        { u"Test", IdTest, MemberKind::Method, { StringParam },
            [](Object& o, Args a) -> Result<Variant> {
                TRY_ASSIGN(found, self(o).test(text(a[0])));
                return Variant::fromBool(found);
            } },
        { u"Execute", IdExecute, MemberKind::Method, { StringParam },
            [](Object& o, Args a) -> Result<Variant> {
                TRY_ASSIGN(matches, self(o).execute(text(a[0])));
                return Variant::fromObject(matches);
            } },
        // Replace(sourceString, replaceVar): String. replaceVar is a
        // procedure reference (GetRef) that returns each replacement, or
        // else converted to a String in which $1..$99, $&, $`, $' and $$
        // are expanded.
        { u"Replace", IdReplace, MemberKind::Method, { StringParam, { u"replaceVar", ParamType::Variant } },
            [](Object& o, Args a) -> Result<Variant> {
                const Variant& with = a[1].deref();
                if (with.isObject() && with.asObject() && with.asObject()->objectKind() == ObjectKind::Other) {
                    TRY_ASSIGN(out, self(o).replace(text(a[0]), *with.asObject()));
                    return Variant::fromString(std::move(out));
                }
                TRY_ASSIGN(replacement, convertArgument(with, ParamType::String));
                TRY_ASSIGN(out, self(o).replace(text(a[0]), text(replacement)));
                return Variant::fromString(std::move(out));
            } },
    };
}

// Where the next search starts: an empty match moves on by one code unit so
// that the walk always advances.
size_t nextStart(const GroupSpan& match)
{
    return match.end == match.begin ? match.end + 1 : match.end;
}

// The SubMatches of one match: each group's text, Empty when unmatched.
std::vector<Variant> groupValues(std::u16string_view subject, const std::vector<GroupSpan>& groups)
{
    std::vector<Variant> out;
    out.reserve(groups.size() - 1);
    for (size_t g = 1; g < groups.size(); ++g) {
        const GroupSpan& s = groups[g];
        out.push_back(s.matched ? Variant::fromString(subject.substr(s.begin, s.end - s.begin)) : Variant());
    }
    return out;
}

// Parses the group number after '$' at replacement[i]: two digits when they
// name an existing group, else one digit; 0 when neither does.
int groupReference(std::u16string_view r, size_t i, int captures, size_t& used)
{
    auto digit = [&](size_t k) { return k < r.size() && r[k] >= u'0' && r[k] <= u'9' ? r[k] - u'0' : -1; };
    int first = digit(i);
    if (first < 0)
        return 0;
    int second = digit(i + 1);
    if (second >= 0 && first * 10 + second >= 1 && first * 10 + second <= captures) {
        used = 2;
        return first * 10 + second;
    }
    if (first >= 1 && first <= captures) {
        used = 1;
        return first;
    }
    return 0;
}

// Appends the replacement text for one match, expanding the $ forms.
void expandReplacement(std::u16string& out, std::u16string_view r, std::u16string_view subject,
    const std::vector<GroupSpan>& groups)
{
    const int captures = static_cast<int>(groups.size()) - 1;
    const GroupSpan& whole = groups[0];
    for (size_t i = 0; i < r.size(); ++i) {
        char16_t c = r[i];
        if (c != u'$' || i + 1 >= r.size()) {
            out.push_back(c);
            continue;
        }
        char16_t n = r[i + 1];
        size_t used = 0;
        if (n == u'$') {
            out.push_back(u'$');
        } else if (n == u'&') {
            out.append(subject.substr(whole.begin, whole.end - whole.begin));
        } else if (n == u'`') {
            out.append(subject.substr(0, whole.begin));
        } else if (n == u'\'') {
            out.append(subject.substr(whole.end));
        } else if (int g = groupReference(r, i + 1, captures, used); g > 0) {
            const GroupSpan& s = groups[static_cast<size_t>(g)];
            if (s.matched)
                out.append(subject.substr(s.begin, s.end - s.begin));
            i += used;
            continue;
        } else {
            out.push_back(c); // not a replacement form: a literal '$'
            continue;
        }
        ++i;
    }
}

} // namespace

const ClassInfo& RegExp::classInfo()
{
    static const ClassInfo info(u"IRegExp2", regExpMembers());
    return info;
}

RegExp::RegExp()
    : HostObject(classInfo())
{
}

void RegExp::setPattern(Str pattern)
{
    if (pattern == m_pattern)
        return;
    m_pattern = std::move(pattern);
    m_compiled.reset();
}

void RegExp::setIgnoreCase(bool on)
{
    if (on != m_options.ignoreCase)
        m_compiled.reset();
    m_options.ignoreCase = on;
}

void RegExp::setMultiline(bool on)
{
    if (on != m_options.multiline)
        m_compiled.reset();
    m_options.multiline = on;
}

Result<std::shared_ptr<CompiledRegex>> RegExp::compiled()
{
    if (!m_compiled) {
        TRY_ASSIGN(fresh, CompiledRegex::compile(m_pattern.view(), m_options));
        try {
            m_compiled = std::make_shared<CompiledRegex>(std::move(fresh));
        } catch (const std::bad_alloc&) {
            return fail(ErrorCode::OutOfMemory);
        }
    }
    return m_compiled;
}

Result<bool> RegExp::test(std::u16string_view subject)
{
    TRY_ASSIGN(re, compiled());
    std::vector<GroupSpan> groups;
    return re->search(subject, 0, groups);
}

Result<Ref<Object>> RegExp::execute(std::u16string_view subject)
{
    TRY_ASSIGN(re, compiled());
    std::vector<Ref<Match>> matches;
    std::vector<GroupSpan> groups;
    size_t start = 0;
    try {
        while (start <= subject.size()) {
            TRY_ASSIGN(found, re->search(subject, start, groups));
            if (!found)
                break;
            const GroupSpan& m = groups[0];
            matches.push_back(makeRef<Match>(Str(subject.substr(m.begin, m.end - m.begin)),
                static_cast<int32_t>(m.begin), groupValues(subject, groups)));
            if (!m_global)
                break;
            start = nextStart(m);
        }
    } catch (const std::bad_alloc&) {
        return fail(ErrorCode::OutOfMemory);
    }
    return Ref<Object>(makeRef<MatchCollection>(std::move(matches)));
}

Result<Str> RegExp::replace(std::u16string_view subject, std::u16string_view replacement)
{
    return replaceMatches(subject,
        [replacement](std::u16string& out, std::u16string_view s, const std::vector<GroupSpan>& groups) {
            expandReplacement(out, replacement, s, groups);
            return Status {};
        });
}

Result<Str> RegExp::replace(std::u16string_view subject, Object& function)
{
    Ref<Object> keepFunction(&function);
    Ref<Object> keepSelf(this);
    const Variant source = Variant::fromString(subject);
    return replaceMatches(subject,
        [&](std::u16string& out, std::u16string_view s, const std::vector<GroupSpan>& groups) -> Status {
            const GroupSpan& m = groups[0];
            std::vector<Variant> args;
            args.reserve(groups.size() + 2);
            args.push_back(Variant::fromString(s.substr(m.begin, m.end - m.begin)));
            for (Variant& g : groupValues(s, groups))
                args.push_back(std::move(g));
            args.push_back(Variant::fromLong(static_cast<int32_t>(m.begin)));
            args.push_back(source);
            TRY_ASSIGN(result, function.invoke(DispIdValue, InvokeKind::Method, Args(args)));
            TRY_ASSIGN(piece, convertArgument(result, ParamType::String));
            out.append(piece.stringView());
            return {};
        });
}

Result<Str> RegExp::replaceMatches(std::u16string_view subject, const Replacer& replacer)
{
    // A local reference: the replacer may run a script that changes Pattern.
    TRY_ASSIGN(re, compiled());
    std::u16string out;
    std::vector<GroupSpan> groups;
    size_t copied = 0; // subject text before this offset is already in `out`
    size_t start = 0;
    try {
        while (start <= subject.size()) {
            TRY_ASSIGN(found, re->search(subject, start, groups));
            if (!found)
                break;
            const GroupSpan& m = groups[0];
            out.append(subject.substr(copied, m.begin - copied));
            TRY_STATUS(replacer(out, subject, groups));
            copied = m.end;
            if (out.size() > Str::MaxLength)
                return fail(ErrorCode::OutOfMemory);
            if (!m_global)
                break;
            start = nextStart(m);
        }
        out.append(subject.substr(copied));
        if (out.size() > Str::MaxLength)
            return fail(ErrorCode::OutOfMemory);
        return Str(out);
    } catch (const std::bad_alloc&) {
        return fail(ErrorCode::OutOfMemory);
    }
}

} // namespace vbs
