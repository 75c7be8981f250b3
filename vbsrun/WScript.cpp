#include "WScript.h"

#include "Support.h"
#include "TextStream.h"
#include "VbsrunVersion.h"
#include "objects/SnapshotEnumerator.h"

#include <thread>
#include <unistd.h>

namespace vbsrun {

using namespace vorna::scripting;
using vbs::DefaultValue;
using vbs::DispId;

namespace {

constexpr DispId EchoId = 1;

// Arguments, and its Unnamed and Named views: Item is the default member.
class ArgumentList final : public vbs::HostObject {
public:
    enum class Kind : uint8_t { All, Unnamed, Named };
    ArgumentList(Kind kind, std::vector<std::string> items);
    Result<Variant> item(const Variant& key) const
    {
        if (m_kind == Kind::Named) {
            TRY_ASSIGN(name, vbs::toString(key));
            if (auto i = find(name))
                return m_values[*i];
            return Variant();
        }
        TRY_ASSIGN(index, vbs::toLong(key));
        if (index < 0 || size_t(index) >= m_items.size())
            return vbs::fail(ErrorCode::SubscriptOutOfRange);
        return str(m_items[size_t(index)]);
    }
    std::optional<size_t> find(const Str& name) const
    {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (vbs::equalsIgnoreCase(Str::fromUtf8(m_items[i]).view(), name.view()))
                return i;
        return std::nullopt;
    }
    size_t count() const { return m_items.size(); }
    Result<Ref<vbs::Enumerator>> enumerate() override
    {
        std::vector<Variant> items;
        for (const auto& s : m_items)
            items.push_back(str(s));
        return Ref<vbs::Enumerator>(vbs::makeRef<vbs::SnapshotEnumerator>(std::move(items)));
    }
    Ref<Object> unnamed, named;

private:
    Kind m_kind;
    std::vector<std::string> m_items; // for Named: the names
    std::vector<Variant> m_values; // for Named: each switch's value
};

std::vector<vbs::MemberInfo> argumentMembers()
{
    return {
        { u"Item", 0, MemberKind::PropertyGet, { req(u"Index", ParamType::Variant) },
            on<ArgumentList>([](ArgumentList& l, Args a) { return l.item(a[0].deref()); }) },
        { u"Count", 1, MemberKind::Method, {},
            on<ArgumentList>([](ArgumentList& l, Args) -> Result<Variant> { return Variant::fromLong(int32_t(l.count())); }) },
        { u"Length", 2, MemberKind::PropertyGet, {},
            on<ArgumentList>([](ArgumentList& l, Args) -> Result<Variant> { return Variant::fromLong(int32_t(l.count())); }) },
        { u"Exists", 3, MemberKind::Method, { req(u"Key", ParamType::String) },
            on<ArgumentList>([](ArgumentList& l, Args a) -> Result<Variant> {
                return Variant::fromBool(l.find(argStr(a, 0)).has_value());
            }) },
        { u"Unnamed", 4, MemberKind::PropertyGet, {},
            on<ArgumentList>([](ArgumentList& l, Args) -> Result<Variant> { return Variant::fromObject(l.unnamed); }) },
        { u"Named", 5, MemberKind::PropertyGet, {},
            on<ArgumentList>([](ArgumentList& l, Args) -> Result<Variant> { return Variant::fromObject(l.named); }) },
    };
}

// One table, three names: TypeName tells the views apart.
const vbs::ClassInfo argumentsInfo(u"WshArguments", argumentMembers());
const vbs::ClassInfo unnamedInfo(u"WshUnnamed", argumentMembers());
const vbs::ClassInfo namedInfo(u"WshNamed", argumentMembers());

ArgumentList::ArgumentList(Kind kind, std::vector<std::string> items)
    : HostObject(kind == Kind::All ? argumentsInfo : kind == Kind::Named ? namedInfo : unnamedInfo)
    , m_kind(kind)
{
    if (kind != Kind::Named) {
        m_items = std::move(items);
        return;
    }
    // "/name:value" or "/name"; the name ends at the first ':'.
    for (const auto& arg : items) {
        size_t colon = arg.find(':');
        m_items.push_back(arg.substr(1, colon == std::string::npos ? std::string::npos : colon - 1));
        m_values.push_back(colon == std::string::npos ? Variant() : str(arg.substr(colon + 1)));
    }
}

Ref<Object> makeArguments(const std::vector<std::string>& args)
{
    std::vector<std::string> unnamed, named;
    for (const auto& a : args)
        (a.size() > 1 && a[0] == '/' ? named : unnamed).push_back(a);
    auto all = vbs::makeRef<ArgumentList>(ArgumentList::Kind::All, args);
    all->unnamed = vbs::makeRef<ArgumentList>(ArgumentList::Kind::Unnamed, std::move(unnamed));
    all->named = vbs::makeRef<ArgumentList>(ArgumentList::Kind::Named, std::move(named));
    return all;
}

std::string executablePath()
{
    std::string path(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    path.resize(n > 0 ? size_t(n) : 0);
    return path.empty() ? "vbsrun" : path;
}

Variant object(const Ref<Object>& o) { return Variant::fromObject(o); }

const vbs::ClassInfo wscriptInfo(u"WScript",
    {
        { u"Echo", EchoId, MemberKind::Method, {}, nullptr }, // see WScript::invoke
        { u"StdOut", 2, MemberKind::PropertyGet, {}, on<WScript>([](WScript& w, Args) -> Result<Variant> { return object(w.stdOut); }) },
        { u"StdErr", 3, MemberKind::PropertyGet, {}, on<WScript>([](WScript& w, Args) -> Result<Variant> { return object(w.stdErr); }) },
        { u"StdIn", 4, MemberKind::PropertyGet, {}, on<WScript>([](WScript& w, Args) -> Result<Variant> { return object(w.stdIn); }) },
        { u"Arguments", 5, MemberKind::PropertyGet, {},
            on<WScript>([](WScript& w, Args) -> Result<Variant> { return object(w.arguments); }) },
        { u"ScriptName", 6, MemberKind::PropertyGet, {},
            on<WScript>([](WScript& w, Args) -> Result<Variant> { return str(baseName(w.scriptPath)); }) },
        { u"ScriptFullName", 7, MemberKind::PropertyGet, {},
            on<WScript>([](WScript& w, Args) -> Result<Variant> { return str(w.scriptPath); }) },
        { u"Path", 8, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(parentName(executablePath())); } },
        { u"FullName", 9, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(executablePath()); } },
        { u"Name", 0, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str("vbsrun"); } },
        { u"Version", 10, MemberKind::PropertyGet, {}, [](Object&, Args) -> Result<Variant> { return str(VBSRUN_VERSION); } },
        { u"Interactive", 11, MemberKind::PropertyGet, {},
            on<WScript>([](WScript& w, Args) -> Result<Variant> { return Variant::fromBool(w.interactive); }) },
        { u"Interactive", 11, MemberKind::PropertyLet, { req(u"Value", ParamType::Boolean) },
            on<WScript>([](WScript& w, Args a) -> Result<Variant> {
                w.interactive = argBool(a, 0);
                return Variant();
            }) },
        { u"Quit", 12, MemberKind::Method, { opt(u"ExitCode", ParamType::Int32, DefaultValue::num(0)) },
            on<WScript>([](WScript& w, Args a) { return w.quit(argInt(a, 0)); }) },
        { u"Sleep", 13, MemberKind::Method, { req(u"Time", ParamType::Int32) },
            [](Object&, Args a) -> Result<Variant> {
                if (argInt(a, 0) < 0)
                    return vbs::fail(ErrorCode::InvalidProcedureCall);
                std::fflush(stdout);
                std::this_thread::sleep_for(std::chrono::milliseconds(argInt(a, 0)));
                return Variant();
            } },
        { u"CreateObject", 14, MemberKind::Method, { req(u"ProgID", ParamType::String), opt(u"Prefix", ParamType::String) },
            on<WScript>([](WScript& w, Args a) -> Result<Variant> {
                TRY_ASSIGN(o, w.engine.createObject(argStr(a, 0).view()));
                return object(o);
            }) },
        { u"GetObject", 15, MemberKind::Method,
            { req(u"Pathname", ParamType::String), opt(u"ProgID", ParamType::String, DefaultValue::str(u"")), opt(u"Prefix", ParamType::String) },
            on<WScript>([](WScript& w, Args a) -> Result<Variant> {
                if (!argStr(a, 0).view().empty() || argStr(a, 1).view().empty())
                    return vbs::fail(ErrorCode::CantCreateObject);
                TRY_ASSIGN(o, w.engine.createObject(argStr(a, 1).view()));
                return object(o);
            }) },
    });

} // namespace

WScript::WScript(vbs::ScriptEngine& e, std::string path, std::vector<std::string> args)
    : HostObject(wscriptInfo)
    , engine(e)
    , scriptPath(std::move(path))
    , arguments(makeArguments(args))
    , stdIn(vbs::makeRef<TextStream>(stdinSource()))
    , stdOut(vbs::makeRef<TextStream>(stdioSink(stdout), Encoding::Utf8))
    , stdErr(vbs::makeRef<TextStream>(stdioSink(stderr), Encoding::Utf8))
{
}

const vbs::ClassInfo& WScript::classInfo() { return wscriptInfo; }

Result<Variant> WScript::invoke(DispId id, vbs::InvokeKind kind, Args args)
{
    if (id != EchoId || kind == vbs::InvokeKind::PropertyPut || kind == vbs::InvokeKind::PropertyPutRef)
        return HostObject::invoke(id, kind, args);
    std::u16string line;
    for (size_t i = 0; i < args.size(); ++i) {
        const Variant& v = args[i].deref();
        if (i > 0)
            line += u' ';
        if (v.isNull()) {
            line += u"Null";
        } else if (!v.isMissing()) {
            TRY_ASSIGN(s, vbs::toString(v));
            line += s.view();
        }
    }
    line += u'\n';
    std::string bytes = vbs::utf16ToUtf8(line);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return Variant();
}

// Ends the script: an error that On Error cannot catch unwinds every frame
// at once; the runner then exits with the code instead of reporting it.
Result<Variant> WScript::quit(int code)
{
    m_quit = code;
    vbs::ScriptError e = vbs::makeError(ErrorCode::UserInterrupt);
    e.uncatchable = true;
    return vbs::fail(std::move(e));
}

} // namespace vbsrun
