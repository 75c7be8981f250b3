// Label, Button, Text and Report: each member is one call on the control.
#include "ControlObjects.h"

namespace vorna::controls {

using vbs::ClassInfo;
using vbs::DefaultValue;
using vbs::MemberKind;
using vbs::ParamType;
using platform::ControlKind;

Status ControlObject::attach(std::shared_ptr<platform::Control> control)
{
    if (!control || control->kind() != m_kind)
        return vbs::fail(vbs::ErrorCode::TypeMismatch);
    m_control = std::move(control);
    attached();
    return {};
}

Result<Variant> ControlObject::name() const
{
    if (!m_control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    TRY_ASSIGN(tag, m_control->tag());
    return Variant::fromString(std::move(tag));
}

namespace {

template <class T>
T& as(vbs::Object& self)
{
    return static_cast<T&>(self);
}

Result<Variant> done(Status status)
{
    if (!status)
        return status.takeError();
    return Variant();
}

// Name (read-only): the control's Tag. Same for all five classes.
template <class T>
vbs::MemberInfo nameMember(vbs::DispId id)
{
    return { u"Name", id, MemberKind::PropertyGet, {},
             [](vbs::Object& self, vbs::Args) { return as<T>(self).name(); } };
}

// A String property passed through to the control both ways.
template <class T, Result<Variant> (T::*Get)() const, Status (T::*Let)(const Str&)>
std::vector<vbs::MemberInfo> stringProperty(std::u16string_view name, vbs::DispId id)
{
    return {
        { name, id, MemberKind::PropertyGet, {}, [](vbs::Object& self, vbs::Args) { return (as<T>(self).*Get)(); } },
        { name, id, MemberKind::PropertyLet, { { u"NewValue", ParamType::String } },
          [](vbs::Object& self, vbs::Args args) { return done((as<T>(self).*Let)(args.back().asString())); } },
    };
}

template <class T, Result<Variant> (T::*Get)() const, Status (T::*Let)(const Str&)>
std::vector<vbs::MemberInfo> simpleMembers(std::u16string_view property, vbs::DispId propertyId)
{
    std::vector<vbs::MemberInfo> members { nameMember<T>(1) };
    for (vbs::MemberInfo& member : stringProperty<T, Get, Let>(property, propertyId))
        members.push_back(std::move(member));
    return members;
}

Result<Variant> captionOf(const std::shared_ptr<platform::Control>& control)
{
    if (!control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    TRY_ASSIGN(caption, static_cast<platform::CaptionControl&>(*control).caption());
    return Variant::fromString(std::move(caption));
}

Status setCaptionOf(const std::shared_ptr<platform::Control>& control, const Str& value)
{
    if (!control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    return static_cast<platform::CaptionControl&>(*control).setCaption(value);
}

} // namespace

// Label.Caption (default member, get/let String): the label's caption as it
// stands. Arguments arrive converted to String (13/94 from the dispatch layer).
Label::Label()
    : ControlObject(classInfo(), ControlKind::Label)
{
}

const ClassInfo& Label::classInfo()
{
    static const ClassInfo info(u"Label", simpleMembers<Label, &Label::caption, &Label::setCaption>(u"Caption", 0));
    return info;
}

Result<Variant> Label::caption() const { return captionOf(m_control); }
Status Label::setCaption(const Str& value) { return setCaptionOf(m_control, value); }

// Button.Caption (get/let String); Button has no default member, so using
// the object as a value is 438.
Button::Button()
    : ControlObject(classInfo(), ControlKind::Button)
{
}

const ClassInfo& Button::classInfo()
{
    static const ClassInfo info(u"Button",
                                simpleMembers<Button, &Button::caption, &Button::setCaption>(u"Caption", 2));
    return info;
}

Result<Variant> Button::caption() const { return captionOf(m_control); }
Status Button::setCaption(const Str& value) { return setCaptionOf(m_control, value); }

// Text.Text (default member, get/let String): what the box holds now,
// including what the user typed.
Text::Text()
    : ControlObject(classInfo(), ControlKind::TextBox)
{
}

const ClassInfo& Text::classInfo()
{
    static const ClassInfo info(u"Text", simpleMembers<Text, &Text::text, &Text::setText>(u"Text", 0));
    return info;
}

Result<Variant> Text::text() const
{
    if (!m_control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    TRY_ASSIGN(text, static_cast<platform::TextControl&>(*m_control).text());
    return Variant::fromString(std::move(text));
}

Status Text::setText(const Str& value)
{
    if (!m_control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    return static_cast<platform::TextControl&>(*m_control).setText(value);
}

Report::Report()
    : ControlObject(classInfo(), ControlKind::ReportBox)
{
}

namespace {

// WriteLine / Out (Text As String, Optional NewLine As Boolean = True):
// appends Text and, when NewLine is non-zero, CR LF. Text: Null is 94,
// objects are read through their default member (dispatch layer).
vbs::MemberInfo writeMember(std::u16string_view name, vbs::DispId id)
{
    return { name, id, MemberKind::Method,
             { { u"Text", ParamType::String }, { u"NewLine", ParamType::Boolean, true, DefaultValue::boolean(true) } },
             [](vbs::Object& self, vbs::Args args) {
                 return done(as<Report>(self).appendText(args[0].asString(), args[1].asBool()));
             } };
}

} // namespace

const ClassInfo& Report::classInfo()
{
    static const ClassInfo info(
        u"Report",
        { nameMember<Report>(1), writeMember(u"WriteLine", 0), writeMember(u"Out", 2),
          { u"Clear", 3, MemberKind::Method, {},
            [](vbs::Object& self, vbs::Args) { return done(as<Report>(self).clear()); } } });
    return info;
}

// The box is appended to in place: same content as rewriting it whole, at a
// cost that does not grow with what it holds.
Status Report::appendText(const Str& text, bool newLine)
{
    if (!m_control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    auto& box = static_cast<platform::ReportControl&>(*m_control);
    if (!newLine)
        return box.append(text.view());
    std::u16string line(text.view());
    line += u"\r\n";
    return box.append(line);
}

// Clear: one write of the empty text; it does not move the caret itself.
Status Report::clear()
{
    if (!m_control)
        return vbs::fail(vbs::ErrorCode::ObjectVariableNotSet);
    return static_cast<platform::ReportControl&>(*m_control).clear();
}

vbs::Ref<ControlObject> createControlObject(ControlKind kind, const platform::Desktop& desktop)
{
    switch (kind) {
    case ControlKind::Label: return vbs::makeRef<Label>();
    case ControlKind::Button: return vbs::makeRef<Button>();
    case ControlKind::TextBox: return vbs::makeRef<Text>();
    case ControlKind::ReportBox: return vbs::makeRef<Report>();
    case ControlKind::PictureBox: return vbs::makeRef<Canvas>(desktop);
    }
    return {};
}

} // namespace vorna::controls
