// Private to platform/: the Qt widgets behind the boundary's windows and
// controls. Only platform/ sources and the UI tests include this.
#pragma once

#include "Desktop.h"
#include "LogView.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace vorna::platform {

QString toQString(const Str& text);
Str fromQString(const QString& text);
// Tahoma 8.25 pt, or the system's sans-serif font at that size.
QFont dialogFont();
// Lucida Console 8.25 pt, or the system's monospace font at that size.
QFont reportFont();

// The form: a plain top-level widget, so no button is a default button.
class FormWidget : public QWidget {
public:
    FormWidget();
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Enter and Return click a focused button as Space does.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The picture box: paints its persistent backing image.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent);
    QImage image;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shared by the five control kinds: the Tag and the rectangle in twips, kept
// as set and applied to the widget in whole pixels.
template <class Interface, class W>
class QtControl : public Interface {
public:
    QtControl(const Desktop& desktop, W* widget)
        : m_desktop(desktop)
        , m_widget(widget)
    {
        widget->hide();
    }
    ~QtControl() override = default;
    Status setVisible(bool visible) override
    {
        TRY_STATUS(alive());
        m_widget->setVisible(visible);
        m_visible = visible;
        return {};
    }
    bool isVisible() const override { return m_visible; }
    Status setTag(const Str& tag) override
    {
        m_tag = tag;
        return {};
    }
    Result<Str> tag() const override { return m_tag; }
    Status setLeft(float twips) override { return setGeometry(m_left, twips, true); }
    Status setTop(float twips) override { return setGeometry(m_top, twips, true); }
    Status setWidth(float twips) override { return setGeometry(m_width, twips, false); }
    Status setHeight(float twips) override { return setGeometry(m_height, twips, false); }
    float left() const override { return m_left; }
    float top() const override { return m_top; }
    float width() const override { return m_width; }
    float height() const override { return m_height; }
    W* widget() const { return m_widget.data(); }

protected:
    // 424 once the window that owned the widget is gone.
    Status alive() const
    {
        if (!m_widget)
            return vbs::fail(vbs::ErrorCode::ObjectRequired);
        return {};
    }
    virtual void geometryChanged() { }
    const Desktop& m_desktop;
    QPointer<W> m_widget;

private:
    Status setGeometry(float& field, float twips, bool position)
    {
        TRY_STATUS(alive());
        if (!position && twips < 0)
            return vbs::fail(invalidPropertyValue());
        field = twips;
        float tx = m_desktop.twipsPerPixelX(), ty = m_desktop.twipsPerPixelY();
        m_widget->setGeometry(qRound(m_left / tx), qRound(m_top / ty), qRound(m_width / tx), qRound(m_height / ty));
        geometryChanged();
        return {};
    }
    Str m_tag;
    bool m_visible = false;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
};

class QtLabel : public QtControl<CaptionControl, QLabel> {
public:
    QtLabel(const Desktop& desktop, QWidget* parent);
    ControlKind kind() const override { return ControlKind::Label; }
    std::shared_ptr<Control> cloneHidden() const override;
    Result<Str> caption() const override;
    Status setCaption(const Str& caption) override;
};

class QtButton : public QtControl<CaptionControl, PushButton> {
public:
    QtButton(const Desktop& desktop, QWidget* parent);
    ControlKind kind() const override { return ControlKind::Button; }
    std::shared_ptr<Control> cloneHidden() const override;
    Result<Str> caption() const override;
    Status setCaption(const Str& caption) override;
    void setClickHandler(std::function<void()> handler) override { m_click = std::move(handler); }

private:
    std::function<void()> m_click;
};

class QtTextBox : public QtControl<TextControl, QLineEdit> {
public:
    QtTextBox(const Desktop& desktop, QWidget* parent);
    ControlKind kind() const override { return ControlKind::TextBox; }
    std::shared_ptr<Control> cloneHidden() const override;
    Result<Str> text() const override;
    Status setText(const Str& text) override;
};

class QtReport : public QtControl<ReportControl, LogView> {
public:
    QtReport(const Desktop& desktop, QWidget* parent);
    ControlKind kind() const override { return ControlKind::ReportBox; }
    std::shared_ptr<Control> cloneHidden() const override;
    Status append(std::u16string_view text) override;
    Status clear() override;
    Result<Str> text() const override;

private:
    void showProgress();
    bool m_pendingCr = false; // the last append ended in a lone CR
    QElapsedTimer m_sincePaint;
};

class QtPicture : public QtControl<PictureControl, PictureWidget> {
public:
    QtPicture(const Desktop& desktop, QWidget* parent);
    ControlKind kind() const override { return ControlKind::PictureBox; }
    std::shared_ptr<Control> cloneHidden() const override;
    Status line(float x1, float y1, float x2, float y2) override;
    Status box(float x1, float y1, float x2, float y2, bool solid) override;
    Status circle(float cx, float cy, float radius, float start, float end, float aspect) override;
    Status cls() override;
    Status print(const Str& text) override;
    float currentX() const override { return m_currentX; }
    float currentY() const override { return m_currentY; }
    Status setCurrentX(float twips) override;
    Status setCurrentY(float twips) override;
    Status setForeColor(int32_t color) override;
    uint32_t pixel(int x, int y) const override;
    int imageWidth() const override;
    int imageHeight() const override;

protected:
    void geometryChanged() override;

private:
    QPoint toPixels(float x, float y) const;
    QPointF toPixelsF(float x, float y) const;
    void drawn();
    QColor m_foreColor;
    float m_currentX = 0, m_currentY = 0;
};

// A system colour (top bit set) from the standard system colour indexes onto
// the palette; nullopt for a value that names no colour.
std::optional<QColor> colorFromValue(int32_t value, const QPalette& palette);

class QtWindow : public Window {
public:
    explicit QtWindow(const Desktop& desktop);
    ~QtWindow() override;
    Str caption() const override;
    void setCaption(const Str& caption) override;
    float width() const override { return m_width; }
    float height() const override { return m_height; }
    Status setWidth(float twips) override;
    Status setHeight(float twips) override;
    float scaleWidth() const override { return m_width; }
    float scaleHeight() const override { return m_height; }
    float left() const override { return m_left; }
    float top() const override { return m_top; }
    Status move(float left, float top) override;
    void show() override;
    bool isVisible() const override;
    void unload() override;
    ControlArray& controls(ControlKind kind) override;
    void setQueryUnloadHandler(std::function<void()> handler) override;
    QWidget* widget() const { return m_form; }

private:
    void applySize();
    const Desktop& m_desktop;
    FormWidget* m_form;
    std::vector<ControlArray> m_arrays;
    float m_width, m_height, m_left = 0, m_top = 0;
    bool m_unloaded = false;
};

} // namespace vorna::platform
