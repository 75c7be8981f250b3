#include "Console.h"

#include "runtime/Convert.h"
#include "Support.h"

#include <string>

namespace vbsrun {

using namespace vbs;

namespace {

const ClassInfo consoleInfo(u"Console",
    {
        { u"WriteLine", 1, MemberKind::Method, { { u"Text", ParamType::Variant, true } },
            [](Object& self, Args args) -> Result<Variant> {
                TRY_STATUS(static_cast<Console&>(self).writeText(args[0], true));
                return Variant();
            } },
        { u"Write", 2, MemberKind::Method, { { u"Text", ParamType::Variant, true } },
            [](Object& self, Args args) -> Result<Variant> {
                TRY_STATUS(static_cast<Console&>(self).writeText(args[0], false));
                return Variant();
            } },
        { u"ReadLine", 3, MemberKind::Method, {},
            [](Object& self, Args) -> Result<Variant> {
                return Variant::fromString(static_cast<Console&>(self).readLine());
            } },
    });

void writeUtf8(const Str& text)
{
    std::string bytes = text.toUtf8();
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

} // namespace

std::optional<std::string> readInputLine()
{
    auto line = vorna::scripting::readStdinLine();
    if (!line)
        return std::nullopt;
    if (!line->empty() && line->back() == '\n')
        line->pop_back();
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    return line;
}

Console::Console()
    : HostObject(consoleInfo)
{
}

const ClassInfo& Console::info() { return consoleInfo; }

// WriteLine [Text]: Null prints as "Null", everything else as CStr does.
Status Console::writeText(const Variant& text, bool newLine)
{
    const Variant& value = text.deref();
    if (value.isNull()) {
        writeUtf8(Str(u"Null"));
    } else if (!value.isMissing()) {
        TRY_ASSIGN(s, toString(value));
        writeUtf8(s);
    }
    if (newLine)
        std::fputc('\n', stdout);
    return {};
}

Str Console::readLine()
{
    std::fflush(stdout);
    auto line = readInputLine();
    return line ? Str::fromUtf8(*line) : Str();
}

int TerminalSite::messageBox(const Str& prompt, int, const Str&)
{
    writeUtf8(prompt);
    std::fputc('\n', stdout);
    return 1; // vbOK
}

std::optional<Str> TerminalSite::inputBox(const Str& prompt, const Str&, const Str& defaultText,
                                          std::optional<int>, std::optional<int>)
{
    writeUtf8(prompt);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    auto line = readInputLine();
    return line ? Str::fromUtf8(*line) : defaultText;
}

} // namespace vbsrun
