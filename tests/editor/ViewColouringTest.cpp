#include "ViewTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor black(0, 0, 0);
const QColor heading(128, 0, 0);
const QColor step(192, 0, 0);
const QColor tag(128, 128, 0);
const QColor table(64, 64, 64);
const QColor docString(0, 128, 128);
const QColor comment(128, 0, 128);

struct PaintCase {
    int line;
    int column;
    QColor colour;
    bool italic;
};

// Every kind of line, with the characters that tell its colouring rule apart:
// the keyword against the name behind it, the leading blanks, the end of a
// whole-line span.
const QStringList sample = {
    QStringLiteral("# language: en"),                    // 0 comment
    QStringLiteral("@smoke @fast"),                      // 1 tag
    QStringLiteral("Feature: Orders"),                   // 2 heading
    QStringLiteral("  Some description"),                // 3 description
    QStringLiteral("  Scenario: Pay"),                   // 4 heading, indented
    QStringLiteral("    Given a card"),                  // 5 step
    QStringLiteral("    | a | b |"),                     // 6 table
    QStringLiteral("    \"\"\""),                        // 7 doc-string delimiter
    QStringLiteral("    free text"),                     // 8 doc-string line
    QStringLiteral("    \"\"\""),                        // 9 closing delimiter
    QStringLiteral("  text after steps"),                // 10 plain text
    QStringLiteral("  #include \"x.csv\" "),             // 11 include line
    QStringLiteral("    * starred"),                     // 12 step
    QStringLiteral("  Examples: e"),                     // 13 examples
};

class ViewColouring : public ViewTest, public ::testing::WithParamInterface<PaintCase> { };

TEST_P(ViewColouring, PaintsEachLineByItsRole)
{
    Show(Crlf(sample));
    const PaintCase& expected = GetParam();
    const Paint paint = PaintAt(view, expected.line, expected.column);
    EXPECT_EQ(paint.colour, expected.colour) << "line " << expected.line << " column " << expected.column << ": "
                                             << sample[expected.line].toStdString();
    EXPECT_EQ(paint.italic, expected.italic) << "line " << expected.line << " column " << expected.column;
}

INSTANTIATE_TEST_SUITE_P(Sample, ViewColouring,
    ::testing::Values(PaintCase { 0, 0, comment, true }, PaintCase { 0, 13, comment, true },
        PaintCase { 1, 0, tag, false }, PaintCase { 1, 11, tag, false },
        PaintCase { 2, 0, heading, false }, PaintCase { 2, 6, heading, false },
        PaintCase { 2, 7, black, false },   // the colon after the keyword
        PaintCase { 2, 9, black, false },   // the name
        PaintCase { 3, 0, comment, true },  // description text is painted from the line's start
        PaintCase { 3, 2, comment, true }, PaintCase { 3, 17, comment, true },
        PaintCase { 4, 1, black, false }, PaintCase { 4, 2, heading, false }, PaintCase { 4, 12, black, false },
        PaintCase { 5, 3, black, false }, PaintCase { 5, 4, step, false }, PaintCase { 5, 10, black, false },
        PaintCase { 6, 3, black, false }, PaintCase { 6, 4, table, false }, PaintCase { 6, 12, table, false },
        PaintCase { 7, 4, docString, false }, PaintCase { 8, 0, docString, false },
        PaintCase { 8, 12, docString, false }, PaintCase { 9, 6, docString, false },
        PaintCase { 10, 2, black, false }, PaintCase { 11, 2, black, false }, PaintCase { 11, 18, black, false },
        PaintCase { 12, 4, step, false }, PaintCase { 12, 6, black, false },
        PaintCase { 13, 2, step, false }, PaintCase { 13, 12, black, false }));

using ViewLiveColouring = ViewTest;

TEST_F(ViewLiveColouring, TypedCharacterRecoloursItsLineAtOnce)
{
    Show(Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: s"), QStringLiteral("  Given a"),
        QStringLiteral("  b") }));
    ASSERT_EQ(PaintAt(view, 2, 2).colour, step);

    view.control().SetSel(view.control().LineIndex(2) + 2, view.control().LineIndex(2) + 2);
    QTest::keyClick(&view, Qt::Key_NumberSign);
    EXPECT_EQ(PaintAt(view, 2, 2).colour, comment) << "the step became a comment with the keystroke";
    EXPECT_TRUE(PaintAt(view, 2, 4).italic);

    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(PaintAt(view, 2, 2).colour, step) << "Backspace restored the step's colour at once";
    EXPECT_EQ(PaintAt(view, 2, 8).colour, black);
}

TEST_F(ViewLiveColouring, TypingAKeywordOnANeighbourLineColoursIt)
{
    Show(Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: s"), QStringLiteral("  Given a"),
        QStringLiteral("  ") }));
    view.control().SetSel(view.control().LineIndex(3) + 2, view.control().LineIndex(3) + 2);
    QTest::keyClicks(&view, QStringLiteral("And b"));
    EXPECT_EQ(PaintAt(view, 3, 2).colour, step);
    EXPECT_EQ(PaintAt(view, 3, 6).colour, black);
    EXPECT_EQ(view.LineTypeAt(3), STEP_LINE);
}

TEST_F(ViewLiveColouring, OpeningADocStringRecoloursTheLinesBelow)
{
    // The step inside the doc string keeps its type and colour, so the lines
    // that change colour are not all next to each other.
    Show(Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: s"), QStringLiteral("  Given a"),
        QStringLiteral("  "), QStringLiteral("  text"), QStringLiteral("  When inside"), QStringLiteral("  more"),
        QStringLiteral("  \"\"\"") }));
    ASSERT_EQ(PaintAt(view, 6, 2).colour, black);
    view.control().SetSel(view.control().LineIndex(3) + 2, view.control().LineIndex(3) + 2);
    QTest::keyClicks(&view, QStringLiteral("\"\"\""));
    EXPECT_EQ(PaintAt(view, 4, 2).colour, docString);
    EXPECT_EQ(PaintAt(view, 5, 2).colour, step);
    EXPECT_EQ(PaintAt(view, 6, 2).colour, docString) << "a line three below the edit, past the step";
}

TEST_F(ViewLiveColouring, EnterSplittingALineRecoloursBothHalvesAndTheLinesThatMoved)
{
    Show(Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: s Given a"), QStringLiteral("  | x |"),
        QStringLiteral("  # c") }));
    const int splitAt = view.control().LineIndex(1) + 12;
    view.control().SetSel(splitAt, splitAt);
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_EQ(view.control().GetLineCount(), 5);
    EXPECT_EQ(PaintAt(view, 1, 0).colour, heading);
    EXPECT_EQ(PaintAt(view, 2, 0).colour, step);
    EXPECT_EQ(PaintAt(view, 3, 2).colour, table);
    EXPECT_EQ(PaintAt(view, 4, 2).colour, comment);

    QTest::keyClick(&view, Qt::Key_Backspace);
    ASSERT_EQ(view.control().GetLineCount(), 4);
    EXPECT_EQ(PaintAt(view, 2, 2).colour, table);
    EXPECT_EQ(PaintAt(view, 3, 2).colour, comment);
}

TEST_F(ViewLiveColouring, LinesFrom1998OnAreNotColouredByTheAnalysis)
{
    QStringList lines;
    for (int i = 0; i < 2100; ++i)
        lines << QStringLiteral("# comment");
    Show(Crlf(lines));
    EXPECT_EQ(view.analysis().analysedLineCount, 1998);
    EXPECT_EQ(PaintAt(view, 1997, 0).colour, comment);
    EXPECT_EQ(PaintAt(view, 1998, 0).colour, black);
    EXPECT_EQ(PaintAt(view, 2099, 0).colour, black);

    // A line pushed over the limit loses the analysis' colours.
    view.control().SetSel(0, 0);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(PaintAt(view, 1998, 0).colour, black);
    EXPECT_EQ(PaintAt(view, 1997, 0).colour, comment);
}

TEST_F(ViewLiveColouring, ColouringKeepsCaretSelectionScrollUndoAndModifiedState)
{
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << (i % 3 == 0 ? QStringLiteral("Scenario: s") : QStringLiteral("  Given x"));
    Show(Crlf(lines));
    view.resize(400, 200);
    view.show();
    QApplication::processEvents();
    QTest::keyClicks(&view, QStringLiteral("ab"));
    view.control().SetSel(view.control().LineIndex(150) + 3, view.control().LineIndex(152) + 1);
    view.control().LineScroll(120 - view.control().GetFirstVisibleLine());

    int start = 0;
    int end = 0;
    view.control().GetSel(start, end);
    const int firstVisible = view.control().GetFirstVisibleLine();
    const int undoSteps = view.document()->availableUndoSteps();
    const bool modified = view.IsTextModified();
    const QString text = view.WholeText();

    view.RefreshAllLines();
    view.ColorLines(0, 300);
    view.ApplySettings(16);

    int startAfter = 0;
    int endAfter = 0;
    view.control().GetSel(startAfter, endAfter);
    EXPECT_EQ(startAfter, start);
    EXPECT_EQ(endAfter, end);
    EXPECT_EQ(view.control().GetFirstVisibleLine(), firstVisible);
    EXPECT_EQ(view.document()->availableUndoSteps(), undoSteps);
    EXPECT_EQ(view.IsTextModified(), modified);
    EXPECT_EQ(view.WholeText(), text);

    view.undo();
    EXPECT_FALSE(view.WholeText().contains(QStringLiteral("ab"))) << "Undo took back the typing, not a colouring";
}

TEST_F(ViewLiveColouring, TypingLeavesTheSameUndoHistoryAsAnUncolouredEditor)
{
    const QString text = Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: s"), QStringLiteral("x") });
    Show(text);
    QPlainTextEdit plain;
    plain.setPlainText(text);
    for (QPlainTextEdit* edit : { static_cast<QPlainTextEdit*>(&view), &plain }) {
        QTextCursor cursor = edit->textCursor();
        cursor.movePosition(QTextCursor::End);
        edit->setTextCursor(cursor);
        QTest::keyClicks(edit, QStringLiteral("Given y"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("# z"));
    }
    EXPECT_EQ(view.document()->availableUndoSteps(), plain.document()->availableUndoSteps());
    while (view.document()->isUndoAvailable())
        view.undo();
    EXPECT_EQ(view.WholeText(), text);
}

TEST_F(ViewLiveColouring, SettingsRepaintWithoutReanalysing)
{
    Show(Crlf({ QStringLiteral("Fonctionnalité: f"), QStringLiteral("# c") }));
    ASSERT_EQ(view.LineTypeAt(0), TEXT_LINE);
    ASSERT_TRUE(SetLanguage(u"fr"));
    view.ApplySettings(20);
    EXPECT_EQ(view.font().pointSize(), 20);
    EXPECT_EQ(view.LineTypeAt(0), TEXT_LINE) << "types found with the previous language stay";
    EXPECT_EQ(PaintAt(view, 0, 0).colour, black);
    EXPECT_EQ(PaintAt(view, 1, 0).colour, comment);

    view.OnRefresh();
    EXPECT_EQ(view.LineTypeAt(0), FEATURE_LINE);
    EXPECT_EQ(PaintAt(view, 0, 0).colour, heading);
}

TEST_F(ViewLiveColouring, ShiftEnterBreaksTheLineLikeEnter)
{
    Show(QStringLiteral("Given a"));
    view.control().SetSel(5, 5);
    QTest::keyClick(&view, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(view.control().GetLineCount(), 2);
    EXPECT_EQ(view.WholeText(), QStringLiteral("Given\r\n a"));
}

}  // namespace
