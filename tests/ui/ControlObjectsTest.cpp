// Label, Button, Text and Report through their dispatch interfaces, on real
// (offscreen) controls.
#include "QtWidgets.h"
#include "UiTest.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

namespace vorna::test {
namespace {

using platform::ControlKind;

class ControlObjects : public DesktopTest {
protected:
    template <class T>
    vbs::Ref<T> make(ControlKind kind, std::u16string_view name)
    {
        auto element = window->controls(kind).load(window->controls(kind).upperBound() + 1).value();
        EXPECT_TRUE(element->setTag(Str(name)).ok());
        EXPECT_TRUE(element->setWidth(140 * 15).ok());
        EXPECT_TRUE(element->setHeight(80 * 15).ok());
        auto object = vbs::Ref<T>(static_cast<T*>(controls::createControlObject(kind, desktop).detach()));
        EXPECT_TRUE(object->attach(element).ok());
        last = element;
        return object;
    }
    std::unique_ptr<platform::Window> window = desktop.createWindow();
    std::shared_ptr<platform::Control> last;
};

TEST_F(ControlObjects, NameComesFromTheTagAndCannotBeSet)
{
    auto label = make<controls::Label>(ControlKind::Label, u"Greeting");
    EXPECT_EQ(text(call(*label, u"name")), u"Greeting");
    EXPECT_FALSE(put(*label, u"Name", v(u"Other")));
    EXPECT_EQ(text(call(*label, u"Name")), u"Greeting");
}

TEST_F(ControlObjects, CaptionAndTextPassThroughUnchanged)
{
    auto label = make<controls::Label>(ControlKind::Label, u"L");
    ASSERT_TRUE(put(*label, u"Caption", v(u"  two\r\nlines ")));
    EXPECT_EQ(text(call(*label, u"Caption")), u"  two\r\nlines ");
    // The default member is Caption, both ways.
    ASSERT_TRUE(label->invoke(vbs::DispIdValue, vbs::InvokeKind::PropertyPut, vbs::Args(std::vector { v(u"") }.data(), 1)));
    EXPECT_EQ(text(vbs::readDefaultMember(label.get())), u"");

    auto button = make<controls::Button>(ControlKind::Button, u"B");
    ASSERT_TRUE(put(*button, u"Caption", v(42)));
    EXPECT_EQ(text(call(*button, u"Caption")), u"42");
    EXPECT_EQ(errorOf(vbs::readDefaultMember(button.get())), 438);

    auto box = make<controls::Text>(ControlKind::TextBox, u"T");
    ASSERT_TRUE(put(*box, u"Text", v(u"abc")));
    EXPECT_EQ(text(vbs::readDefaultMember(box.get())), u"abc");
    // What the user typed is what a read returns.
    auto* edit = dynamic_cast<platform::QtTextBox&>(*last).widget();
    edit->setText(QStringLiteral("typed"));
    EXPECT_EQ(text(call(*box, u"Text")), u"typed");
    EXPECT_EQ(last->left(), 0.0f); // writes touch no other property
}

TEST_F(ControlObjects, AttachRefusesAControlOfAnotherKind)
{
    auto label = vbs::makeRef<controls::Label>();
    auto button = window->controls(ControlKind::Button).load(1).value();
    EXPECT_EQ(label->attach(button).error().number, 13);
    EXPECT_EQ(errorOf(call(*label, u"Caption")), 91);
}

class ReportBox : public ControlObjects {
protected:
    ReportBox()
    {
        report = make<controls::Report>(ControlKind::ReportBox, u"Log");
        edit = dynamic_cast<platform::QtReport&>(*last).widget();
    }
    std::u16string content() { return std::u16string(static_cast<platform::ReportControl&>(*last).text()->view()); }
    bool caretAtEnd() { return edit->caret() == edit->end(); }
    // The text after the member has run, or "refused".
    std::u16string after(std::u16string_view member, std::vector<Variant> args = {})
    {
        return call(*report, member, std::move(args)) ? content() : u"refused";
    }
    vbs::Ref<controls::Report> report;
    platform::LogView* edit = nullptr;
};

TEST_F(ReportBox, WriteLineAddsABreakAfterTheText)
{
    EXPECT_EQ(after(u"WriteLine", { v(u"abc") }), u"abc\r\n");
    EXPECT_TRUE(caretAtEnd());
    EXPECT_EQ(edit->caret().line, 1); // the start of the empty last line
    EXPECT_EQ(edit->caret().column, 0);
    EXPECT_FALSE(edit->hasSelection());
    // The default member is WriteLine.
    std::vector<Variant> args { v(u"via default") };
    ASSERT_TRUE(report->invoke(vbs::DispIdValue, vbs::InvokeKind::Method, vbs::Args(args)));
    EXPECT_EQ(content(), u"abc\r\nvia default\r\n");
}

TEST_F(ReportBox, NewLineFalseContinuesTheLine)
{
    ASSERT_TRUE(call(*report, u"WriteLine", { v(u"abc"), v(false) }));
    EXPECT_EQ(after(u"Out", { v(u"def") }), u"abcdef\r\n");
    EXPECT_EQ(after(u"Out", { v(u""), v(0) }), u"abcdef\r\n");
    EXPECT_EQ(after(u"WriteLine", { v(u"") }), u"abcdef\r\n\r\n");
    // Any non-zero NewLine is True.
    EXPECT_EQ(after(u"Out", { v(u"x"), v(7) }), u"abcdef\r\n\r\nx\r\n");
}

TEST_F(ReportBox, EveryKindOfLineBreakBreaksOneLine)
{
    ASSERT_TRUE(call(*report, u"Out", { v(u"a\r\nb\nc\rd"), v(false) }));
    EXPECT_EQ(edit->lineCount(), 4);
    // A CR ending one write and an LF starting the next are one break.
    ASSERT_TRUE(call(*report, u"Out", { v(u"e\r"), v(false) }));
    EXPECT_EQ(after(u"Out", { v(u"\nf"), v(false) }), u"a\r\nb\r\nc\r\nde\r\nf");
}

TEST_F(ReportBox, AWriteScrollsBackAndDropsTheSelection)
{
    ASSERT_TRUE(last->setVisible(true).ok());
    window->show();
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(call(*report, u"WriteLine", { v(i) }));
    QScrollBar* bar = edit->verticalScrollBar();
    EXPECT_TRUE(edit->isEndVisible()); // (brings the view up to date, as the event loop would)
    EXPECT_GT(bar->maximum(), 0);
    bar->setValue(0);
    edit->select({ 3, 0 }, { 10, 1 });
    EXPECT_FALSE(edit->isEndVisible());
    EXPECT_EQ(edit->selectedText(), u"3\n4\n5\n6\n7\n8\n9\n1");
    ASSERT_TRUE(call(*report, u"WriteLine", { v(u"last") }));
    EXPECT_TRUE(edit->isEndVisible());
    EXPECT_FALSE(edit->hasSelection());
    EXPECT_TRUE(caretAtEnd());
    // A long unbroken line scrolls sideways to its end.
    ASSERT_TRUE(call(*report, u"Out", { v(std::u16string(500, u'x').c_str()), v(false) }));
    QApplication::processEvents();
    EXPECT_GT(edit->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(edit->isEndVisible());
    ASSERT_TRUE(call(*report, u"Out", { v(u"") }));
    QApplication::processEvents();
    EXPECT_EQ(edit->horizontalScrollBar()->value(), 0);
}

TEST_F(ReportBox, TheUserCannotTypeButScriptsStillWrite)
{
    ASSERT_TRUE(last->setVisible(true).ok());
    window->show();
    edit->setFocus();
    QTest::keyClicks(edit, "typed");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(content(), u"");
    EXPECT_EQ(after(u"WriteLine", { v(u"ok") }), u"ok\r\n");
    // Keyboard selection and copying work.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), u"ok\n");
    QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit->selectedText(), u"o");
}

TEST_F(ReportBox, ClearThenWriteStartsAtTheTop)
{
    EXPECT_EQ(after(u"Clear"), u"");
    ASSERT_TRUE(call(*report, u"WriteLine", { v(u"one") }));
    ASSERT_TRUE(call(*report, u"Clear"));
    EXPECT_EQ(after(u"WriteLine", { v(u"two") }), u"two\r\n");
    EXPECT_EQ(errorOf(call(*report, u"WriteLine")), 450);
    EXPECT_EQ(errorOf(call(*report, u"WriteLine", { Variant::null() })), 94);
}

} // namespace
} // namespace vorna::test
