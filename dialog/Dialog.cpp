// The Dialog object's dispatch interface, the Add methods, Controls, Quit
// and Caption.
#include "Dialog.h"

#include "runtime/Convert.h"

namespace vorna::dialog {

using platform::ControlKind;
using vbs::DefaultValue;
using vbs::MemberKind;
using vbs::ParamType;

Status NamedControls::add(const Str& key, vbs::Ref<controls::ControlObject> object)
{
    auto [it, inserted] = m_index.emplace(vbs::foldName(key), m_items.size());
    if (!inserted)
        return vbs::fail(vbs::ErrorCode::KeyAlreadyAssociated);
    m_items.push_back(std::move(object));
    return {};
}

controls::ControlObject* NamedControls::find(std::u16string_view key) const
{
    auto it = m_index.find(vbs::foldName(key));
    return it == m_index.end() ? nullptr : m_items[it->second].get();
}

controls::ControlObject* NamedControls::at(int32_t position) const
{
    if (position < 1 || size_t(position) > m_items.size())
        return nullptr;
    return m_items[size_t(position) - 1].get();
}

namespace {

Dialog& dialog(vbs::Object& self)
{
    return static_cast<Dialog&>(self);
}

Result<Variant> done(Status status)
{
    if (!status)
        return status.takeError();
    return Variant();
}

Result<Variant> none()
{
    return Variant();
}

// AddLabel / AddButton / AddText (Name, Optional Caption = "", Optional
// Width, Optional Height) and AddCanvas / AddReport (Name, Optional Dummy,
// Optional Width, Optional Height): sizes are Integer pixels (6 Overflow and
// 13 Type mismatch from the dispatch layer before anything happens).
vbs::MemberInfo addMember(std::u16string_view name, vbs::DispId id, ControlKind kind, int16_t width,
                          int16_t height)
{
    bool textual = kind == ControlKind::Label || kind == ControlKind::Button || kind == ControlKind::TextBox;
    vbs::ParamInfo second = textual
        ? vbs::ParamInfo { kind == ControlKind::TextBox ? u"Text" : u"Caption", ParamType::String, true,
                           DefaultValue::str(u"") }
        : vbs::ParamInfo { u"Dummy", ParamType::Variant, true, {} };
    return { name, id, MemberKind::Method,
             { { u"Name", ParamType::String }, second,
               { u"Width", ParamType::Int16, true, DefaultValue::num(width) },
               { u"Height", ParamType::Int16, true, DefaultValue::num(height) } },
             [kind, textual](vbs::Object& self, vbs::Args a) {
                 Str text = textual ? a[1].asString() : Str();
                 return done(dialog(self).addControl(kind, a[0].asString(), text, a[2].asInteger(), a[3].asInteger()));
             } };
}

vbs::MemberInfo plainMethod(std::u16string_view name, vbs::DispId id, void (Dialog::*method)())
{
    return { name, id, MemberKind::Method, {}, [method](vbs::Object& self, vbs::Args) {
                (dialog(self).*method)();
                return none();
            } };
}

std::vector<vbs::MemberInfo> dialogMembers()
{
    return {
        plainMethod(u"BeginBlock", 1, &Dialog::BeginBlock),
        plainMethod(u"EndBlock", 2, &Dialog::EndBlock),
        { u"Controls", 3, MemberKind::PropertyGet, { { u"Key", ParamType::Variant } },
          [](vbs::Object& self, vbs::Args a) { return dialog(self).Controls(a[0]); } },
        addMember(u"AddLabel", 4, ControlKind::Label, 100, 17),
        addMember(u"AddButton", 5, ControlKind::Button, 80, 22),
        addMember(u"AddText", 6, ControlKind::TextBox, 120, 22),
        addMember(u"AddCanvas", 7, ControlKind::PictureBox, 140, 80),
        addMember(u"AddReport", 8, ControlKind::ReportBox, 140, 80),
        { u"NewLine", 9, MemberKind::Method, {},
          [](vbs::Object& self, vbs::Args) { return done(dialog(self).NewLine()); } },
        plainMethod(u"Quit", 10, &Dialog::Quit),
        { u"Caption", 11, MemberKind::PropertyGet, {},
          [](vbs::Object& self, vbs::Args) { return Result<Variant>(Variant::fromString(dialog(self).Caption())); } },
        { u"Caption", 11, MemberKind::PropertyLet, { { u"NewValue", ParamType::String } },
          [](vbs::Object& self, vbs::Args a) {
              dialog(self).setCaption(a.back().asString());
              return none();
          } },
    };
}

} // namespace

Dialog::Dialog(Program& program, vbs::ScriptEngine& engine)
    : HostObject(classInfo())
    , m_program(program)
    , m_engine(engine)
{
}

const vbs::ClassInfo& Dialog::classInfo()
{
    static const vbs::ClassInfo info(u"Dialog", dialogMembers());
    return info;
}

// The eight steps of every Add method; a failing step ends the member and
// leaves the earlier steps done.
Status Dialog::addControl(ControlKind kind, const Str& name, const Str& text, int16_t width, int16_t height)
{
    platform::ControlArray& array = window().controls(kind);
    if (array.upperBound() == 32767)
        return vbs::fail(vbs::ErrorCode::Overflow);
    TRY_ASSIGN(element, array.load(static_cast<int16_t>(array.upperBound() + 1)));
    TRY_STATUS(PlaceControl(*element, name, width, height));
    if (kind == ControlKind::Label || kind == ControlKind::Button)
        TRY_STATUS(static_cast<platform::CaptionControl&>(*element).setCaption(text));
    else if (kind == ControlKind::TextBox)
        TRY_STATUS(static_cast<platform::TextControl&>(*element).setText(text));
    vbs::Ref<controls::ControlObject> object = controls::createControlObject(kind, m_program.desktop());
    TRY_STATUS(object->attach(element));
    TRY_STATUS(m_namedControls.add(name, object));
    TRY_STATUS(m_engine.addObject(name.view(), vbs::Ref<vbs::Object>(object.get())));
    return AdvanceCursor(width, height);
}

namespace {

controls::ControlObject* lookUp(const NamedControls& named, const Variant& key)
{
    if (key.isString())
        return named.find(key.stringView());
    if (!key.isNumeric())
        return nullptr;
    auto position = vbs::toLong(key);
    return position ? named.at(position.value()) : nullptr;
}

} // namespace

// Controls(Key): by name (any letter case) or by position from 1. A failed
// look-up runs the statement "Controls", which fails in the script (the
// property needs its Key) and so reaches the error report.
Result<Variant> Dialog::Controls(const Variant& key)
{
    // An object key is read through its default member (a Text box's text).
    auto value = vbs::toValue(key.deref());
    controls::ControlObject* found = value ? lookUp(m_namedControls, value.value()) : nullptr;
    if (found)
        return Variant::fromObject(found);
    (void)m_engine.executeStatement(u"Controls");
    if (m_program.ended())
        m_engine.interrupt(); // the script that asked goes no further either
    return Variant::nothing();
}

// Quit: the dialog window's query-unload runs (host window first); the
// program ends once the script call that asked for it returns.
void Dialog::Quit()
{
    window().queryUnload();
}

// Caption (String, read and write): the window title, empty until set.
Str Dialog::Caption()
{
    return window().window().caption();
}

void Dialog::setCaption(const Str& value)
{
    window().window().setCaption(value);
}

} // namespace vorna::dialog
