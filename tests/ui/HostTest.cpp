// Start-up, the error report, the click route, Quit and the close box, the
// keyboard, and the command-line rules, in-process.
#include "HostFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QKeyEvent>

#include <unistd.h>

namespace vorna::test {
namespace {

using platform::ControlKind;
using platform::ExitStatus;

TEST(CommandLine, ArgumentsAreJoinedAsTheUserWouldHaveTypedThem)
{
    using platform::joinArguments;
    EXPECT_EQ(joinArguments({ Str(u"a.vbs"), Str(u"b.vbs") }), u"a.vbs b.vbs");
    EXPECT_EQ(joinArguments({ Str(u" a.vbs ") }), u"\" a.vbs \"");
    EXPECT_EQ(joinArguments({ Str(u"") }), u"\"\"");
    EXPECT_EQ(joinArguments({ Str(u""), Str(u"x") }), u"\"\" x");
    EXPECT_EQ(joinArguments({}), u"");
}

TEST(CommandLine, TrimmingComesBeforeUnquoting)
{
    using host::cleanScriptPath;
    EXPECT_EQ(cleanScriptPath(Str(u"  \"/my scripts/demo.vbs\"  ")), u"/my scripts/demo.vbs");
    EXPECT_EQ(cleanScriptPath(Str(u"\" a.vbs \"")), u" a.vbs ");
    EXPECT_EQ(cleanScriptPath(Str(u"my\"file.vbs")), u"myfile.vbs");
    EXPECT_EQ(cleanScriptPath(Str(u"\t a \t")), u"\t a \t"); // only blanks are trimmed
    EXPECT_EQ(cleanScriptPath(Str(u"   ")), u"");
    EXPECT_EQ(cleanScriptPath(Str(u"\"\"")), u"");
}

TEST(ErrorPrompt, PiecesInOrderWithNothingBetween)
{
    EXPECT_EQ(host::errorPrompt(Str(u"Src"), -2147221503, 3, Str(u"Oops")),
              u"Src -2147221503 at line 3\r\n\r\nOops");
    EXPECT_EQ(host::errorPrompt(Str(), 5, 0, Str()), u" 5 at line 0\r\n\r\n");
}

TEST_F(HostTest, UsageMessageForAnEmptyCommandLine)
{
    for (auto arguments : { std::vector<Str> {}, std::vector<Str> { Str(u"") } }) {
        desktop.messages.clear();
        startWith(arguments);
        EXPECT_EQ(boxes(), "64 Vorna: Usage: vorna.exe script\n");
        EXPECT_EQ(desktop.ended, ExitStatus::Usage);
        EXPECT_EQ(entry->loadedDialog(), nullptr);
    }
}

TEST_F(HostTest, MissingFileMessageShowsTheCleanedPath)
{
    startWith({ Str(u"a.vbs"), Str(u"b.vbs") });
    EXPECT_EQ(boxes(), "48 Vorna: No such file or directory:\r\n\r\na.vbs b.vbs\n");
    EXPECT_EQ(desktop.ended, ExitStatus::MissingFile);
}

TEST_F(HostTest, DirectoriesAndHiddenFilesCountAsMissing)
{
    write(".hidden.vbs", "Caption = 1\n");
    for (std::string path : { dir.string(), (dir / ".hidden.vbs").string(), (dir / ".hid*").string() }) {
        desktop.messages.clear();
        startWith({ Str::fromUtf8(path) });
        EXPECT_EQ(desktop.ended, ExitStatus::MissingFile) << path;
    }
}

TEST_F(HostTest, BlanksInsideQuotesAndQuotesInsideThePathAreKept)
{
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    write(" a.vbs ", "Caption = \"blanks\"\n");
    write("myfile.vbs", "Caption = \"quote\"\n");
    startWith({ Str(u" a.vbs ") });
    EXPECT_EQ(caption(), u"blanks");
    entry.reset();
    startWith({ Str(u"my\"file.vbs") });
    EXPECT_EQ(caption(), u"quote");
    std::filesystem::current_path(previous);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(HostTest, WildcardPassesTheSearchButCannotBeOpened)
{
    write("match.vbs", "Caption = 1\n");
    startWith({ Str::fromUtf8((dir / "m?tch*.vbs").string()) });
    EXPECT_EQ(desktop.ended, ExitStatus::Fatal);
    EXPECT_EQ(lastMessage(), u"Run-time error '53':\r\n\r\nFile not found");
    EXPECT_EQ(desktop.messages[0].title, u"Vorna");
}

TEST_F(HostTest, EmptyScriptShowsTheEmptyWindowCentred)
{
    desktop.setScreenSize(1985, 15); // differences of -15 and 15 twips
    start("");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(form().window().isVisible());
    EXPECT_EQ(form().window().left(), -7.0f);
    EXPECT_EQ(form().window().top(), 7.0f);
}

TEST_F(HostTest, SyntaxErrorOnLineThreeIsTheOnlyThingShown)
{
    start("x = 1\nAddLabel \"a\"\nIf Then\n");
    std::string shown = boxes();
    EXPECT_EQ(shown.rfind("48 Vorna: VBScript compilation error ", 0), 0u) << shown;
    EXPECT_NE(shown.find(" at line 3\r\n\r\n"), std::string::npos);
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.ended, ExitStatus::ScriptError);
    EXPECT_FALSE(form().window().isVisible());
    EXPECT_EQ(form().controls(ControlKind::Label).upperBound(), 0); // nothing ran
}

TEST_F(HostTest, NegativeErrorNumbersKeepTheirSign)
{
    start("AddLabel \"a\"\nErr.Raise vbObjectError + 1, \"Mine\", \"Custom failure\"\n");
    EXPECT_EQ(lastMessage(), u"Mine -2147221503 at line 2\r\n\r\nCustom failure");
}

TEST_F(HostTest, AClickRunsTheProcedureNamedAfterTheButton)
{
    start("AddButton \"OK\", \"Press\"\nAddButton \"Nothing\"\n"
          "Sub OK_Click\n  Dialog.Caption = \"clicked \" & OK.Name\nEnd Sub\n");
    ASSERT_TRUE(form().window().isVisible());
    buttonWidget(1)->click();
    EXPECT_EQ(caption(), u"clicked OK");
    // No procedure: nothing changes, nothing is reported.
    buttonWidget(2)->click();
    EXPECT_EQ(caption(), u"clicked OK");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(desktop.ended);
}

TEST_F(HostTest, ErrorInAClickProcedureReportsItsLine)
{
    start("AddButton \"Go\"\nSub Go_Click\n  x = 1\n  y = 1 / 0\nEnd Sub\n");
    buttonWidget(1)->click();
    EXPECT_NE(lastMessage().find(u" 11 at line 4\r\n\r\nDivision by zero"), std::u16string::npos);
    EXPECT_EQ(desktop.ended, ExitStatus::ScriptError);
    buttonWidget(1)->click();
    EXPECT_EQ(desktop.messages.size(), 1u); // only the first error is ever shown
}

TEST_F(HostTest, QuitInAClickEndsNormallyOnceTheCallReturns)
{
    start("AddButton \"Q\"\nSub Q_Click\n  Quit\n  AddLabel \"late\"\n  Caption = \"after\"\nEnd Sub\n");
    QWidget* shown = windowWidget();
    buttonWidget(1)->click();
    EXPECT_EQ(desktop.quitStatus, ExitStatus::Normal);
    EXPECT_TRUE(entry->finished());
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(desktop.messages.empty());
    // The late label went to a fresh window that is never shown.
    ASSERT_NE(entry->loadedDialog(), nullptr);
    EXPECT_FALSE(entry->loadedDialog()->window().isVisible());
}

TEST_F(HostTest, QuitAtTopLevelShowsNothing)
{
    start("AddLabel \"a\"\nQuit\nCaption = \"x\"\n");
    EXPECT_TRUE(entry->finished());
    EXPECT_TRUE(desktop.messages.empty());
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible());
}

TEST_F(HostTest, TheWindowIsAFixedDialogWithACloseBoxOnly)
{
    start("AddLabel \"a\"\nAddReport \"r\"\n");
    QWidget* window = windowWidget();
    const Qt::WindowFlags hints
        = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_EQ(window->windowFlags() & hints, Qt::WindowCloseButtonHint); // a close box only
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->size(), QSize(255, 90)); // 5 + 100 + 5 + 140 + 5 wide, 5 + 80 + 5 high
    EXPECT_EQ(window->font().pointSizeF(), 8.25);
    auto* report = dynamic_cast<platform::QtReport&>(*element(ControlKind::ReportBox, 1)).widget();
    QFontMetrics metrics(report->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("WWWW")));
    EXPECT_EQ(report->font().pointSizeF(), 8.25);
}

TEST_F(HostTest, TheCloseBoxEndsLikeQuit)
{
    start("AddButton \"B\"\n");
    QWidget* window = windowWidget();
    EXPECT_FALSE(entry->finished());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(desktop.quitStatus, ExitStatus::Normal);
    EXPECT_TRUE(entry->finished());
    EXPECT_EQ(entry->loadedDialog(), nullptr);
}

// A key pressed and released on a widget, as the focused widget receives it.
void key(QWidget* widget, Qt::Key code)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, code == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST_F(HostTest, KeyboardFollowsCreationOrderAndEnterClicksOnlyButtons)
{
    start("AddButton \"A\"\nAddText \"T\"\nAddButton \"B\"\n"
          "Sub A_Click\n  Caption = Caption & \"A\"\nEnd Sub\n"
          "Sub B_Click\n  Caption = Caption & \"B\"\nEnd Sub\n");
    QWidget* window = windowWidget();
    auto* text = dynamic_cast<platform::QtTextBox&>(*element(ControlKind::TextBox, 1)).widget();
    buttonWidget(1)->setFocus();
    key(buttonWidget(1), Qt::Key_Return);
    key(buttonWidget(1), Qt::Key_Space);
    EXPECT_EQ(caption(), u"AA");
    key(buttonWidget(1), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), text);
    key(text, Qt::Key_Return);
    EXPECT_EQ(caption(), u"AA");
    key(text, Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), buttonWidget(2));
    key(buttonWidget(2), Qt::Key_Enter);
    EXPECT_EQ(caption(), u"AAB");
}

TEST_F(HostTest, ScriptBoxesAndTheTimeoutQuestion)
{
    desktop.answer = 6;
    start("r = MsgBox(\"Hi\" & vbCrLf & \"there\", vbYesNo + vbQuestion)\nCaption = r\n");
    EXPECT_EQ(caption(), u"6");
    desktop.answer = 7;
    EXPECT_FALSE(entry->frmRuntime()->stopOnTimeout());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(boxes().rfind("36 VBScript: Hi\r\nthere\n36 Vorna: ", 0), 0u) << boxes();
}

// vorna serves the file objects and the shell object to CreateObject, and
// Popup is a box of the desktop's.
TEST_F(HostTest, CreateObjectServesTheFileAndShellObjects)
{
    std::string file = (dir / "note.txt").string();
    start("Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
          "Set sh = CreateObject(\"WScript.Shell\")\n"
          "fso.CreateTextFile(\"" + file + "\").WriteLine \"saved\"\n"
          "Caption = fso.OpenTextFile(\"" + file + "\").ReadLine & \" \" & TypeName(sh)\n"
          "r = sh.Popup(\"Hello\", 1, \"Title\", vbOKCancel)\n");
    EXPECT_EQ(caption(), u"saved WshShell");
    EXPECT_EQ(boxes(), "1 Title: Hello\n");
    EXPECT_FALSE(desktop.ended);
}

// Every example starts without an error, and every button but the one that
// closes it works.
TEST_F(HostTest, ExamplesRunAndTheirButtonsWork)
{
    for (const char* name : { "hello", "form", "tour", "log", "drawing", "notes" }) {
        std::string path = std::string(VORNA_SOURCE_DIR) + "/examples/" + name + ".vbs";
        entry.reset();
        desktop.messages.clear();
        startWith({ Str::fromUtf8(path) });
        auto& buttons = form().controls(ControlKind::Button);
        for (int16_t i = 1; i <= buttons.upperBound(); ++i) {
            if (std::u16string(buttons.element(i).value()->tag()->view()) != u"Done")
                buttonWidget(i)->click();
        }
        EXPECT_TRUE(desktop.messages.empty()) << name << ": " << lastMessage().size() << " "
                                              << Str(lastMessage()).toUtf8();
        EXPECT_FALSE(desktop.ended) << name;
    }
}

} // namespace
} // namespace vorna::test
