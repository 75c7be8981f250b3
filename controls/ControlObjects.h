// The control objects that scripts see: one small automation object per
// control that a script adds. Each holds one counted reference to its control
// and reads its Name from the control's Tag; only the Dialog object creates
// them and binds them with attach() (not part of the scripting interface).
#pragma once

#include "Desktop.h"
#include "automation/Dispatch.h"

namespace vorna::controls {

using vbs::Result;
using vbs::Status;
using vbs::Str;
using vbs::Variant;

class ControlObject : public vbs::HostObject {
public:
    // Binds the control, releasing an earlier one. 13 Type mismatch for a
    // control of a kind this class does not wrap.
    Status attach(std::shared_ptr<platform::Control> control);
    platform::ControlKind wraps() const { return m_kind; }
    // Name: the control's Tag.
    Result<Variant> name() const;

protected:
    ControlObject(const vbs::ClassInfo& info, platform::ControlKind kind)
        : HostObject(info)
        , m_kind(kind)
    {
    }
    virtual void attached() { }
    std::shared_ptr<platform::Control> m_control;

private:
    platform::ControlKind m_kind;
};

// Label: Name, Caption (default member).
class Label : public ControlObject {
public:
    Label();
    static const vbs::ClassInfo& classInfo();
    Result<Variant> caption() const;
    Status setCaption(const Str& value);
};

// Button: Name, Caption; no default member.
class Button : public ControlObject {
public:
    Button();
    static const vbs::ClassInfo& classInfo();
    Result<Variant> caption() const;
    Status setCaption(const Str& value);
};

// Text: Name, Text (default member).
class Text : public ControlObject {
public:
    Text();
    static const vbs::ClassInfo& classInfo();
    Result<Variant> text() const;
    Status setText(const Str& value);
};

// Report: Name, WriteLine (default member), Out, Clear.
class Report : public ControlObject {
public:
    Report();
    static const vbs::ClassInfo& classInfo();
    Status appendText(const Str& text, bool newLine);
    Status clear();
};

// Canvas: Name, MoveTo, LineTo, SetColor, Clear, TextOut, DrawRect,
// DrawEllipse. Scripts speak in pixels; the picture box in twips, with the
// screen's factors read at every call.
class Canvas : public ControlObject {
public:
    explicit Canvas(const platform::Desktop& desktop);
    static const vbs::ClassInfo& classInfo();
    Status moveTo(int16_t x, int16_t y);
    Status lineTo(int16_t x, int16_t y);
    Status setColor(int32_t color);
    Status clear();
    Status textOut(const Str& text);
    Status drawRect(int16_t left, int16_t top, int16_t right, int16_t bottom, bool fill);
    Status drawEllipse(int16_t radius, float aspect, int16_t angle1, int16_t angle2);
    int16_t penX() const { return m_penX; }
    int16_t penY() const { return m_penY; }

protected:
    void attached() override;

private:
    platform::PictureControl& picture() const;
    const platform::Desktop& m_desktop;
    int16_t m_penX = 0;
    int16_t m_penY = 0;
};

// A new, unbound control object for a kind of control.
vbs::Ref<ControlObject> createControlObject(platform::ControlKind kind, const platform::Desktop& desktop);

} // namespace vorna::controls
