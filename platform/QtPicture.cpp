// The picture box: drawing on a persistent backing image at the screen's
// device pixel ratio, without antialiasing, with a one-pixel pen.
#include "QtWidgets.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vorna::platform {

namespace {

constexpr double TwoPi = 6.283185307179586;
// The largest angle magnitude accepted: 360 degrees as the canvas converts
// them (a hair above 2 pi in single precision) is a full turn.
constexpr float MaxAngle = 6.2831855f;

struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The standard system colour indexes (scroll bar = 0 ... menu bar = 30) onto
// the palette; index 25 names no colour.
constexpr SystemColor NoColor { QPalette::NColorGroups, QPalette::NoRole };
constexpr SystemColor SystemColors[] = {
    { QPalette::Active, QPalette::Button }, // 0 scroll bar
    { QPalette::Active, QPalette::Dark }, // 1 desktop
    { QPalette::Active, QPalette::Highlight }, // 2 active caption
    { QPalette::Inactive, QPalette::Highlight }, // 3 inactive caption
    { QPalette::Active, QPalette::Window }, // 4 menu
    { QPalette::Active, QPalette::Base }, // 5 window background
    { QPalette::Active, QPalette::Shadow }, // 6 window frame
    { QPalette::Active, QPalette::WindowText }, // 7 menu text
    { QPalette::Active, QPalette::Text }, // 8 window text
    { QPalette::Active, QPalette::HighlightedText }, // 9 caption text
    { QPalette::Active, QPalette::Window }, // 10 active border
    { QPalette::Inactive, QPalette::Window }, // 11 inactive border
    { QPalette::Active, QPalette::Dark }, // 12 application workspace
    { QPalette::Active, QPalette::Highlight }, // 13 highlight
    { QPalette::Active, QPalette::HighlightedText }, // 14 highlighted text
    { QPalette::Active, QPalette::Button }, // 15 button face
    { QPalette::Active, QPalette::Dark }, // 16 button shadow
    { QPalette::Disabled, QPalette::Text }, // 17 grey text
    { QPalette::Active, QPalette::ButtonText }, // 18 button text
    { QPalette::Inactive, QPalette::HighlightedText }, // 19 inactive caption text
    { QPalette::Active, QPalette::Light }, // 20 button highlight
    { QPalette::Active, QPalette::Shadow }, // 21 3-D dark shadow
    { QPalette::Active, QPalette::Midlight }, // 22 3-D light
    { QPalette::Active, QPalette::ToolTipText }, // 23 tool tip text
    { QPalette::Active, QPalette::ToolTipBase }, // 24 tool tip background
    NoColor, // 25
    { QPalette::Active, QPalette::Link }, // 26 hot-tracked item
    { QPalette::Active, QPalette::Highlight }, // 27 active caption gradient
    { QPalette::Inactive, QPalette::Highlight }, // 28 inactive caption gradient
    { QPalette::Active, QPalette::Highlight }, // 29 menu highlight
    { QPalette::Active, QPalette::Window }, // 30 menu bar
};

// The background of every canvas: system colour 5, the window background.
constexpr int32_t WindowBackground = static_cast<int32_t>(0x80000005u);

} // namespace

std::optional<QColor> colorFromValue(int32_t value, const QPalette& palette)
{
    uint32_t bits = static_cast<uint32_t>(value);
    if (bits & 0x80000000u) {
        uint32_t index = bits & 0x7FFFFFFFu;
        if (index >= std::size(SystemColors) || SystemColors[index].role == QPalette::NoRole)
            return std::nullopt;
        return palette.color(SystemColors[index].group, SystemColors[index].role);
    }
    if (bits & 0xFF000000u)
        return std::nullopt;
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

PictureWidget::PictureWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    // Only the backing image is painted: the cost of a repaint does not
    // depend on how much has been drawn.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image);
}

QtPicture::QtPicture(const Desktop& desktop, QWidget* parent)
    : QtControl(desktop, new PictureWidget(parent))
    , m_foreColor(m_widget->palette().color(QPalette::WindowText))
{
    QFont font = dialogFont();
    font.setStyleStrategy(QFont::NoAntialias);
    m_widget->setFont(font);
    geometryChanged();
}

std::shared_ptr<Control> QtPicture::cloneHidden() const
{
    auto copy = std::make_shared<QtPicture>(m_desktop, m_widget->parentWidget());
    copy->widget()->setFont(m_widget->font());
    return copy;
}

void QtPicture::geometryChanged()
{
    QImage& image = m_widget->image;
    qreal ratio = m_widget->devicePixelRatioF();
    QSize size(qMax(1, qRound(m_widget->width() * ratio)), qMax(1, qRound(m_widget->height() * ratio)));
    if (image.size() == size && image.devicePixelRatio() == ratio)
        return;
    QImage grown(size, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(*colorFromValue(WindowBackground, m_widget->palette()));
    if (!image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), image);
    }
    image = std::move(grown);
}

QPoint QtPicture::toPixels(float x, float y) const
{
    return QPoint(qRound(x / m_desktop.twipsPerPixelX()), qRound(y / m_desktop.twipsPerPixelY()));
}

QPointF QtPicture::toPixelsF(float x, float y) const
{
    return QPointF(x / m_desktop.twipsPerPixelX(), y / m_desktop.twipsPerPixelY());
}

void QtPicture::drawn()
{
    m_widget->update();
}

namespace {

QPainter& preparePainter(QPainter& painter, const QColor& color)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    return painter;
}

} // namespace

Status QtPicture::line(float x1, float y1, float x2, float y2)
{
    TRY_STATUS(alive());
    QPainter painter(&m_widget->image);
    QPoint end = toPixels(x2, y2);
    preparePainter(painter, m_foreColor).drawLine(toPixels(x1, y1), end);
    painter.drawPoint(end); // the rasteriser leaves a line's last pixel out
    m_currentX = x2;
    m_currentY = y2;
    drawn();
    return {};
}

Status QtPicture::box(float x1, float y1, float x2, float y2, bool solid)
{
    TRY_STATUS(alive());
    QPoint a = toPixels(x1, y1), b = toPixels(x2, y2);
    QRect rect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
    QPainter painter(&m_widget->image);
    preparePainter(painter, m_foreColor);
    if (solid) {
        painter.fillRect(rect, m_foreColor);
    } else {
        // Corner to corner by lines, so both corners are inside the outline.
        const QPoint corners[] = { rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft(),
                                   rect.topLeft() };
        painter.drawPolyline(corners, 5);
    }
    m_currentX = x2;
    m_currentY = y2;
    drawn();
    return {};
}

namespace {

bool sameDirection(double a, double b)
{
    double d = std::fmod(std::fabs(a - b), TwoPi);
    return d < 1e-5 || TwoPi - d < 1e-5;
}

} // namespace

// Radius is the horizontal semi-axis below aspect 1 and the vertical one
// above it. Refused with 5: a negative radius, an aspect of 0 or below, an
// angle beyond a full turn.
Status QtPicture::circle(float cx, float cy, float radius, float start, float end, float aspect)
{
    TRY_STATUS(alive());
    if (radius < 0 || !(aspect > 0) || std::fabs(start) > MaxAngle || std::fabs(end) > MaxAngle)
        return vbs::fail(vbs::ErrorCode::InvalidProcedureCall);
    QPointF centre = toPixelsF(cx, cy);
    double rx = aspect <= 1 ? radius : radius / aspect;
    double ry = aspect <= 1 ? radius * aspect : radius;
    rx /= m_desktop.twipsPerPixelX();
    ry /= m_desktop.twipsPerPixelY();
    double from = std::fabs(start), to = std::fabs(end);
    double span = sameDirection(from, to) ? TwoPi : std::fmod(to - from + 2 * TwoPi, TwoPi);
    auto at = [&](double angle) {
        return QPoint(qRound(centre.x() + rx * std::cos(angle)), qRound(centre.y() - ry * std::sin(angle)));
    };
    int segments = qMax(8, int(std::ceil(span * qMax(rx, ry))));
    QPolygon arc;
    arc.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i)
        arc << at(from + span * i / segments);
    QPainter painter(&m_widget->image);
    preparePainter(painter, m_foreColor).drawPolyline(arc);
    painter.drawPoint(arc.last());
    QPoint middle(qRound(centre.x()), qRound(centre.y()));
    if (start < 0)
        painter.drawLine(middle, at(from));
    if (end < 0)
        painter.drawLine(middle, at(to));
    if (start < 0 || end < 0)
        painter.drawPoint(middle);
    m_currentX = cx;
    m_currentY = cy;
    drawn();
    return {};
}

Status QtPicture::cls()
{
    TRY_STATUS(alive());
    m_widget->image.fill(*colorFromValue(WindowBackground, m_widget->palette()));
    m_currentX = 0;
    m_currentY = 0;
    drawn();
    return {};
}

// The text's top stands at the text position; afterwards the position is
// just after the text on the same line (the print does not end the line).
Status QtPicture::print(const Str& text)
{
    TRY_STATUS(alive());
    QString qtext = toQString(text);
    QFontMetricsF metrics(m_widget->font());
    QPointF origin = toPixelsF(m_currentX, m_currentY);
    QPainter painter(&m_widget->image);
    preparePainter(painter, m_foreColor).setFont(m_widget->font());
    painter.drawText(QPointF(origin.x(), origin.y() + metrics.ascent()), qtext);
    m_currentX = float(m_currentX + metrics.horizontalAdvance(qtext) * m_desktop.twipsPerPixelX());
    drawn();
    return {};
}

Status QtPicture::setCurrentX(float twips)
{
    m_currentX = twips;
    return {};
}

Status QtPicture::setCurrentY(float twips)
{
    m_currentY = twips;
    return {};
}

Status QtPicture::setForeColor(int32_t color)
{
    TRY_STATUS(alive());
    std::optional<QColor> resolved = colorFromValue(color, m_widget->palette());
    if (!resolved)
        return vbs::fail(invalidPropertyValue());
    m_foreColor = *resolved;
    return {};
}

uint32_t QtPicture::pixel(int x, int y) const
{
    if (!m_widget || !m_widget->image.valid(x, y))
        return 0;
    return m_widget->image.pixel(x, y);
}

int QtPicture::imageWidth() const
{
    return m_widget ? m_widget->image.width() : 0;
}

int QtPicture::imageHeight() const
{
    return m_widget ? m_widget->image.height() : 0;
}

} // namespace vorna::platform
