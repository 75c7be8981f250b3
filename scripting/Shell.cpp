#include "Shell.h"

#include "Process.h"
#include "TextStream.h"
#include "objects/SnapshotEnumerator.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace vorna::scripting {

namespace {

using vbs::DefaultValue;

class PipeSource final : public TextSource {
public:
    PipeSource(std::shared_ptr<Process> process, Process::Pipe pipe)
        : m_process(std::move(process))
        , m_pipe(pipe)
    {
    }
    Result<bool> more(std::u16string& out) override
    {
        std::string bytes = m_process->take(m_pipe);
        out += m_decoder.decode(bytes, bytes.empty());
        return !bytes.empty();
    }

private:
    std::shared_ptr<Process> m_process;
    Process::Pipe m_pipe;
    ChunkDecoder m_decoder;
};

class PipeSink final : public ByteSink {
public:
    explicit PipeSink(std::shared_ptr<Process> process)
        : m_process(std::move(process))
    {
    }
    Status put(std::string_view bytes) override { return m_process->writeInput(bytes); }
    Status close() override
    {
        m_process->closeInput();
        return {};
    }

private:
    std::shared_ptr<Process> m_process;
};

// ---------------------------------------------------------------- Exec

class Exec final : public vbs::HostObject {
public:
    explicit Exec(std::shared_ptr<Process> process);
    std::shared_ptr<Process> process;
    Ref<Object> out, err, in;
};

const vbs::ClassInfo execInfo(u"WshScriptExec",
    {
        { u"Status", 1, MemberKind::PropertyGet, {},
            on<Exec>([](Exec& e, Args) -> Result<Variant> {
                e.process->pump(0);
                return Variant::fromLong(e.process->running() ? 0 : 1);
            }) },
        { u"ExitCode", 2, MemberKind::PropertyGet, {},
            on<Exec>([](Exec& e, Args) -> Result<Variant> { return Variant::fromLong(e.process->exitCode()); }) },
        { u"ProcessID", 3, MemberKind::PropertyGet, {},
            on<Exec>([](Exec& e, Args) -> Result<Variant> { return Variant::fromLong(int32_t(e.process->pid())); }) },
        { u"StdOut", 4, MemberKind::PropertyGet, {}, on<Exec>([](Exec& e, Args) -> Result<Variant> { return Variant::fromObject(e.out); }) },
        { u"StdErr", 5, MemberKind::PropertyGet, {}, on<Exec>([](Exec& e, Args) -> Result<Variant> { return Variant::fromObject(e.err); }) },
        { u"StdIn", 6, MemberKind::PropertyGet, {}, on<Exec>([](Exec& e, Args) -> Result<Variant> { return Variant::fromObject(e.in); }) },
        { u"Terminate", 7, MemberKind::Method, {},
            on<Exec>([](Exec& e, Args) -> Result<Variant> {
                e.process->terminate();
                return Variant();
            }) },
    });

Exec::Exec(std::shared_ptr<Process> p)
    : HostObject(execInfo)
    , process(std::move(p))
    , out(vbs::makeRef<TextStream>(std::make_unique<PipeSource>(process, Process::Out)))
    , err(vbs::makeRef<TextStream>(std::make_unique<PipeSource>(process, Process::Err)))
    , in(vbs::makeRef<TextStream>(std::make_unique<PipeSink>(process), Encoding::Utf8))
{
}

// ---------------------------------------------------------------- Environment

std::vector<std::string> environmentEntries()
{
    std::vector<std::string> out;
    for (char** e = environ; e && *e; ++e)
        out.emplace_back(*e);
    return out;
}

Result<std::string> variableName(const Variant& v)
{
    TRY_ASSIGN(name, vbs::toString(v));
    std::string n = name.toUtf8();
    if (n.empty() || n.find('=') != std::string::npos)
        return vbs::fail(ErrorCode::InvalidProcedureCall);
    return n;
}

const vbs::ClassInfo environmentInfo(u"WshEnvironment",
    {
        { u"Item", 0, MemberKind::PropertyGet, { req(u"Name", ParamType::Variant) },
            [](Object&, Args a) -> Result<Variant> {
                TRY_ASSIGN(name, variableName(a[0].deref()));
                const char* value = std::getenv(name.c_str());
                return str(value ? value : "");
            } },
        { u"Item", 0, MemberKind::PropertyLet, { req(u"Name", ParamType::Variant), req(u"Value", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                TRY_ASSIGN(name, variableName(a[0].deref()));
                if (::setenv(name.c_str(), argStr(a, 1).toUtf8().c_str(), 1) != 0)
                    return vbs::fail(ErrorCode::InvalidProcedureCall);
                return Variant();
            } },
        { u"Count", 1, MemberKind::PropertyGet, {},
            [](Object&, Args) -> Result<Variant> { return Variant::fromLong(int32_t(environmentEntries().size())); } },
        { u"Length", 2, MemberKind::PropertyGet, {},
            [](Object&, Args) -> Result<Variant> { return Variant::fromLong(int32_t(environmentEntries().size())); } },
        { u"Remove", 3, MemberKind::Method, { req(u"Name", ParamType::Variant) },
            [](Object&, Args a) -> Result<Variant> {
                TRY_ASSIGN(name, variableName(a[0].deref()));
                ::unsetenv(name.c_str());
                return Variant();
            } },
    });

// The process's environment by variable name; assigning sets the variable
// for this process and the commands it starts.
class EnvironmentObject final : public vbs::HostObject {
public:
    EnvironmentObject()
        : HostObject(environmentInfo)
    {
    }
    // For Each gives "NAME=value" strings.
    Result<Ref<vbs::Enumerator>> enumerate() override
    {
        std::vector<Variant> items;
        for (const auto& e : environmentEntries())
            items.push_back(str(e));
        return Ref<vbs::Enumerator>(vbs::makeRef<vbs::SnapshotEnumerator>(std::move(items)));
    }
};

// ---------------------------------------------------------------- Shell

Result<Variant> currentDirectory()
{
    auto cwd = currentFolder();
    if (!cwd)
        return fileError(errno, true);
    return str(*cwd);
}

const vbs::ClassInfo shellInfo(u"WshShell",
    {
        { u"Run", 1, MemberKind::Method,
            { req(u"Command", ParamType::String), opt(u"WindowStyle", ParamType::Int32, DefaultValue::num(1)),
                opt(u"WaitOnReturn", ParamType::Boolean, DefaultValue::boolean(false)) },
            [](Object&, Args a) -> Result<Variant> {
                TRY_ASSIGN(code, runCommand(argStr(a, 0).toUtf8(), argBool(a, 2)));
                return Variant::fromLong(code);
            } },
        { u"Exec", 2, MemberKind::Method, { req(u"Command", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                TRY_ASSIGN(process, Process::start(argStr(a, 0).toUtf8()));
                return Variant::fromObject(Ref<Object>(vbs::makeRef<Exec>(std::move(process))));
            } },
        // Every type (System, User, Volatile, Process) is this process's environment.
        { u"Environment", 3, MemberKind::PropertyGet, { opt(u"Type", ParamType::String, DefaultValue::str(u"Process")) },
            [](Object&, Args a) -> Result<Variant> {
                Str type = argStr(a, 0);
                bool known = false;
                for (auto name : { u"System", u"User", u"Volatile", u"Process" })
                    known = known || vbs::equalsIgnoreCase(type.view(), name);
                if (!known)
                    return vbs::fail(ErrorCode::InvalidProcedureCall);
                return Variant::fromObject(Ref<Object>(vbs::makeRef<EnvironmentObject>()));
            } },
        { u"ExpandEnvironmentStrings", 4, MemberKind::Method, { req(u"Src", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> { return Variant::fromString(expandEnvironment(argStr(a, 0).view())); } },
        { u"CurrentDirectory", 5, MemberKind::PropertyGet, {}, [](Object&, Args) { return currentDirectory(); } },
        { u"CurrentDirectory", 5, MemberKind::PropertyLet, { req(u"Directory", ParamType::String) },
            [](Object&, Args a) -> Result<Variant> {
                if (::chdir(toNative(argStr(a, 0)).c_str()) != 0)
                    return fileError(errno, true);
                return Variant();
            } },
        { u"Popup", 6, MemberKind::Method,
            { req(u"Text", ParamType::String), opt(u"SecondsToWait", ParamType::Int32, DefaultValue::num(0)),
                opt(u"Title", ParamType::String, DefaultValue::str(u"")), opt(u"Type", ParamType::Int32, DefaultValue::num(0)) },
            on<Shell>([](Shell& s, Args a) { return s.popup(argStr(a, 0), argInt(a, 1), argStr(a, 2), argInt(a, 3)); }) },
    });

} // namespace

Shell::Shell(std::function<vbs::ScriptSite*()> site)
    : HostObject(shellInfo)
    , m_site(std::move(site))
{
}

const vbs::ClassInfo& Shell::classInfo() { return shellInfo; }

Result<Variant> Shell::popup(const Str& text, int seconds, const Str& title, int type)
{
    vbs::ScriptSite* site = m_site ? m_site() : nullptr;
    if (!site)
        return Variant::fromLong(-1);
    return Variant::fromLong(site->popup(text, seconds, title, type));
}

std::u16string expandEnvironment(std::u16string_view text)
{
    std::u16string out;
    size_t i = 0;
    while (i < text.size()) {
        size_t open = text.find(u'%', i);
        size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
        if (close == std::u16string_view::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        std::u16string_view name = text.substr(open + 1, close - open - 1);
        const char* value = name.empty() ? nullptr : std::getenv(vbs::utf16ToUtf8(name).c_str());
        if (value) {
            out += vbs::utf8ToUtf16(value);
            i = close + 1;
        } else {
            out += text.substr(open, close - open); // the second % may open the next name
            i = close;
        }
    }
    return out;
}

} // namespace vorna::scripting
