#include "LogView.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace vorna::platform {

namespace {
constexpr int Margin = 3;
}

LogView::LogView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_lines(1)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

int LogView::lineHeight() const
{
    return qMax(1, fontMetrics().lineSpacing());
}

int LogView::visibleLines() const
{
    return qMax(1, (viewport()->height() - 2 * Margin) / lineHeight());
}

int LogView::textWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text);
}

LogView::Position LogView::end() const
{
    return { lineCount() - 1, m_lines.back().size() };
}

void LogView::append(const QString& text)
{
    qsizetype start = 0;
    while (true) {
        qsizetype lf = text.indexOf(QChar(u'\n'), start);
        m_lines.back() += QStringView(text).mid(start, lf < 0 ? text.size() - start : lf - start);
        if (m_lines.back().size() > m_longest) {
            m_longest = m_lines.back().size();
            m_longestLine = lineCount() - 1;
            m_widest = -1; // measured at the next flush
        }
        if (lf < 0)
            break;
        m_lines.emplace_back();
        start = lf + 1;
    }
    m_caret = m_anchor = end();
    m_dirty = true;
    if (!m_flushPosted) {
        m_flushPosted = true;
        QMetaObject::invokeMethod(this, [this] { flush(); }, Qt::QueuedConnection);
    }
}

void LogView::clear()
{
    m_lines.assign(1, QString());
    m_longest = 0;
    m_longestLine = 0;
    m_widest = 0;
    m_caret = m_anchor = {};
    m_dirty = true;
    flush();
}

void LogView::flush()
{
    if (syncView())
        viewport()->update();
}

bool LogView::syncView()
{
    m_flushPosted = false;
    if (!m_dirty)
        return false;
    m_dirty = false;
    if (m_widest < 0)
        m_widest = textWidth(line(m_longestLine));
    updateScrollBars();
    if (!hasSelection() && m_caret == end())
        scrollToCaret();
    return true;
}

QString LogView::plainText() const
{
    QString text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (i)
            text += QChar(u'\n');
        text += m_lines[i];
    }
    return text;
}

QString LogView::selectedText() const
{
    Position from = qMin(m_anchor, m_caret), to = qMax(m_anchor, m_caret);
    QString text;
    for (qsizetype i = from.line; i <= to.line; ++i) {
        const QString& s = line(i);
        qsizetype a = i == from.line ? from.column : 0;
        qsizetype b = i == to.line ? to.column : s.size();
        text += s.mid(a, b - a);
        if (i != to.line)
            text += QChar(u'\n');
    }
    return text;
}

void LogView::select(Position anchor, Position caret)
{
    flush();
    m_anchor = anchor;
    m_caret = caret;
    viewport()->update();
}

bool LogView::isEndVisible()
{
    flush();
    int top = verticalScrollBar()->value();
    bool lineVisible = lineCount() - 1 >= top && lineCount() - 1 < top + visibleLines();
    int x = textWidth(m_lines.back()) - horizontalScrollBar()->value();
    return lineVisible && x >= 0 && x <= viewport()->width() - 2 * Margin;
}

void LogView::updateScrollBars()
{
    verticalScrollBar()->setRange(0, qMax(0, int(lineCount()) - visibleLines()));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setSingleStep(1);
    int width = viewport()->width() - 2 * Margin;
    horizontalScrollBar()->setRange(0, qMax(0, m_widest + 2 - width));
    horizontalScrollBar()->setPageStep(qMax(1, width));
    horizontalScrollBar()->setSingleStep(qMax(1, fontMetrics().averageCharWidth()));
}

void LogView::scrollToCaret()
{
    QScrollBar* v = verticalScrollBar();
    int line = int(m_caret.line);
    if (line < v->value())
        v->setValue(line);
    else if (line >= v->value() + visibleLines())
        v->setValue(line - visibleLines() + 1);
    QScrollBar* h = horizontalScrollBar();
    int x = textWidth(this->line(m_caret.line).left(m_caret.column));
    int width = viewport()->width() - 2 * Margin;
    if (x < h->value())
        h->setValue(x);
    else if (x > h->value() + width - 1)
        h->setValue(x - width + 1);
}

void LogView::paintEvent(QPaintEvent*)
{
    syncView();
    QPainter painter(viewport());
    const QPalette& pal = palette();
    int height = lineHeight(), ascent = fontMetrics().ascent();
    int first = verticalScrollBar()->value(), dx = Margin - horizontalScrollBar()->value();
    Position from = qMin(m_anchor, m_caret), to = qMax(m_anchor, m_caret);
    int last = qMin<int>(int(lineCount()) - 1, first + visibleLines() + 1);
    for (int i = first; i <= last; ++i) {
        int y = Margin + (i - first) * height;
        const QString& s = line(i);
        if (hasSelection() && i >= from.line && i <= to.line) {
            qsizetype a = i == from.line ? from.column : 0;
            qsizetype b = i == to.line ? to.column : s.size();
            int x0 = textWidth(s.left(a)), x1 = textWidth(s.left(b)) + (i == to.line ? 0 : 4);
            painter.fillRect(dx + x0, y, x1 - x0, height, pal.color(QPalette::Highlight));
        }
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(dx, y + ascent, s);
    }
    if (hasFocus() && m_caret.line >= first && m_caret.line <= last) {
        int x = dx + textWidth(line(m_caret.line).left(m_caret.column));
        int y = Margin + int(m_caret.line - first) * height;
        painter.fillRect(x, y, 1, height, pal.color(QPalette::Text));
    }
}

// A box written to while hidden learns its real size only when shown: keep
// the end in view then too.
void LogView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (!hasSelection() && m_caret == end())
        scrollToCaret();
}

LogView::Position LogView::positionAt(const QPoint& point) const
{
    qsizetype index = verticalScrollBar()->value() + qMax(0, (point.y() - Margin) / lineHeight());
    index = qBound<qsizetype>(0, index, lineCount() - 1);
    const QString& s = line(index);
    int x = point.x() - Margin + horizontalScrollBar()->value();
    // The first column whose left edge lies past x, less one: binary search.
    qsizetype low = 0, high = s.size();
    while (low < high) {
        qsizetype mid = (low + high + 1) / 2;
        int edge = textWidth(s.left(mid - 1)) + textWidth(s.mid(mid - 1, 1)) / 2;
        if (edge <= x)
            low = mid;
        else
            high = mid - 1;
    }
    return { index, low };
}

void LogView::moveCaret(Position to, bool extend)
{
    m_caret = to;
    if (!extend)
        m_anchor = to;
    scrollToCaret();
    viewport()->update();
}

void LogView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LogView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        moveCaret(positionAt(event->position().toPoint()), true);
}

void LogView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (hasSelection())
            QApplication::clipboard()->setText(selectedText());
        return;
    }
    if (event->matches(QKeySequence::SelectAll))
        return select({}, end());
    bool extend = event->modifiers() & Qt::ShiftModifier;
    Position p = m_caret;
    switch (event->key()) {
    case Qt::Key_Left:
        p = p.column > 0 ? Position { p.line, p.column - 1 }
                         : (p.line > 0 ? Position { p.line - 1, line(p.line - 1).size() } : p);
        break;
    case Qt::Key_Right:
        p = p.column < line(p.line).size() ? Position { p.line, p.column + 1 }
                                           : (p.line + 1 < lineCount() ? Position { p.line + 1, 0 } : p);
        break;
    case Qt::Key_Up: p.line = qMax<qsizetype>(0, p.line - 1); break;
    case Qt::Key_Down: p.line = qMin(lineCount() - 1, p.line + 1); break;
    case Qt::Key_PageUp: p.line = qMax<qsizetype>(0, p.line - visibleLines()); break;
    case Qt::Key_PageDown: p.line = qMin(lineCount() - 1, p.line + visibleLines()); break;
    case Qt::Key_Home: p = (event->modifiers() & Qt::ControlModifier) ? Position {} : Position { p.line, 0 }; break;
    case Qt::Key_End:
        p = (event->modifiers() & Qt::ControlModifier) ? end() : Position { p.line, line(p.line).size() };
        break;
    default:
        // Read-only: typing does nothing; Tab and the rest go to the window.
        return QAbstractScrollArea::keyPressEvent(event);
    }
    p.column = qMin(p.column, line(p.line).size());
    moveCaret(p, extend);
}

void LogView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LogView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace vorna::platform
