// Canvas: the member algorithms against a recording picture box (exact twips
// handed over), then pixel tests on the real backing image.
#include "QtWidgets.h"
#include "UiTest.h"

#include <QApplication>
#include <QImage>

namespace vorna::test {
namespace {

using controls::Canvas;

// A picture box that records what the canvas asks of it.
class RecordingPicture : public platform::PictureControl {
public:
    platform::ControlKind kind() const override { return platform::ControlKind::PictureBox; }
    std::shared_ptr<platform::Control> cloneHidden() const override { return nullptr; }
    vbs::Status setVisible(bool) override { return {}; }
    bool isVisible() const override { return true; }
    vbs::Status setTag(const Str& tag) override { return m_tag = tag, vbs::Status(); }
    vbs::Result<Str> tag() const override { return m_tag; }
    vbs::Status setLeft(float) override { return {}; }
    vbs::Status setTop(float) override { return {}; }
    vbs::Status setWidth(float) override { return {}; }
    vbs::Status setHeight(float) override { return {}; }
    float left() const override { return 0; }
    float top() const override { return 0; }
    float width() const override { return 0; }
    float height() const override { return 0; }
    vbs::Status line(float x1, float y1, float x2, float y2) override
    {
        if (failNext)
            return vbs::fail(vbs::ErrorCode::InvalidProcedureCall);
        lines.push_back({ x1, y1, x2, y2 });
        currentXValue = x2;
        currentYValue = y2;
        return {};
    }
    vbs::Status box(float, float, float x2, float y2, bool solid) override
    {
        lastSolid = solid;
        currentXValue = x2;
        currentYValue = y2;
        return {};
    }
    vbs::Status circle(float cx, float cy, float radius, float start, float end, float aspect) override
    {
        circles.push_back({ cx, cy, radius, start, end, aspect });
        return {};
    }
    vbs::Status cls() override { return {}; }
    vbs::Status print(const Str&) override
    {
        currentXValue += printAdvance;
        return {};
    }
    float currentX() const override { return currentXValue; }
    float currentY() const override { return currentYValue; }
    vbs::Status setCurrentX(float twips) override
    {
        if (failNext)
            return vbs::fail(vbs::ErrorCode::InvalidProcedureCall);
        currentXValue = twips;
        return {};
    }
    vbs::Status setCurrentY(float twips) override { return currentYValue = twips, vbs::Status(); }
    vbs::Status setForeColor(int32_t) override { return {}; }
    uint32_t pixel(int, int) const override { return 0; }
    int imageWidth() const override { return 0; }
    int imageHeight() const override { return 0; }

    struct Circle {
        float cx, cy, radius, start, end, aspect;
    };
    std::vector<std::array<float, 4>> lines;
    std::vector<Circle> circles;
    bool lastSolid = false;
    bool failNext = false;
    float currentXValue = 0, currentYValue = 0, printAdvance = 0;

private:
    Str m_tag;
};

class CanvasAlgorithm : public DesktopTest {
protected:
    CanvasAlgorithm() { EXPECT_TRUE(canvas->attach(picture).ok()); }
    std::string circle(size_t i)
    {
        const auto& c = picture->circles.at(i);
        return fmt(c.cx, c.cy, c.radius, c.start, c.end, c.aspect);
    }
    template <typename... T> static std::string fmt(T... values)
    {
        std::string s;
        ((s += (s.empty() ? "" : " ") + QString::number(values, 'g', 9).toStdString()), ...);
        return s;
    }
    std::string pen() { return fmt(canvas->penX(), canvas->penY()); }
    std::shared_ptr<RecordingPicture> picture = std::make_shared<RecordingPicture>();
    vbs::Ref<Canvas> canvas = vbs::makeRef<Canvas>(desktop);
};

TEST_F(CanvasAlgorithm, TwipsAndRadiansHandedToThePictureBox)
{
    ASSERT_TRUE(call(*canvas, u"MoveTo", { v(10), v(20) }));
    EXPECT_EQ(fmt(picture->currentX(), picture->currentY()), "150 300");
    ASSERT_TRUE(call(*canvas, u"DrawEllipse", { v(20) }));
    EXPECT_EQ(circle(0), fmt(150, 300, 300, 6.2831855f, 0, 1)); // cx cy radius start end aspect
    // A screen whose factors differ: the radius takes their mean.
    desktop.setTwipsPerPixel(12, 15);
    ASSERT_TRUE(call(*canvas, u"DrawEllipse", { v(20) }));
    const auto& c = picture->circles.at(1);
    EXPECT_EQ(fmt(c.cx, c.cy, c.radius), "120 300 270");
    // Angles keep their sign and go to radians with a fifteen-digit pi.
    ASSERT_TRUE(call(*canvas, u"DrawEllipse", { v(20), v(1), v(-30), v(-90) }));
    const double pi = 3.14159265358979;
    EXPECT_EQ(circle(2), fmt(120, 300, 270, float(-30.0 / 180.0 * pi), float(-90.0 / 180.0 * pi), 1));
}

TEST_F(CanvasAlgorithm, PenMovesOnlyAfterALineIsDrawn)
{
    ASSERT_TRUE(call(*canvas, u"LineTo", { v(10), v(10) }));
    ASSERT_TRUE(call(*canvas, u"LineTo", { v(20), v(5) }));
    using Line = std::array<float, 4>;
    EXPECT_EQ(picture->lines, (std::vector<Line> { { 0, 0, 150, 150 }, { 150, 150, 300, 75 } }));
    // Refused by the conversion: nothing drawn, the pen stays.
    EXPECT_EQ(errorOf(call(*canvas, u"LineTo", { v(40000), v(0) })), 6);
    EXPECT_EQ(picture->lines.size(), 2u);
    // Refused by the picture box: the pen stays too.
    picture->failNext = true;
    EXPECT_EQ(errorOf(call(*canvas, u"LineTo", { v(1), v(1) })), 5);
    EXPECT_EQ(pen(), "20 5");
    // MoveTo moves the pen before the step that fails.
    EXPECT_EQ(errorOf(call(*canvas, u"MoveTo", { v(7), v(8) })), 5);
    EXPECT_EQ(pen(), "7 8");
}

TEST_F(CanvasAlgorithm, RectanglesAndEllipsesLeaveThePen)
{
    ASSERT_TRUE(call(*canvas, u"MoveTo", { v(3), v(4) }));
    ASSERT_TRUE(call(*canvas, u"DrawRect", { v(10), v(10), v(50), v(30) }));
    EXPECT_FALSE(picture->lastSolid);
    ASSERT_TRUE(call(*canvas, u"DrawRect", { v(10), v(10), v(50), v(30), v(2) }));
    EXPECT_TRUE(picture->lastSolid);
    ASSERT_TRUE(call(*canvas, u"DrawEllipse", { v(5) }));
    ASSERT_TRUE(call(*canvas, u"LineTo", { v(0), v(0) }));
    EXPECT_EQ(picture->lines.back(), (std::array<float, 4> { 45, 60, 0, 0 }));
}

TEST_F(CanvasAlgorithm, TextOutTakesThePenFromTheTextPosition)
{
    ASSERT_TRUE(call(*canvas, u"MoveTo", { v(10), v(20) }));
    picture->printAdvance = 37.5f; // 2.5 pixels: ties go to even
    ASSERT_TRUE(call(*canvas, u"TextOut", { v(u"ab") }));
    EXPECT_EQ(pen(), "12 20");
    picture->printAdvance = 1e7f;
    EXPECT_EQ(errorOf(call(*canvas, u"TextOut", { v(u"x") })), 6);
}

// --- pixels on the real picture box

class CanvasPixels : public DesktopTest {
protected:
    CanvasPixels()
    {
        window = desktop.createWindow();
        element = window->controls(platform::ControlKind::PictureBox).load(1).value();
        EXPECT_TRUE(element->setWidth(200 * 15).ok());
        EXPECT_TRUE(element->setHeight(100 * 15).ok());
        EXPECT_TRUE(canvas->attach(element).ok());
        background = picture().pixel(0, 0);
    }
    platform::PictureControl& picture() { return static_cast<platform::PictureControl&>(*element); }
    bool painted(int x, int y) { return picture().pixel(x, y) != background; }
    // One character per point: 1 painted, 0 not.
    std::string marks(std::initializer_list<std::pair<int, int>> points)
    {
        std::string s;
        for (auto [x, y] : points)
            s += painted(x, y) ? '1' : '0';
        return s;
    }
    QColor colour(int x, int y) { return QColor(picture().pixel(x, y)); }
    struct Step {
        std::u16string_view member;
        std::vector<Variant> args;
    };
    // Calls each member in turn; every call must succeed.
    void run(std::initializer_list<Step> steps)
    {
        for (const Step& step : steps)
            EXPECT_TRUE(call(*canvas, step.member, step.args).ok()) << Str(step.member).toUtf8();
    }
    void run(std::u16string_view member, std::vector<Variant> args = {}) { run({ { member, args } }); }
    int refused(std::u16string_view member, std::vector<Variant> args)
    {
        return errorOf(call(*canvas, member, std::move(args)));
    }
    // Bounding box of every painted pixel (left, top, right, bottom), then their count.
    std::array<int, 5> paintedBoxAndCount()
    {
        std::array<int, 5> b { 1 << 20, 1 << 20, -1, -1, 0 };
        for (int y = 0; y < picture().imageHeight(); ++y)
            for (int x = 0; x < picture().imageWidth(); ++x)
                if (painted(x, y))
                    b = { std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y),
                          b[4] + 1 };
        return b;
    }
    std::array<int, 4> paintedBounds()
    {
        auto b = paintedBoxAndCount();
        return { b[0], b[1], b[2], b[3] };
    }
    int paintedCount() { return paintedBoxAndCount()[4]; }
    std::unique_ptr<platform::Window> window;
    std::shared_ptr<platform::Control> element;
    vbs::Ref<Canvas> canvas = vbs::makeRef<Canvas>(desktop);
    uint32_t background = 0;
};
using Bounds = std::array<int, 4>;

TEST_F(CanvasPixels, LinesRunFromThePenAndConnect)
{
    run(u"LineTo", { v(10), v(10) });
    EXPECT_EQ(marks({ { 0, 0 }, { 5, 5 }, { 10, 10 }, { 5, 6 }, { 11, 11 } }), "11100");
    run(u"LineTo", { v(30), v(10) });
    for (int x = 9; x <= 29; ++x)
        EXPECT_TRUE(painted(x, 10) || painted(x, 9)) << x;
    // MoveTo between two lines leaves a gap.
    run({ { u"MoveTo", { v(50), v(50) } }, { u"LineTo", { v(60), v(50) } } });
    EXPECT_EQ(marks({ { 40, 30 }, { 45, 50 }, { 50, 50 } }), "001");
}

TEST_F(CanvasPixels, OutlineBoxLeavesItsInteriorSolidBoxFillsIt)
{
    run(u"DrawRect", { v(10), v(10), v(50), v(30) });
    EXPECT_EQ(marks({ { 10, 10 }, { 50, 30 }, { 30, 10 }, { 10, 20 }, { 50, 20 }, { 30, 20 }, { 51, 31 } }), "1111100");
    EXPECT_EQ(paintedBounds(), (Bounds { 10, 10, 50, 30 }));
    run(u"SetColor", { v(0xFF) });
    run(u"DrawRect", { v(120), v(40), v(100), v(60), v(true) }); // corners in any order
    for (auto [x, y] : { std::pair { 110, 50 }, { 100, 40 }, { 120, 60 } })
        EXPECT_EQ(colour(x, y), QColor(255, 0, 0)) << x << "," << y;
    EXPECT_FALSE(painted(121, 50));
}

TEST_F(CanvasPixels, EllipseExtentsFollowTheAspectRule)
{
    run({ { u"MoveTo", { v(100), v(50) } }, { u"DrawEllipse", { v(20), v(0.5) } } });
    EXPECT_EQ(paintedBounds(), (Bounds { 80, 40, 120, 60 }));
    EXPECT_FALSE(painted(100, 50));
    run({ { u"Clear", {} }, { u"DrawEllipse", { v(20), v(2) } } });
    EXPECT_EQ(paintedBounds(), (Bounds { 90, 30, 110, 70 }));
    run({ { u"Clear", {} }, { u"DrawEllipse", { v(20) } } });
    EXPECT_EQ(paintedBounds(), (Bounds { 80, 30, 120, 70 }));
}

TEST_F(CanvasPixels, ArcsAndWedges)
{
    // A quarter arc stays in its quadrant, with no radius lines.
    run({ { u"MoveTo", { v(100), v(50) } }, { u"DrawEllipse", { v(20), v(1), v(0), v(90) } } });
    EXPECT_EQ(marks({ { 120, 50 }, { 100, 30 }, { 100, 50 } }), "110");
    EXPECT_EQ(paintedBounds(), (Bounds { 100, 30, 120, 50 }));
    // Negative angles draw a closed wedge: both radius lines meet at the centre.
    run({ { u"Clear", {} }, { u"DrawEllipse", { v(20), v(1), v(-30), v(-90) } } });
    EXPECT_EQ(marks({ { 100, 50 }, { 108, 45 } }), "11"); // the centre, on the line to 30 degrees
    for (int y = 31; y < 50; ++y)
        EXPECT_TRUE(painted(100, y)) << y; // the radius line to 90 degrees
    auto bounds = paintedBounds();
    EXPECT_EQ((std::array { bounds[0], bounds[1], bounds[3] }), (std::array { 100, 30, 50 }));
}

TEST_F(CanvasPixels, AngleBeyondAFullTurnBadSizesAndUnknownColoursAreRefused)
{
    EXPECT_TRUE(call(*canvas, u"DrawEllipse", { v(10), v(1), v(-360), v(360) }));
    EXPECT_EQ(refused(u"DrawEllipse", { v(10), v(1), v(361), v(0) }), 5);
    EXPECT_EQ(refused(u"DrawEllipse", { v(-10) }), 5);
    EXPECT_EQ(refused(u"DrawEllipse", { v(10), v(0) }), 5);
    run(u"Clear");
    EXPECT_TRUE(call(*canvas, u"SetColor", { v(int(0x80000008u)) }));
    for (int colour : { int(0x80000019u), int(0x80000100u), 0x01000000 })
        EXPECT_EQ(refused(u"SetColor", { v(colour) }), 380) << colour;
    run({ { u"SetColor", { v(int(0x80000005u)) } }, { u"LineTo", { v(20), v(20) } } });
    EXPECT_EQ(paintedCount(), 0); // the background's own colour
}

TEST_F(CanvasPixels, SetColorChangesOnlyLaterDrawing)
{
    run({ { u"SetColor", { v(0x0000FF) } }, { u"LineTo", { v(20), v(0) } } });
    run({ { u"SetColor", { v(0xFF0000) } }, { u"MoveTo", { v(0), v(10) } } });
    run(u"LineTo", { v(20), v(10) });
    EXPECT_EQ(colour(10, 0), QColor(255, 0, 0));
    EXPECT_EQ(colour(10, 10), QColor(0, 0, 255));
}

TEST_F(CanvasPixels, ClearErasesKeepsThePenAndResetsTheTextPosition)
{
    run({ { u"MoveTo", { v(40), v(40) } }, { u"LineTo", { v(60), v(40) } }, { u"Clear", {} } });
    EXPECT_EQ(paintedCount(), 0);
    EXPECT_EQ(picture().currentX(), 0.0f);
    run(u"LineTo", { v(60), v(60) });
    EXPECT_EQ(marks({ { 60, 50 }, { 0, 0 } }), "10");
    run({ { u"Clear", {} }, { u"TextOut", { v(u"Hi") } } });
    auto bounds = paintedBounds();
    EXPECT_TRUE(bounds[0] < 4 && bounds[1] < 6 && bounds[3] < 16) << bounds[0] << "," << bounds[1] << "," << bounds[3];
}

TEST_F(CanvasPixels, TextOutPrintsAtTheTextPosition)
{
    run({ { u"MoveTo", { v(50), v(40) } }, { u"TextOut", { v(u"Hello") } } });
    auto bounds = paintedBounds();
    EXPECT_TRUE(bounds[0] >= 50 && bounds[1] >= 40 && bounds[1] < 50) << bounds[0] << "," << bounds[1];
    // The print does not end the line: the pen stands after the text.
    EXPECT_GT(canvas->penX(), 55);
    EXPECT_EQ(canvas->penY(), 40);

    run({ { u"Clear", {} }, { u"DrawRect", { v(10), v(10), v(60), v(30) } } });
    run({ { u"SetColor", { v(0xFF) } }, { u"TextOut", { v(u"Hello") } } });
    bool belowCorner = false;
    for (int y = 31; y < 50; ++y)
        for (int x = 61; x < 100; ++x)
            belowCorner |= colour(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(belowCorner);
}

TEST_F(CanvasPixels, DrawingsSurviveHidingAndShowing)
{
    ASSERT_TRUE(element->setVisible(true).ok());
    window->show();
    run(u"DrawRect", { v(10), v(10), v(50), v(30), v(true) });
    ASSERT_TRUE(element->setVisible(false).ok());
    window->unload();
    ASSERT_TRUE(element->setVisible(true).ok());
    QImage shown = dynamic_cast<platform::QtPicture&>(*element).widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(30, 20), colour(30, 20));
    EXPECT_NE(shown.pixelColor(30, 20), QColor(background));
    EXPECT_EQ(shown.pixelColor(100, 80), QColor(background));
}

TEST_F(CanvasPixels, GrowingTheBoxKeepsTheDrawing)
{
    run(u"LineTo", { v(10), v(10) });
    ASSERT_TRUE(element->setWidth(300 * 15).ok());
    EXPECT_EQ(picture().imageWidth(), 300);
    EXPECT_EQ(marks({ { 5, 5 }, { 250, 50 } }), "10");
}

// Run once as is and once more by CTest with QT_SCALE_FACTOR=2: the backing
// image follows the device pixel ratio, so lines stay crisp.
TEST_F(CanvasPixels, BackingImageFollowsTheDevicePixelRatio)
{
    qreal ratio = dynamic_cast<platform::QtPicture&>(*element).widget()->devicePixelRatioF();
    EXPECT_EQ(picture().imageWidth(), qRound(200 * ratio));
    EXPECT_EQ(picture().imageHeight(), qRound(100 * ratio));
    EXPECT_EQ(paintedCount(), 0); // a fresh image is the window background
    EXPECT_EQ(QColor(background), QApplication::palette().color(QPalette::Base));
    run({ { u"MoveTo", { v(10), v(20) } }, { u"LineTo", { v(60), v(20) } } });
    int y = qRound(20 * ratio);
    EXPECT_EQ(
        marks({ { qRound(30 * ratio), y }, { qRound(30 * ratio), y + qRound(2 * ratio) }, { qRound(70 * ratio), y } }),
        "100");
}

} // namespace
} // namespace vorna::test
