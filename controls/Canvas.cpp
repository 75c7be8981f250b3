// Canvas: drawing on a picture box. The pen (PenX, PenY, pixels) is the
// object's own; the colour and the text position belong to the picture box.
#include "ControlObjects.h"

#include "runtime/Convert.h"

#include <cmath>

namespace vorna::controls {

using vbs::DefaultValue;
using vbs::MemberKind;
using vbs::ParamType;

namespace {

// Degrees to radians with the 15-digit constant the canvas has always used.
constexpr double Pi15 = 3.14159265358979;

Canvas& canvas(vbs::Object& self)
{
    return static_cast<Canvas&>(self);
}

Result<Variant> done(Status status)
{
    if (!status)
        return status.takeError();
    return Variant();
}

vbs::ParamInfo int16Param(std::u16string_view name)
{
    return { name, ParamType::Int16 };
}

vbs::ParamInfo optional(std::u16string_view name, ParamType type, DefaultValue value)
{
    return { name, type, true, value };
}

// Twips back to a 16-bit pixel coordinate: ties to even, 6 Overflow out of range.
Result<int16_t> toPixel(float twips, float factor)
{
    double pixels = vbs::roundHalfEven(double(twips / factor));
    if (!(pixels >= -32768.0 && pixels <= 32767.0))
        return vbs::fail(vbs::ErrorCode::Overflow);
    return static_cast<int16_t>(pixels);
}

float toRadians(int16_t degrees)
{
    return float(double(degrees) / 180.0 * Pi15);
}

std::vector<vbs::MemberInfo> canvasMembers()
{
    using Args = vbs::Args;
    using O = vbs::Object;
    return {
        { u"Name", 1, MemberKind::PropertyGet, {}, [](O& self, Args) { return canvas(self).name(); } },
        { u"MoveTo", 2, MemberKind::Method, { int16Param(u"x"), int16Param(u"y") },
          [](O& self, Args a) { return done(canvas(self).moveTo(a[0].asInteger(), a[1].asInteger())); } },
        { u"LineTo", 3, MemberKind::Method, { int16Param(u"x"), int16Param(u"y") },
          [](O& self, Args a) { return done(canvas(self).lineTo(a[0].asInteger(), a[1].asInteger())); } },
        { u"SetColor", 4, MemberKind::Method, { { u"Color", ParamType::Int32 } },
          [](O& self, Args a) { return done(canvas(self).setColor(a[0].asLong())); } },
        { u"Clear", 5, MemberKind::Method, {}, [](O& self, Args) { return done(canvas(self).clear()); } },
        { u"TextOut", 6, MemberKind::Method, { { u"Text", ParamType::String } },
          [](O& self, Args a) { return done(canvas(self).textOut(a[0].asString())); } },
        { u"DrawRect", 7, MemberKind::Method,
          { int16Param(u"Left"), int16Param(u"Top"), int16Param(u"Right"), int16Param(u"Bottom"),
            optional(u"Fill", ParamType::Boolean, DefaultValue::boolean(false)) },
          [](O& self, Args a) {
              return done(canvas(self).drawRect(a[0].asInteger(), a[1].asInteger(), a[2].asInteger(),
                                                a[3].asInteger(), a[4].asBool()));
          } },
        { u"DrawEllipse", 8, MemberKind::Method,
          { int16Param(u"Radius"), optional(u"Aspect", ParamType::Single, DefaultValue::num(1)),
            optional(u"Angle1", ParamType::Int16, DefaultValue::num(360)),
            optional(u"Angle2", ParamType::Int16, DefaultValue::num(0)) },
          [](O& self, Args a) {
              return done(canvas(self).drawEllipse(a[0].asInteger(), a[1].asSingle(), a[2].asInteger(),
                                                   a[3].asInteger()));
          } },
    };
}

} // namespace

Canvas::Canvas(const platform::Desktop& desktop)
    : ControlObject(classInfo(), platform::ControlKind::PictureBox)
    , m_desktop(desktop)
{
}

const vbs::ClassInfo& Canvas::classInfo()
{
    static const vbs::ClassInfo info(u"Canvas", canvasMembers());
    return info;
}

void Canvas::attached()
{
    m_penX = 0;
    m_penY = 0;
}

platform::PictureControl& Canvas::picture() const
{
    return static_cast<platform::PictureControl&>(*m_control);
}

#define REQUIRE_BOUND()                                             \
    do {                                                            \
        if (!m_control)                                             \
            return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet); \
    } while (0)

// MoveTo x, y (Integer): the pen first, so it stays moved if a later step
// fails; then the text position, in twips.
Status Canvas::moveTo(int16_t x, int16_t y)
{
    REQUIRE_BOUND();
    m_penX = x;
    m_penY = y;
    TRY_STATUS(picture().setCurrentX(float(x) * m_desktop.twipsPerPixelX()));
    return picture().setCurrentY(float(y) * m_desktop.twipsPerPixelY());
}

// LineTo x, y (Integer): from the pen, never from the text position; the pen
// moves only once the line is drawn.
Status Canvas::lineTo(int16_t x, int16_t y)
{
    REQUIRE_BOUND();
    float tx = m_desktop.twipsPerPixelX(), ty = m_desktop.twipsPerPixelY();
    TRY_STATUS(picture().line(float(m_penX) * tx, float(m_penY) * ty, float(x) * tx, float(y) * ty));
    m_penX = x;
    m_penY = y;
    return {};
}

// SetColor Color (Long, 0x00BBGGRR or a system colour): later drawing only.
// 380 for a value that names no colour.
Status Canvas::setColor(int32_t color)
{
    REQUIRE_BOUND();
    return picture().setForeColor(color);
}

// Clear: erases the picture box; its text position goes to (0, 0), the pen stays.
Status Canvas::clear()
{
    REQUIRE_BOUND();
    return picture().cls();
}

// TextOut Text (String): printed at the text position; the pen then follows
// the text position, rounded to whole pixels (6 Overflow out of range).
Status Canvas::textOut(const Str& text)
{
    REQUIRE_BOUND();
    TRY_STATUS(picture().print(text));
    TRY_ASSIGN(x, toPixel(picture().currentX(), m_desktop.twipsPerPixelX()));
    m_penX = x;
    TRY_ASSIGN(y, toPixel(picture().currentY(), m_desktop.twipsPerPixelY()));
    m_penY = y;
    return {};
}

// DrawRect Left, Top, Right, Bottom (Integer), Optional Fill (Boolean =
// False): corner to corner, outlined or solid. The pen stays.
Status Canvas::drawRect(int16_t left, int16_t top, int16_t right, int16_t bottom, bool fill)
{
    REQUIRE_BOUND();
    float tx = m_desktop.twipsPerPixelX(), ty = m_desktop.twipsPerPixelY();
    return picture().box(float(left) * tx, float(top) * ty, float(right) * tx, float(bottom) * ty, fill);
}

// DrawEllipse Radius (Integer), Optional Aspect (Single = 1), Optional
// Angle1 (Integer degrees = 360), Optional Angle2 (= 0): centred on the pen;
// negative angles add radius lines. The radius is scaled by the mean of the
// two factors. 5 for a negative radius, an aspect of 0 or below or an angle
// beyond a full turn.
Status Canvas::drawEllipse(int16_t radius, float aspect, int16_t angle1, int16_t angle2)
{
    REQUIRE_BOUND();
    float tx = m_desktop.twipsPerPixelX(), ty = m_desktop.twipsPerPixelY();
    float twips = float(double((ty + tx) * float(radius)) / 2.0);
    return picture().circle(float(m_penX) * tx, float(m_penY) * ty, twips, toRadians(angle1), toRadians(angle2),
                            aspect);
}

} // namespace vorna::controls
