#include "FrmRuntime.h"

#include "Scripting.h"

namespace vorna::host {

namespace {

std::u16string decimal(int32_t value)
{
    std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

Str orDefaultTitle(const Str& title)
{
    return title.empty() ? Str(u"VBScript") : title;
}

} // namespace

Str errorPrompt(const Str& source, int32_t number, int32_t line, const Str& description)
{
    std::u16string prompt(source.view());
    prompt += u' ';
    prompt += decimal(number);
    prompt += u" at line ";
    prompt += decimal(line);
    prompt += u"\r\n\r\n";
    prompt += description.view();
    return Str(prompt);
}

FrmRuntime::FrmRuntime(dialog::Program& program, std::function<void()> onEnded)
    : m_program(program)
    , m_onEnded(std::move(onEnded))
    , m_script(std::make_unique<vbs::ScriptEngine>())
{
    m_script->setTimeout(Timeout);
    scripting::registerClasses(*m_script);
    m_script->setErrorHandler([this](const vbs::ScriptError&) { ReportScriptError(); });
}

FrmRuntime::~FrmRuntime()
{
    // Class_Terminate code may run while the engine goes; it reports nothing.
    m_reported = true;
    m_script->setSite(nullptr);
    dlg = nullptr;
    m_script.reset();
}

vbs::Status FrmRuntime::load()
{
    dlg = vbs::makeRef<dialog::Dialog>(m_program, *m_script);
    m_program.frmDialog();
    m_script->setSite(this);
    return m_script->addObject(u"Dialog", vbs::Ref<vbs::Object>(dlg.get()), vbs::AddMembers::Yes);
}

void FrmRuntime::unload()
{
    dlg = nullptr;
}

void FrmRuntime::ReportScriptError()
{
    // Only the first error of a run is ever shown.
    if (m_reported)
        return;
    m_reported = true;
    const vbs::ScriptError& error = m_script->lastError();
    Str prompt = errorPrompt(error.source, error.number, error.line, error.description);
    platform::Desktop& desktop = m_program.desktop();
    desktop.messageBox(prompt, platform::MsgStyle::Exclamation, Str(u"Vorna"), owner());
    desktop.endNow(platform::ExitStatus::ScriptError);
    // Only a stand-in desktop returns: stop the running script as the real
    // end would have.
    m_script->interrupt();
    if (m_onEnded)
        m_onEnded();
}

platform::Window* FrmRuntime::owner()
{
    return &m_program.frmDialog().window();
}

int FrmRuntime::messageBox(const Str& prompt, int buttons, const Str& title)
{
    return m_program.desktop().messageBox(prompt, buttons, orDefaultTitle(title), owner());
}

std::optional<Str> FrmRuntime::inputBox(const Str& prompt, const Str& title, const Str& defaultText,
                                        std::optional<int> xpos, std::optional<int> ypos)
{
    return m_program.desktop().inputBox(prompt, orDefaultTitle(title), defaultText, xpos, ypos, owner());
}

int FrmRuntime::popup(const Str& prompt, int seconds, const Str& title, int buttons)
{
    return m_program.desktop().timedMessageBox(prompt, buttons, orDefaultTitle(title), owner(), seconds);
}

bool FrmRuntime::stopOnTimeout()
{
    Str prompt(u"The script has been running for a long time.\r\n\r\nStop it?");
    int style = platform::MsgStyle::YesNo | platform::MsgStyle::Question;
    return m_program.desktop().messageBox(prompt, style, Str(u"Vorna"), owner()) == platform::AnswerYes;
}

} // namespace vorna::host
