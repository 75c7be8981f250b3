// Host objects through their member tables: a fake "Widget" answers some
// members, fails on one with its own error and records what it was asked.
#include "TestValues.h"

#include "automation/Dispatch.h"
#include "runtime/Operators.h"

#include <gtest/gtest.h>

using namespace vbs;
using namespace vbs::test;

namespace {

constexpr DispId idCaption = 0, idMove = 1, idFail = 2, idItems = 3, idFont = 4, idRatio = 5, idWrite = 6, idTag = 7;

class Widget : public HostObject {
public:
    Widget();
    std::vector<std::string> calls; // "Move Integer 10, Integer 12, ..."
    Variant caption = S(u"5");
    Variant font;
    Variant tag;
};

std::string record(const char* name, Args args)
{
    std::string line = name;
    for (size_t i = 0; i < args.size(); ++i)
        line += (i ? ", " : " ") + describe(args[i]);
    return line;
}

Widget& self(Object& o) { return static_cast<Widget&>(o); }
// Member bodies: keep a value, or note the call with its arguments.
Variant keep(Variant& field, const Variant& value) { return field = value, Variant(); }
Variant note(Object& o, const char* m, Args a) { return self(o).calls.push_back(record(m, a)), Variant(); }

const ClassInfo& widgetClass()
{
    static const ClassInfo info(u"Widget", {
        { u"Caption", idCaption, MemberKind::PropertyGet, {},
          [](Object& o, Args) -> Result<Variant> { return self(o).caption; } },
        { u"Caption", idCaption, MemberKind::PropertyLet, { { u"NewValue", ParamType::String } },
          [](Object& o, Args a) -> Result<Variant> { return keep(self(o).caption, a[0]); } },
        { u"Move", idMove, MemberKind::Method,
          { { u"Left", ParamType::Int16 },
            { u"Top", ParamType::Int16, true, DefaultValue::num(10) },
            { u"Width", ParamType::Int32, true, DefaultValue::num(200) },
            { u"Visible", ParamType::Boolean, true, DefaultValue::boolean(true) } },
          [](Object& o, Args a) -> Result<Variant> { return note(o, "Move", a); } },
        { u"Fail", idFail, MemberKind::Method, {},
          [](Object&, Args) -> Result<Variant> {
              return fail(makeError(ObjectErrorBase + 7, Str(u"Widget is broken"), Str(u"Widget")));
          } },
        { u"Items", idItems, MemberKind::PropertyGet, {},
          [](Object&, Args) -> Result<Variant> {
              return Variant::fromArray(Array::createVector({ I(10), I(20), I(30) }));
          } },
        { u"Font", idFont, MemberKind::PropertySet, { { u"NewValue", ParamType::Object } },
          [](Object& o, Args a) -> Result<Variant> { return keep(self(o).font, a[0]); } },
        { u"Ratio", idRatio, MemberKind::PropertyLet, { { u"NewValue", ParamType::Single } },
          [](Object& o, Args a) -> Result<Variant> { return note(o, "Ratio", a); } },
        { u"Write", idWrite, MemberKind::Method,
          { { u"Text", ParamType::String, true, DefaultValue::str(u"none") }, { u"Any", ParamType::Variant, true } },
          [](Object& o, Args a) -> Result<Variant> { return note(o, "Write", a); } },
        // Variant parameters only: the arguments are handed over unconverted.
        { u"Tag", idTag, MemberKind::PropertyLet, { { u"Index" }, { u"NewValue" } },
          [](Object& o, Args a) -> Result<Variant> { return note(o, "Tag", a), keep(self(o).tag, a[1]); } },
    });
    return info;
}

Widget::Widget()
    : HostObject(widgetClass())
{
}

class HostObjectTest : public testing::Test {
protected:
    Ref<Widget> widget = makeRef<Widget>();

    std::string call(DispId id, std::vector<Variant> args, InvokeKind kind = InvokeKind::MethodOrGet)
    {
        widget->calls.clear();
        const auto r = widget->invoke(id, kind, Args(args));
        if (!r.ok())
            return "error " + std::to_string(r.error().number) + " " + r.error().description.toUtf8();
        return widget->calls.empty() ? describe(r) : widget->calls.back();
    }
};

TEST_F(HostObjectTest, MembersAreFoundByNameInAnyCase)
{
    EXPECT_EQ(widget->memberId(u"caption"), idCaption);
    EXPECT_EQ(widget->memberId(u"MOVE"), idMove);
    EXPECT_EQ(widget->memberId(u"Resize"), DispIdUnknown);
    EXPECT_EQ(widget->memberName(idMove), u"Move");
    EXPECT_EQ(widget->typeName(), u"Widget");
    EXPECT_EQ(widgetClass().find(idCaption, MemberKind::PropertyLet)->params.size(), 1u);
    EXPECT_EQ(widgetClass().find(idMove, MemberKind::PropertyGet), nullptr);
}

TEST_F(HostObjectTest, IntegerParametersRoundHalfToEven)
{
    EXPECT_EQ(call(idMove, { D(10.5), D(11.5), D(2.5), I(0) }),
              "Move Integer 10, Integer 12, Long 2, Boolean False");
    EXPECT_EQ(call(idMove, { S(u" 12 "), B(true), S(u"&H10"), S(u"true") }),
              "Move Integer 12, Integer -1, Long 16, Boolean True");
}

TEST_F(HostObjectTest, ConversionFailuresKeepTheLanguageErrors)
{
    EXPECT_EQ(call(idMove, { L(40000) }), "error 6 Overflow");
    EXPECT_EQ(call(idMove, { D(-32768.5) }).substr(0, 4), "Move"); // -32768 after rounding
    EXPECT_EQ(call(idMove, { S(u"abc") }), "error 13 Type mismatch");
    EXPECT_EQ(call(idMove, { N() }), "error 94 Invalid use of Null");
    EXPECT_EQ(call(idMove, { I(1), I(1), D(3e9) }), "error 6 Overflow");
    EXPECT_EQ(call(idMove, { I(1), I(1), I(1), S(u"maybe") }), "error 13 Type mismatch");
}

TEST_F(HostObjectTest, OmittedOptionalsTakeTheirDefaults)
{
    EXPECT_EQ(call(idMove, { I(1) }), "Move Integer 1, Integer 10, Long 200, Boolean True");
    EXPECT_EQ(call(idMove, { I(1), Variant::missing(), I(300) }),
              "Move Integer 1, Integer 10, Long 300, Boolean True");
    EXPECT_EQ(call(idWrite, {}), "Write String none, Missing");
    EXPECT_EQ(call(idWrite, { Variant::missing(), I(1) }), "Write String none, Integer 1");
}

TEST_F(HostObjectTest, WrongArgumentCountNamesTheMember)
{
    const std::string wrong = "error 450 Wrong number of arguments or invalid property assignment: 'Move'";
    EXPECT_EQ(call(idMove, {}), wrong);
    EXPECT_EQ(call(idMove, { Variant::missing(), I(2) }), wrong);
    EXPECT_EQ(call(idMove, { I(1), I(2), I(3), I(4), I(5) }), wrong);
    EXPECT_TRUE(widget->calls.empty()); // refused calls never reach the member
}

TEST_F(HostObjectTest, MemberErrorsPassThroughUnchanged)
{
    const auto r = widget->invoke(idFail, InvokeKind::Method, Args());
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().number, ObjectErrorBase + 7);
    EXPECT_EQ(r.error().description, u"Widget is broken");
    EXPECT_EQ(r.error().source, u"Widget");
}

TEST_F(HostObjectTest, MissingMembersAndKinds)
{
    EXPECT_EQ(call(99, {}), "error 438 Object doesn't support this property or method");
    EXPECT_EQ(call(idMove, { I(1) }, InvokeKind::PropertyPut),
              "error 438 Object doesn't support this property or method: 'Move'");
    EXPECT_EQ(call(idRatio, {}, InvokeKind::PropertyGet),
              "error 438 Object doesn't support this property or method: 'Ratio'");
}

TEST_F(HostObjectTest, PropertyLetAndSet)
{
    EXPECT_EQ(call(idCaption, { D(2.5) }, InvokeKind::PropertyPut), "Empty");
    EXPECT_EQ(describe(widget->caption), "String 2.5");
    EXPECT_EQ(call(idRatio, { I(3) }, InvokeKind::PropertyPut), "Ratio Single 3");

    Ref<Widget> other = makeRef<Widget>();
    std::vector<Variant> value { Variant::fromObject(other) };
    ASSERT_TRUE(widget->invoke(idFont, InvokeKind::PropertyPutRef, Args(value)).ok());
    EXPECT_EQ(widget->font.asObject(), other.get());
    EXPECT_EQ(call(idFont, { Variant::fromObject(other) }, InvokeKind::PropertyPut),
              "error 450 Wrong number of arguments or invalid property assignment: 'Font'");
    EXPECT_EQ(call(idFont, { I(5) }, InvokeKind::PropertyPutRef), "error 13 Type mismatch");
    EXPECT_EQ(call(idFont, { Variant::nothing() }, InvokeKind::PropertyPutRef), "Empty");
    EXPECT_TRUE(widget->font.isNothing());
    // Set on a Let-only property assigns through Let.
    EXPECT_EQ(call(idRatio, { D(0.5) }, InvokeKind::PropertyPutRef), "Ratio Single 0.5");
}

TEST_F(HostObjectTest, ArgumentsToAParameterlessPropertyIndexItsValue)
{
    EXPECT_EQ(call(idItems, { I(1) }), "Integer 20");
    EXPECT_EQ(call(idItems, { D(1.5) }), "Integer 30");
    EXPECT_EQ(call(idItems, { I(3) }), "error 9 Subscript out of range");
    EXPECT_EQ(call(idItems, { I(0), I(0) }), "error 9 Subscript out of range");
    EXPECT_EQ(call(idCaption, { I(0) }),
              "error 450 Wrong number of arguments or invalid property assignment: 'Caption'");
}

TEST_F(HostObjectTest, DefaultMemberServesValueUse)
{
    EXPECT_EQ(describe(readDefaultMember(widget.get())), "String 5");
    EXPECT_EQ(describe(readDefaultMember(nullptr)), "error 91");
    const Variant w = Variant::fromObject(widget);
    EXPECT_EQ(describe(opAdd(w, I(1))), "Double 6");
    EXPECT_EQ(describe(opConcat(w, w)), "String 55");
    EXPECT_EQ(describe(opCompare(w, S(u"5"), CompareOp::Eq)), "Boolean True");
    EXPECT_EQ(toLong(w).value(), 5);
    EXPECT_EQ(describe(opAdd(Variant::nothing(), I(1))), "error 91");
    EXPECT_TRUE(opIs(w, w).value());
    EXPECT_FALSE(opIs(w, Variant::nothing()).value());
    EXPECT_TRUE(opIs(Variant::nothing(), Variant::nothing()).value());
    EXPECT_EQ(errorOf(opIs(w, I(1))), "error 424");
    EXPECT_EQ(errorOf(widget->enumerate()), "error 451");
}

TEST(HostObjectWithoutDefault, ValueUseIs438)
{
    static const ClassInfo plainClass(u"Plain", {});
    Ref<HostObject> plain = makeRef<HostObject>(plainClass);
    EXPECT_EQ(describe(readDefaultMember(plain.get())), "error 438");
    EXPECT_EQ(errorOf(toString(Variant::fromObject(plain))), "error 438");
}

TEST(ConvertArgument, ObjectAndVariantParameters)
{
    Variant target = I(7);
    const Variant link = Variant::fromRef(&target);
    EXPECT_TRUE(convertArgument(link, ParamType::Variant).value().isRef()); // ByRef kept
    EXPECT_EQ(describe(convertArgument(link, ParamType::Double)), "Double 7");
    EXPECT_EQ(errorOf(convertArgument(E(), ParamType::Object)), "error 13");
    EXPECT_TRUE(convertArgument(Variant::nothing(), ParamType::Object).value().isNothing());
    EXPECT_EQ(describe(convertArgument(E(), ParamType::String)), "String ");
    EXPECT_EQ(describe(convertArgument(D(1.5), ParamType::Boolean)), "Boolean True");
    EXPECT_EQ(describe(convertArgument(S(u"1e39"), ParamType::Single)), "error 6");
}

TEST_F(HostObjectTest, VariantParametersStillFollowTheBindingRules)
{
    // An assigned value is stored, never a link to the caller's variable.
    Variant source = I(7);
    EXPECT_EQ(call(idTag, { I(1), Variant::fromRef(&source) }, InvokeKind::PropertyPut), "Tag Integer 1, Integer 7");
    source = I(8);
    EXPECT_EQ(describe(widget->tag), "Integer 7");
    // An omitted required argument is refused, whatever the parameter type.
    EXPECT_EQ(call(idTag, { Variant::missing(), I(2) }, InvokeKind::PropertyPut).substr(0, 9), "error 450");
}

} // namespace
