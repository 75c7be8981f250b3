// The flow layout: PlaceControl, AdvanceCursor, BeginBlock, EndBlock and
// NewLine. Cursor sums are 16-bit with overflow checks; twips are single
// precision with the screen's factors read at every use; the window only
// ever grows.
#include "Dialog.h"

#include "runtime/Convert.h"

namespace vorna::dialog {

namespace {

constexpr int16_t Spacing = 5;

Result<int16_t> add16(int16_t a, int16_t b)
{
    int sum = int(a) + int(b);
    if (sum < -32768 || sum > 32767)
        return vbs::fail(vbs::ErrorCode::Overflow);
    return static_cast<int16_t>(sum);
}

// a + b + 5, each addition checked.
Result<int16_t> pastControl(int16_t a, int16_t b)
{
    TRY_ASSIGN(sum, add16(a, b));
    return add16(sum, Spacing);
}

} // namespace

// Visible, Tag, Left, Top, Width, Height in this order; a size the control
// refuses (380) fails after the earlier properties are set.
Status Dialog::PlaceControl(platform::Control& control, const Str& name, int16_t width, int16_t height)
{
    const platform::Desktop& desktop = m_program.desktop();
    FrmDialog& form = window();
    TRY_STATUS(control.setVisible(true));
    TRY_STATUS(control.setTag(name));
    TRY_STATUS(control.setLeft(float(form.CurrentLeft) * desktop.twipsPerPixelX()));
    TRY_STATUS(control.setTop(float(form.CurrentTop) * desktop.twipsPerPixelY()));
    TRY_STATUS(control.setWidth(float(width) * desktop.twipsPerPixelX()));
    return control.setHeight(float(height) * desktop.twipsPerPixelY());
}

Status Dialog::growWidth(float twips)
{
    platform::Window& w = window().window();
    return twips > w.width() ? w.setWidth(twips) : Status();
}

Status Dialog::growHeight(float twips)
{
    platform::Window& w = window().window();
    return twips > w.height() ? w.setHeight(twips) : Status();
}

// Moves the cursor past a control of this size at the cursor and grows the
// window to 5 pixels beyond it; every 16-bit sum is checked (6 Overflow), and
// what was assigned before a failing step stays assigned.
Status Dialog::AdvanceCursor(int16_t width, int16_t height)
{
    const platform::Desktop& desktop = m_program.desktop();
    FrmDialog& form = window();
    if (!InBlock) {
        TRY_ASSIGN(left, pastControl(form.CurrentLeft, width));
        form.CurrentLeft = left;
        TRY_STATUS(growWidth(float(form.CurrentLeft) * desktop.twipsPerPixelX() + form.DiffWidth));
        TRY_ASSIGN(bottom, pastControl(form.CurrentTop, height));
        return growHeight(float(bottom) * desktop.twipsPerPixelY() + form.DiffHeight);
    }
    TRY_ASSIGN(top, pastControl(form.CurrentTop, height));
    form.CurrentTop = top;
    TRY_ASSIGN(right, pastControl(form.CurrentLeft, width));
    if (BlockRight < right)
        BlockRight = right;
    TRY_STATUS(growWidth(float(BlockRight) * desktop.twipsPerPixelX() + form.DiffWidth));
    return growHeight(float(form.CurrentTop) * desktop.twipsPerPixelY() + form.DiffHeight);
}

// BeginBlock: later controls stack downwards; BlockRight keeps its value, so
// a block with no controls returns EndBlock to the previous block's edge.
void Dialog::BeginBlock()
{
    InBlock = true;
    BlockTop = window().CurrentTop;
}

// EndBlock: to the right of the block's widest control, at the block's top.
// Without a block it makes the same assignments.
void Dialog::EndBlock()
{
    InBlock = false;
    FrmDialog& form = window();
    form.CurrentLeft = BlockRight;
    form.CurrentTop = BlockTop;
}

// NewLine: a new row below everything placed so far, read from the window's
// inner height (6 Overflow when it does not fit 16 bits). InBlock stays.
Status Dialog::NewLine()
{
    FrmDialog& form = window();
    form.CurrentLeft = Spacing;
    double top = vbs::roundHalfEven(double(form.window().scaleHeight() / m_program.desktop().twipsPerPixelY()));
    if (!(top >= -32768.0 && top <= 32767.0))
        return vbs::fail(vbs::ErrorCode::Overflow);
    form.CurrentTop = static_cast<int16_t>(top);
    BlockRight = form.CurrentLeft;
    BlockTop = form.CurrentTop;
    return {};
}

} // namespace vorna::dialog
