// Private to platform/: the report box's view. A read-only, unwrapped,
// line-oriented text view that keeps its lines in a vector, so that an
// append costs the same however much the box already holds and a repaint
// draws only the visible lines. The user can select (mouse or keyboard) and
// copy, but not type.
#pragma once

#include <QAbstractScrollArea>

#include <vector>

namespace vorna::platform {

class LogView : public QAbstractScrollArea {
public:
    struct Position {
        qsizetype line = 0;
        qsizetype column = 0;
        bool operator==(const Position&) const = default;
        bool operator<(const Position& o) const { return line < o.line || (line == o.line && column < o.column); }
    };

    explicit LogView(QWidget* parent);
    // Appends text whose line breaks are already single '\n'; then the caret
    // goes to the end, the selection is dropped and the end is scrolled into view.
    void append(const QString& text);
    void clear();
    // The content with '\n' between lines.
    QString plainText() const;
    qsizetype lineCount() const { return qsizetype(m_lines.size()); }
    const QString& line(qsizetype index) const { return m_lines[size_t(index)]; }

    Position caret() const { return m_caret; }
    Position end() const;
    bool hasSelection() const { return !(m_anchor == m_caret); }
    QString selectedText() const;
    void select(Position anchor, Position caret);
    // True when the end of the text lies inside the viewport.
    bool isEndVisible();
    // Brings scroll bars and scroll position up to date with the writes since
    // the last call. Runs by itself once control returns to the event loop,
    // before a paint, and when a long write repaints; a write itself only
    // stores its text.
    void flush();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int lineHeight() const;
    int visibleLines() const;
    int textWidth(const QString& text) const;
    Position positionAt(const QPoint& point) const;
    void moveCaret(Position to, bool extend);
    void updateScrollBars();
    void scrollToCaret();
    bool syncView(); // flush() without asking for a paint; true when it changed anything

    std::vector<QString> m_lines;
    // The longest line by characters stands for the widest (the font is
    // monospace), so a write measures nothing.
    qsizetype m_longest = 0;
    qsizetype m_longestLine = 0;
    int m_widest = 0;
    bool m_dirty = false;
    bool m_flushPosted = false;
    Position m_caret;
    Position m_anchor;
};

} // namespace vorna::platform
