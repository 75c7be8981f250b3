// The form and the label, button, text box and report box on Qt Widgets.
#include "QtWidgets.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>

namespace vorna::platform {

QString toQString(const Str& text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

Str fromQString(const QString& text)
{
    return Str(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

namespace {

QFont fontOrFallback(const QString& family, QFontDatabase::SystemFont fallback)
{
    QFont font = QFontDatabase::families().contains(family) ? QFont(family) : QFontDatabase::systemFont(fallback);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace

QFont dialogFont()
{
    return fontOrFallback(QStringLiteral("Tahoma"), QFontDatabase::GeneralFont);
}

QFont reportFont()
{
    QFont font = fontOrFallback(QStringLiteral("Lucida Console"), QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    return font;
}

FormWidget::FormWidget()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFont(dialogFont());
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    // The host decides what closing means; the widget itself stays until the
    // host unloads it.
    event->ignore();
    if (onClose)
        onClose();
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

QtLabel::QtLabel(const Desktop& desktop, QWidget* parent)
    : QtControl(desktop, new QLabel(parent))
{
    m_widget->setTextFormat(Qt::PlainText);
    m_widget->setWordWrap(true);
    m_widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

std::shared_ptr<Control> QtLabel::cloneHidden() const
{
    auto copy = std::make_shared<QtLabel>(m_desktop, m_widget->parentWidget());
    copy->widget()->setFont(m_widget->font());
    return copy;
}

Result<Str> QtLabel::caption() const
{
    TRY_STATUS(alive());
    return fromQString(m_widget->text());
}

Status QtLabel::setCaption(const Str& caption)
{
    TRY_STATUS(alive());
    m_widget->setText(toQString(caption));
    return {};
}

QtButton::QtButton(const Desktop& desktop, QWidget* parent)
    : QtControl(desktop, new PushButton(parent))
{
    m_widget->setAutoDefault(false);
    QObject::connect(m_widget.data(), &QPushButton::clicked, [this] {
        if (m_click)
            m_click();
    });
}

std::shared_ptr<Control> QtButton::cloneHidden() const
{
    auto copy = std::make_shared<QtButton>(m_desktop, m_widget->parentWidget());
    copy->widget()->setFont(m_widget->font());
    return copy;
}

Result<Str> QtButton::caption() const
{
    TRY_STATUS(alive());
    return fromQString(m_widget->text());
}

Status QtButton::setCaption(const Str& caption)
{
    TRY_STATUS(alive());
    m_widget->setText(toQString(caption));
    return {};
}

QtTextBox::QtTextBox(const Desktop& desktop, QWidget* parent)
    : QtControl(desktop, new QLineEdit(parent))
{
}

std::shared_ptr<Control> QtTextBox::cloneHidden() const
{
    auto copy = std::make_shared<QtTextBox>(m_desktop, m_widget->parentWidget());
    copy->widget()->setFont(m_widget->font());
    return copy;
}

Result<Str> QtTextBox::text() const
{
    TRY_STATUS(alive());
    return fromQString(m_widget->text());
}

Status QtTextBox::setText(const Str& text)
{
    TRY_STATUS(alive());
    m_widget->setText(toQString(text));
    return {};
}

QtReport::QtReport(const Desktop& desktop, QWidget* parent)
    : QtControl(desktop, new LogView(parent))
{
    m_widget->setFont(reportFont());
    m_sincePaint.start();
}

std::shared_ptr<Control> QtReport::cloneHidden() const
{
    auto copy = std::make_shared<QtReport>(m_desktop, m_widget->parentWidget());
    copy->widget()->setFont(m_widget->font());
    return copy;
}

namespace {

// CR LF, lone CR and lone LF all become the document's one line break.
QString normalizeBreaks(std::u16string_view text, bool& pendingCr)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    size_t i = 0;
    if (pendingCr && !text.empty() && text[0] == u'\n')
        i = 1;
    for (; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r') {
            out += QChar(u'\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += QChar(c);
        }
    }
    if (!text.empty())
        pendingCr = text.back() == u'\r';
    return out;
}

} // namespace

Status QtReport::append(std::u16string_view text)
{
    TRY_STATUS(alive());
    try {
        m_widget->append(normalizeBreaks(text, m_pendingCr));
    } catch (const std::bad_alloc&) {
        return vbs::fail(vbs::ErrorCode::OutOfMemory);
    }
    showProgress();
    return {};
}

// A click procedure that writes for long keeps the event loop waiting, so
// the box paints itself now and then without handling any input.
void QtReport::showProgress()
{
    if (m_sincePaint.elapsed() < 100 || !m_widget->isVisible())
        return;
    m_widget->flush();
    m_widget->viewport()->repaint();
    m_widget->verticalScrollBar()->repaint();
    m_widget->horizontalScrollBar()->repaint();
    m_sincePaint.restart();
}

Status QtReport::clear()
{
    TRY_STATUS(alive());
    m_widget->clear();
    m_pendingCr = false;
    return {};
}

Result<Str> QtReport::text() const
{
    TRY_STATUS(alive());
    QString plain = m_widget->plainText();
    plain.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return fromQString(plain);
}

} // namespace vorna::platform
