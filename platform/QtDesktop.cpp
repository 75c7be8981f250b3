// The window, the screen, message boxes and the process on Qt.
#include "QtDesktop.h"
#include "QtWidgets.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QScreen>

#include <unistd.h>

namespace vorna::platform {

struct Application::Impl {
    QApplication app;
    Impl(int& argc, char** argv)
        : app(argc, argv)
    {
    }
};

Application::Application(int& argc, char** argv)
    : m_impl(std::make_unique<Impl>(argc, argv))
{
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() = default;

std::vector<Str> Application::arguments()
{
    QStringList all = QCoreApplication::arguments();
    std::vector<Str> result;
    for (qsizetype i = 1; i < all.size(); ++i)
        result.push_back(fromQString(all[i]));
    return result;
}

QtWindow::QtWindow(const Desktop& desktop)
    : m_desktop(desktop)
    , m_form(new FormWidget)
    , m_width(3915)
    , m_height(3195)
{
    // Templates in keyboard order: Labels, Buttons, Texts, Canvases, Reports.
    // Loaded elements call back into their array, so the arrays never move.
    m_arrays.reserve(5);
    m_arrays.emplace_back(std::make_shared<QtLabel>(desktop, m_form));
    m_arrays.emplace_back(std::make_shared<QtButton>(desktop, m_form));
    m_arrays.emplace_back(std::make_shared<QtTextBox>(desktop, m_form));
    m_arrays.emplace_back(std::make_shared<QtPicture>(desktop, m_form));
    m_arrays.emplace_back(std::make_shared<QtReport>(desktop, m_form));
    applySize();
}

QtWindow::~QtWindow()
{
    delete m_form;
}

Str QtWindow::caption() const
{
    return fromQString(m_form->windowTitle());
}

void QtWindow::setCaption(const Str& caption)
{
    m_form->setWindowTitle(toQString(caption));
}

Status QtWindow::setWidth(float twips)
{
    if (twips < 0)
        return vbs::fail(invalidPropertyValue());
    m_width = twips;
    applySize();
    return {};
}

Status QtWindow::setHeight(float twips)
{
    if (twips < 0)
        return vbs::fail(invalidPropertyValue());
    m_height = twips;
    applySize();
    return {};
}

// The twips stay as set; on the screen the inner area is at least one pixel
// each way, since a window of no height is never mapped (a fresh window has
// none until its first control arrives).
void QtWindow::applySize()
{
    m_form->setFixedSize(qMax(1, qRound(m_width / m_desktop.twipsPerPixelX())),
                         qMax(1, qRound(m_height / m_desktop.twipsPerPixelY())));
}

Status QtWindow::move(float left, float top)
{
    m_left = left;
    m_top = top;
    m_form->move(qRound(left / m_desktop.twipsPerPixelX()), qRound(top / m_desktop.twipsPerPixelY()));
    return {};
}

void QtWindow::show()
{
    if (m_unloaded)
        return;
    m_form->show();
    m_form->activateWindow();
}

bool QtWindow::isVisible() const
{
    return m_form->isVisible();
}

void QtWindow::unload()
{
    m_unloaded = true;
    m_form->onClose = nullptr;
    m_form->hide();
    for (ControlArray& array : m_arrays)
        array.setClickHandler(nullptr);
}

ControlArray& QtWindow::controls(ControlKind kind)
{
    return m_arrays[static_cast<size_t>(kind)];
}

void QtWindow::setQueryUnloadHandler(std::function<void()> handler)
{
    if (!m_unloaded)
        m_form->onClose = std::move(handler);
}

QtDesktop::QtDesktop(std::vector<Str> arguments)
    : m_arguments(std::move(arguments))
{
}

namespace {

QScreen* screen()
{
    return QGuiApplication::primaryScreen();
}

float twipsPerPixel(qreal dotsPerInch)
{
    return dotsPerInch > 0 ? float(1440.0 / dotsPerInch) : 15.0f;
}

QWidget* ownerWidget(Window* owner)
{
    auto* window = dynamic_cast<QtWindow*>(owner);
    return window ? window->widget() : nullptr;
}

QString promptText(const Str& prompt)
{
    QString text = toQString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

} // namespace

float QtDesktop::twipsPerPixelX() const
{
    return twipsPerPixel(screen() ? screen()->logicalDotsPerInchX() : 96);
}

float QtDesktop::twipsPerPixelY() const
{
    return twipsPerPixel(screen() ? screen()->logicalDotsPerInchY() : 96);
}

float QtDesktop::screenWidth() const
{
    return float(screen() ? screen()->geometry().width() : 1024) * twipsPerPixelX();
}

float QtDesktop::screenHeight() const
{
    return float(screen() ? screen()->geometry().height() : 768) * twipsPerPixelY();
}

std::unique_ptr<Window> QtDesktop::createWindow()
{
    return std::make_unique<QtWindow>(*this);
}

namespace {

struct ButtonSet {
    QMessageBox::StandardButton button;
    int answer;
};

// The buttons of the style's low bits, in the order they stand in the box.
std::vector<ButtonSet> buttonsOf(int style)
{
    using B = QMessageBox;
    switch (style & 7) {
    case 1: return { { B::Ok, 1 }, { B::Cancel, 2 } };
    case 2: return { { B::Abort, 3 }, { B::Retry, 4 }, { B::Ignore, 5 } };
    case 3: return { { B::Yes, 6 }, { B::No, 7 }, { B::Cancel, 2 } };
    case 4: return { { B::Yes, 6 }, { B::No, 7 } };
    case 5: return { { B::Retry, 4 }, { B::Cancel, 2 } };
    default: return { { B::Ok, 1 } };
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int QtDesktop::messageBox(const Str& prompt, int style, const Str& title, Window* owner)
{
    return timedMessageBox(prompt, style, title, owner, 0);
}

int QtDesktop::timedMessageBox(const Str& prompt, int style, const Str& title, Window* owner, int seconds)
{
    QMessageBox box(iconOf(style), toQString(title), promptText(prompt), QMessageBox::NoButton, ownerWidget(owner));
    box.setTextFormat(Qt::PlainText);
    std::vector<ButtonSet> buttons = buttonsOf(style);
    for (const ButtonSet& set : buttons)
        box.addButton(set.button);
    size_t preferred = static_cast<size_t>((style >> 8) & 3);
    box.setDefaultButton(buttons[preferred < buttons.size() ? preferred : 0].button);
    bool timedOut = false;
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &box, [&] {
            timedOut = true;
            box.done(0);
        });
    box.exec();
    if (timedOut)
        return -1;
    for (const ButtonSet& set : buttons)
        if (box.clickedButton() == box.button(set.button))
            return set.answer;
    // Closed by Escape or the close box: Cancel where there is one.
    for (const ButtonSet& set : buttons)
        if (set.answer == 2)
            return 2;
    return buttons.size() == 1 ? buttons[0].answer : buttons.back().answer;
}

std::optional<Str> QtDesktop::inputBox(const Str& prompt, const Str& title, const Str& defaultText,
                                       std::optional<int> xTwips, std::optional<int> yTwips, Window* owner)
{
    QInputDialog dialog(ownerWidget(owner));
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(promptText(prompt));
    dialog.setTextValue(toQString(defaultText));
    if (xTwips && yTwips)
        dialog.move(qRound(*xTwips / twipsPerPixelX()), qRound(*yTwips / twipsPerPixelY()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQString(dialog.textValue());
}

void QtDesktop::endNow(ExitStatus status)
{
    ::_exit(static_cast<int>(status));
}

void QtDesktop::quit(ExitStatus status)
{
    QCoreApplication::exit(static_cast<int>(status));
}

int QtDesktop::exec()
{
    return QApplication::exec();
}

Str QtDesktop::commandLine() const
{
    return joinArguments(m_arguments);
}

} // namespace vorna::platform
