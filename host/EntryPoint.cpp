#include "EntryPoint.h"

#include "runtime/Convert.h"

namespace vorna::host {

using platform::ExitStatus;
using platform::MsgStyle::Exclamation;
using platform::MsgStyle::Information;

class EntryPoint::Call {
public:
    explicit Call(EntryPoint& entry)
        : m_entry(entry)
    {
        ++m_entry.m_depth;
    }
    ~Call()
    {
        if (--m_entry.m_depth == 0)
            m_entry.afterCall();
    }

private:
    EntryPoint& m_entry;
};

Str cleanScriptPath(const Str& commandLine)
{
    std::u16string_view text = commandLine.view();
    size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    std::u16string path;
    for (char16_t c : text)
        if (c != u'"')
            path += c;
    return Str(path);
}

EntryPoint::EntryPoint(platform::Desktop& desktop)
    : m_desktop(desktop)
{
}

EntryPoint::~EntryPoint()
{
    // The engine goes first: its objects may still reach the windows.
    m_frmRuntime.reset();
    m_retiredRuntimes.clear();
}

std::optional<Str> EntryPoint::ReadScriptPath()
{
    Str path = cleanScriptPath(m_desktop.commandLine());
    if (path.empty()) {
        m_desktop.messageBox(Str(u"Usage: vorna.exe script"), Information, Str(u"Vorna"), nullptr);
        m_desktop.endNow(ExitStatus::Usage);
        m_ended = true;
        return std::nullopt;
    }
    if (platform::findFirstFile(path).empty()) {
        std::u16string prompt(u"No such file or directory:\r\n\r\n");
        prompt += path.view();
        m_desktop.messageBox(Str(prompt), Exclamation, Str(u"Vorna"), nullptr);
        m_desktop.endNow(ExitStatus::MissingFile);
        m_ended = true;
        return std::nullopt;
    }
    return path;
}

// The run-time's default report of a failure that start-up does not handle.
void EntryPoint::fatal(const vbs::ScriptError& error)
{
    std::string number = std::to_string(error.number);
    std::u16string prompt(u"Run-time error '");
    prompt += std::u16string(number.begin(), number.end());
    prompt += u"':\r\n\r\n";
    prompt += error.description.view();
    m_desktop.messageBox(Str(prompt), platform::MsgStyle::Critical, Str(u"Vorna"), nullptr);
    m_desktop.endNow(ExitStatus::Fatal);
    m_ended = true;
}

void EntryPoint::Main()
{
    std::optional<Str> path = ReadScriptPath();
    if (!path)
        return;
    ScriptPath = *path;
    auto stream = platform::TextFile::open(ScriptPath);
    if (!stream)
        return fatal(stream.error());
    ScriptStream = std::move(stream.value());
    frmDialog();
    m_frmRuntime = std::make_unique<FrmRuntime>(*this, [this] { m_ended = true; });
    if (auto loaded = m_frmRuntime->load(); !loaded)
        return fatal(loaded.error());
    // From here on a failing step is passed over.
    if (auto text = ScriptStream->readAll()) {
        Call call(*this);
        (void)m_frmRuntime->Script().addCode(text.value().view());
    }
    if (m_ended)
        return;
    if (!m_closed)
        centreAndShow();
    ScriptStream->close();
}

// Left = (screen width - window width) \ 2, the difference rounded half to
// even first and the halving truncated toward zero; the same for Top.
void EntryPoint::centreAndShow()
{
    platform::Window& window = frmDialog().window();
    auto half = [](float difference) {
        return float(static_cast<int64_t>(vbs::roundHalfEven(double(difference))) / 2);
    };
    (void)window.move(half(m_desktop.screenWidth() - window.width()),
                      half(m_desktop.screenHeight() - window.height()));
    window.show();
}

dialog::FrmDialog& EntryPoint::frmDialog()
{
    if (!m_frmDialog) {
        m_frmDialog = std::make_unique<dialog::FrmDialog>(*this);
        (void)m_frmDialog->load();
    }
    return *m_frmDialog;
}

void EntryPoint::runProcedure(const Str& name)
{
    if (m_ended || !m_frmRuntime)
        return;
    Call call(*this);
    (void)m_frmRuntime->Script().run(name.view());
}

void EntryPoint::unloadRuntime()
{
    if (m_frmRuntime)
        m_frmRuntime->unload();
}

// After Quit or the close box nothing becomes visible any more; the windows
// go once no host call runs on them.
void EntryPoint::clearWindowReferences()
{
    m_closed = true;
    if (m_frmRuntime)
        m_retiredRuntimes.push_back(std::move(m_frmRuntime));
    if (m_frmDialog)
        m_retiredDialogs.push_back(std::move(m_frmDialog));
    if (m_depth == 0)
        afterCall();
}

void EntryPoint::afterCall()
{
    if (m_closed && !m_ended)
        m_desktop.quit(ExitStatus::Normal);
}

} // namespace vorna::host
