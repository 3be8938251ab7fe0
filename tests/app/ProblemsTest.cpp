// The problems marked in the text as the window offers them: F8 and
// Shift+F8, the count in the status bar, the Problems list.
#include "app/ProblemCountPane.h"
#include "app/ProblemsDock.h"
#include "support/ShellFixture.h"

#include <QMouseEvent>
#include <QTreeWidget>

namespace {

class ProblemsTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        StartApp();
    }

    // A file with two errors and a warning, opened and checked.
    void OpenWrongFile()
    {
        OpenFile("wrong.feature",
            "Feature: f\r\n"
            "  Scenario Outline: s\r\n"
            "    Given <n> and <m>\r\n"
            "      | a | b |\r\n"
            "      | c |\r\n"
            "  nonsense\r\n"
            "  Examples:\r\n"
            "    | n |\r\n"
            "    | 1 |\r\n");
        View().problems().CheckNow();
    }
    // The caret's line and column, from 0.
    std::pair<int, int> Caret() const
    {
        const QTextCursor caret = View().textCursor();
        return { caret.blockNumber(), caret.positionInBlock() };
    }
    ProblemCountPane& Pane() const { return *Frame().findChild<ProblemCountPane*>(); }
    ProblemsDock& Dock() const { return *Frame().findChild<ProblemsDock*>(); }
    QStringList Listed() const
    {
        QStringList rows;
        const QTreeWidget& list = Dock().List();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QTreeWidgetItem& item = *list.topLevelItem(row);
            rows << item.text(0) + " " + item.text(1) + " " + item.text(2);
        }
        return rows;
    }
};

TEST_F(ProblemsTest, F8AndShiftF8GoFromOneProblemToTheNext)
{
    OpenWrongFile();
    // The keys reach the window's commands once it is the active one.
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    View().setFocus();
    PutCaretOnLine(0);
    const std::pair<std::pair<int, int>, QString> forward[] = {
        { { 2, 18 }, "Warning: placeholder <m> has no column in the Examples at line 7" },
        { { 4, 6 }, "Error: inconsistent cell count within the table" },
        { { 5, 2 },
            "Error: expected: #EOF, #TableRow, #DocStringSeparator, #StepLine, #TagLine, #ExamplesLine, "
            "#ScenarioLine, #RuleLine, #Comment, #Empty, got 'nonsense'" },
        { { 2, 18 }, "Warning: placeholder <m> has no column in the Examples at line 7" },
    };
    for (const auto& [caret, status] : forward) {
        QTest::keyClick(&View(), Qt::Key_F8);
        EXPECT_EQ(Caret(), caret);
        EXPECT_EQ(Status(), status);
    }
    QTest::keyClick(&View(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Caret(), std::pair(5, 2)) << "back past the first to the last";
    ASSERT_TRUE(Execute(ID_EDIT_PREVIOUS_PROBLEM));
    EXPECT_EQ(Caret(), std::pair(4, 6));

    // Mended, nothing is left to go to.
    QTextCursor line(View().document()->findBlockByNumber(5));
    line.select(QTextCursor::BlockUnderCursor);
    line.removeSelectedText();
    QTextCursor row(View().document()->findBlockByNumber(4));
    row.movePosition(QTextCursor::EndOfBlock);
    row.insertText(" d |");
    QTextCursor step(View().document()->findBlockByNumber(2));
    step.movePosition(QTextCursor::EndOfBlock);
    step.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 8);
    step.removeSelectedText();
    QCoreApplication::processEvents();
    EXPECT_TRUE(View().problems().Marks().empty());
    EXPECT_FALSE(Enabled(ID_EDIT_NEXT_PROBLEM));
}

TEST_F(ProblemsTest, TheStatusBarCountsThemAndAClickGoesToTheFirst)
{
    EXPECT_TRUE(Pane().isHidden()) << "nothing when there are none";
    OpenWrongFile();
    Frame().show();
    EXPECT_EQ(Pane().text(), "2 errors, 1 warning");
    EXPECT_FALSE(Pane().isHidden());
    PutCaretOnLine(8);
    QTest::mouseClick(&Pane(), Qt::LeftButton);
    EXPECT_EQ(Caret(), std::pair(2, 18));
}

TEST_F(ProblemsTest, TheProblemsListShowsEachAndGoesToTheOneActivated)
{
    EXPECT_TRUE(Dock().isHidden());
    ASSERT_TRUE(Execute(ID_VIEW_PROBLEMS));
    EXPECT_FALSE(Dock().isHidden());
    EXPECT_TRUE(Frame().Commands().Action(ID_VIEW_PROBLEMS)->isChecked());
    OpenWrongFile();
    EXPECT_EQ(Listed(),
        (QStringList { "3 warning placeholder <m> has no column in the Examples at line 7",
            "5 error inconsistent cell count within the table",
            "6 error expected: #EOF, #TableRow, #DocStringSeparator, #StepLine, #TagLine, #ExamplesLine, "
            "#ScenarioLine, #RuleLine, #Comment, #Empty, got 'nonsense'" }));
    QTreeWidget& list = Dock().List();
    emit list.itemActivated(list.topLevelItem(1), 0);
    EXPECT_EQ(Caret(), std::pair(4, 6));
    EXPECT_EQ(Status(), "Error: inconsistent cell count within the table");

    // The list's place stays across a restart, as the window's other bars do.
    m_app->ExitInstance();
    StartApp();
    EXPECT_FALSE(Dock().isHidden());
    ASSERT_TRUE(Execute(ID_VIEW_PROBLEMS));
    m_app->ExitInstance();
    StartApp();
    EXPECT_TRUE(Dock().isHidden());
}

TEST_F(ProblemsTest, ASaveWritesTheTextAndNothingOfTheMarks)
{
    OpenWrongFile();
    const QByteArray bytes = ReadBytes(FilePath("wrong.feature"));
    TypeAtEnd("  more nonsense\r\n");
    View().problems().CheckNow();
    EXPECT_EQ(View().problems().ErrorCount(), 3);
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(ReadBytes(FilePath("wrong.feature")), bytes + "  more nonsense\r\n");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(View().problems().ErrorCount(), 3) << "the text is still wrong";
}

} // namespace
