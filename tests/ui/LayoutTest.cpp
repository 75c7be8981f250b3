// The flow layout and the Dialog object, driven by scripts in-process.
#include "HostFixture.h"

#include <QApplication>
#include <QScrollBar>

namespace vorna::test {
namespace {

using platform::ControlKind;

TEST_F(HostTest, WorkedExampleToThePixel)
{
    start("BeginBlock\nAddLabel \"L1\"\nAddLabel \"L2\"\nEndBlock\n"
          "BeginBlock\nAddText \"T1\"\nAddText \"T2\"\nEndBlock\n"
          "NewLine\nAddButton \"B\"\n");
    ASSERT_TRUE(desktop.messages.empty()) << std::string(lastMessage().begin(), lastMessage().end());
    EXPECT_EQ(rect(ControlKind::Label, 1), (Rect { 5, 5, 100, 17 }));
    EXPECT_EQ(rect(ControlKind::Label, 2), (Rect { 5, 27, 100, 17 }));
    EXPECT_EQ(rect(ControlKind::TextBox, 1), (Rect { 110, 5, 120, 22 }));
    EXPECT_EQ(rect(ControlKind::TextBox, 2), (Rect { 110, 32, 120, 22 }));
    EXPECT_EQ(rect(ControlKind::Button, 1), (Rect { 5, 59, 80, 22 }));
    EXPECT_EQ(form().CurrentLeft, 90);
    EXPECT_EQ(form().CurrentTop, 59);
    EXPECT_EQ(form().window().width(), 235 * 15);
    EXPECT_EQ(form().window().height(), 86 * 15);
    EXPECT_TRUE(form().window().isVisible());
}

TEST_F(HostTest, FreshWindowIsAnEmptyStripAndOnlyGrows)
{
    start("");
    EXPECT_EQ(form().window().width(), 2000);
    EXPECT_EQ(form().window().scaleHeight(), 0);
    EXPECT_EQ(form().CurrentLeft, 5);
    EXPECT_EQ(form().CurrentTop, 5);
    entry.reset();
    start("AddLabel \"tall\", \"\", 10, 100\nAddLabel \"short\", \"\", 10, 10\nAddLabel \"zero\", \"\", 0, 0\n");
    EXPECT_EQ(form().window().width(), 2000); // 45 pixels need less than the 2000 twips
    EXPECT_EQ(form().window().height(), 110 * 15);
    EXPECT_EQ(rect(ControlKind::Label, 3), (Rect { 35, 5, 0, 0 }));
    EXPECT_EQ(form().CurrentLeft, 40); // a zero width still moves by the gap
}

TEST_F(HostTest, NewLineOrEndBlockBeforeAnyControl)
{
    start("NewLine\nAddLabel \"a\"\n"); // starts at the top
    EXPECT_EQ(rect(ControlKind::Label, 1), (Rect { 5, 0, 100, 17 }));
    entry.reset();
    start("EndBlock\nAddLabel \"a\"\n"); // goes to the block fields, still 0
    EXPECT_EQ(rect(ControlKind::Label, 1), (Rect { 0, 0, 100, 17 }));
}

TEST_F(HostTest, BlockAfterNewLineCountsOnlyItsOwnControls)
{
    start("AddLabel \"a\", \"\", 200, 40\nNewLine\nBeginBlock\nAddLabel \"b\", \"\", 30\n"
          "AddLabel \"c\", \"\", 60\nAddLabel \"narrow\", \"\", 10\nEndBlock\nAddLabel \"d\"\n");
    EXPECT_EQ(rect(ControlKind::Label, 2), (Rect { 5, 50, 30, 17 }));
    EXPECT_EQ(rect(ControlKind::Label, 3), (Rect { 5, 72, 60, 17 }));
    EXPECT_EQ(rect(ControlKind::Label, 5), (Rect { 70, 50, 100, 17 }));
    EXPECT_EQ(form().window().height(), 116 * 15.0f);
}

TEST_F(HostTest, SixteenBitOverflowEndsTheMemberAfterItsEarlierSteps)
{
    start("AddLabel \"a\", \"\", 32000\nAddLabel \"b\", \"\", 1000\n");
    ASSERT_EQ(desktop.ended, platform::ExitStatus::ScriptError);
    EXPECT_NE(lastMessage().find(u" 6 at line 2\r\n\r\nOverflow"), std::u16string::npos);
    // b was placed, filed and registered; only the cursor sum failed.
    EXPECT_EQ(rect(ControlKind::Label, 2), (Rect { 32010, 5, 1000, 17 }));
    EXPECT_EQ(form().CurrentLeft, 32010);
}

TEST_F(HostTest, SizeOutOfRangeFailsBeforeTheMemberRuns)
{
    start("AddLabel \"a\", \"\", 40000\n");
    ASSERT_EQ(desktop.ended, platform::ExitStatus::ScriptError);
    EXPECT_EQ(form().controls(ControlKind::Label).upperBound(), 0);
}

TEST_F(HostTest, NegativeSizeIsRefusedByTheControl)
{
    start("On Error Resume Next\nAddLabel \"a\", \"x\", -3\nCaption = Err.Number\n");
    EXPECT_EQ(caption(), u"380");
    auto a = element(ControlKind::Label, 1);
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->left(), 75.0f);
    EXPECT_EQ(form().CurrentLeft, 5);
}

TEST_F(HostTest, DuplicateNameLeavesTheControlVisibleAndTheCursorUnmoved)
{
    start("On Error Resume Next\nAddLabel \"Total\", \"first\"\nAddButton \"total\", \"second\"\n"
          "Caption = Err.Number & \" \" & TypeName(Total) & \" \" & Total\n");
    EXPECT_EQ(caption(), u"457 Label first");
    auto button = element(ControlKind::Button, 1);
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(std::u16string(button->tag()->view()), u"total");
    EXPECT_EQ(rect(ControlKind::Button, 1), (Rect { 110, 5, 80, 22 }));
    EXPECT_EQ(std::u16string(static_cast<platform::CaptionControl&>(*button).caption()->view()), u"second");
    EXPECT_EQ(form().CurrentLeft, 110);
}

TEST_F(HostTest, NameTheEngineRefusesIsFiledButNotGlobal)
{
    // "Dialog" is already a global name.
    start("On Error Resume Next\nAddLabel \"dialog\", \"q\"\nn = Err.Number\nOn Error GoTo 0\n"
          "Caption = n & \" \" & Controls(\"DIALOG\").Caption & \" \" & TypeName(Dialog)\n");
    EXPECT_EQ(caption(), u"1041 q Dialog");
    EXPECT_EQ(form().CurrentLeft, 5);
    EXPECT_TRUE(element(ControlKind::Label, 1)->isVisible());
}

TEST_F(HostTest, ControlsByNameAndPosition)
{
    start("AddLabel \"Hello\"\nAddButton \"Go\", \"go!\"\nAddCanvas \"Pic\", 99, 200, 100\nAddText \"Which\", \"pIC\"\n"
          "Caption = Controls(\"hELLO\").Name & \",\" & Controls(2).Caption & \",\" & "
          "TypeName(Controls(1)) & \",\" & TypeName(Hello) & \",\" & Hello & \",\" & Controls(3.4).Name & \",\" & "
          "Controls(Which).Name\n");
    ASSERT_TRUE(desktop.messages.empty()) << std::string(lastMessage().begin(), lastMessage().end());
    EXPECT_EQ(caption(), u"Hello,go!,Label,Label,,Pic,Pic"); // an object key goes by its value
    EXPECT_EQ(rect(ControlKind::PictureBox, 1), (Rect { 195, 5, 200, 100 }));
    EXPECT_EQ(rect(ControlKind::Label, 1), (Rect { 5, 5, 100, 17 }));
}

TEST_F(HostTest, ControlsMissEndsWithAnErrorNamingControls)
{
    start("AddLabel \"Hello\"\nSet x = Controls(\"nope\")\nCaption = \"went on\"\n");
    ASSERT_EQ(desktop.ended, platform::ExitStatus::ScriptError);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(lastMessage().find(u"Controls"), std::u16string::npos);
    EXPECT_EQ(desktop.messages[0].style, 48);
    // (The real desktop ends the process here; the stand-in cannot stop the
    // statements that follow, so only the report is checked.)
    EXPECT_FALSE(form().window().isVisible());
}

TEST_F(HostTest, ReportWrittenBeforeShowingShowsItsEnd)
{
    start("AddReport \"Out\"\nFor i = 1 To 50 : Out.WriteLine \"line \" & i : Next\n");
    auto* box = dynamic_cast<platform::QtReport&>(*element(ControlKind::ReportBox, 1)).widget();
    QApplication::processEvents();
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isEndVisible());
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
}

TEST_F(HostTest, CaptionStartsEmptyAndTheMembersAreGlobalNames)
{
    start("If Dialog.Caption = \"\" Then Dialog.Caption = \"was empty\"\n");
    EXPECT_EQ(caption(), u"was empty");
}

} // namespace
} // namespace vorna::test
