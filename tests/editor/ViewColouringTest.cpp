#include "ViewTestSupport.h"

#include <QApplication>
#include <QTest>

#include <tuple>

namespace {

using ViewColouring = ViewTest;

// The characters that tell each colouring rule apart: the keyword against the
// name behind it, the leading blanks, the end of a whole-line span.
TEST_F(ViewColouring, PaintsEachLineByItsRole)
{
    const QStringList sample = { "# language: en", "@smoke @fast", "Feature: Orders", "  Some description",
        "  Scenario: Pay", "    Given a card", "    | a | b |", "    \"\"\"", "    free text", "    \"\"\"",
        "  text after steps", "  #include \"x.csv\" ", "    * starred", "  Examples: e" };
    const struct {
        int line, column;
        QColor colour;
        bool italic = false;
    } cases[] = { { 0, 0, comment, true }, { 0, 13, comment, true }, { 1, 0, tag }, { 1, 11, tag },
        { 2, 0, heading }, { 2, 6, heading }, { 2, 7, black }, { 2, 9, black }, { 3, 0, comment, true },
        { 3, 2, comment, true }, { 3, 17, comment, true }, // description from column 0
        { 4, 1, black }, { 4, 2, heading }, { 4, 12, black }, { 5, 3, black }, { 5, 4, step },
        { 5, 10, black }, { 6, 3, black }, { 6, 4, table }, { 6, 12, table }, { 7, 4, docString },
        { 8, 0, docString }, { 8, 12, docString }, { 9, 6, docString }, { 10, 2, black }, { 11, 2, black },
        { 11, 18, black }, { 12, 4, step }, { 12, 6, black }, { 13, 2, step }, { 13, 12, black } };
    Show(Crlf(sample));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << sample[c.line].toStdString() << " column " << c.column);
        const Paint paint = PaintAt(view, c.line, c.column);
        EXPECT_EQ(paint.colour, c.colour);
        EXPECT_EQ(paint.italic, c.italic);
    }
}

TEST_F(ViewColouring, EveryKeystrokeRecoloursAtOnceWhatItChanged)
{
    Show(Crlf({ "Feature: f", "Scenario: s Given a", "  | x |", "  # c" }));
    PutCaret(1, 12);
    QTest::keyClick(&view, Qt::Key_Return, Qt::ShiftModifier); // a line break like Enter
    EXPECT_EQ(view.WholeText(), Crlf({ "Feature: f", "Scenario: s ", "Given a", "  | x |", "  # c" }));
    EXPECT_EQ(PaintAt(view, 1, 0).colour, heading);
    EXPECT_EQ(PaintAt(view, 2, 0).colour, step);
    EXPECT_EQ(PaintAt(view, 3, 2).colour, table);
    EXPECT_EQ(PaintAt(view, 4, 2).colour, comment);

    QTest::keyClick(&view, Qt::Key_NumberSign);
    EXPECT_EQ(PaintAt(view, 2, 0).colour, comment);
    EXPECT_TRUE(PaintAt(view, 2, 4).italic);
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(PaintAt(view, 2, 0).colour, step);
    EXPECT_EQ(PaintAt(view, 2, 6).colour, black);

    QTest::keyClick(&view, Qt::Key_Backspace);
    ASSERT_EQ(view.control().GetLineCount(), 4);
    EXPECT_EQ(PaintAt(view, 2, 2).colour, table);
    EXPECT_EQ(PaintAt(view, 3, 2).colour, comment);
}

TEST_F(ViewColouring, OpeningADocStringRecoloursTheLinesBelowPastAStepInside)
{
    Show(Crlf(
        { "Feature: f", "Scenario: s", "  Given a", "  ", "  text", "  When inside", "  more", "  \"\"\"" }));
    ASSERT_EQ(PaintAt(view, 6, 2).colour, black);
    PutCaret(3, 2);
    QTest::keyClicks(&view, QStringLiteral("\"\"\""));
    EXPECT_EQ(PaintAt(view, 4, 2).colour, docString);
    EXPECT_EQ(PaintAt(view, 5, 2).colour, step);
    EXPECT_EQ(PaintAt(view, 6, 2).colour, docString);
}

// The lines below follow a keystroke's change of context at once, as far down
// as it reaches, and back again.
TEST_F(ViewColouring, ADescriptionStopsBeingOneWhenAStepIsTypedAboveIt)
{
    Show(Crlf({ "Feature: f", "", "  first line", "  second line", "  third line", "Scenario: s" }));
    for (int line = 2; line <= 4; ++line)
        ASSERT_EQ(PaintAt(view, line, 2).colour, comment) << "line " << line;
    PutCaret(1, 0);
    QTest::keyClicks(&view, QStringLiteral("Given "));
    ASSERT_EQ(view.analysis().lineType[1], STEP_LINE);
    for (int line = 2; line <= 4; ++line) {
        EXPECT_EQ(PaintAt(view, line, 2).colour, black) << "line " << line;
        EXPECT_FALSE(PaintAt(view, line, 2).italic) << "line " << line;
    }
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(&view, Qt::Key_Backspace);
    for (int line = 2; line <= 4; ++line)
        EXPECT_EQ(PaintAt(view, line, 2).colour, comment) << "line " << line << ", a description again";
}

TEST_F(ViewColouring, KeepsCaretSelectionScrollUndoAndModifiedState)
{
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << (i % 3 == 0 ? "Scenario: s" : "  Given x");
    Show(Crlf(lines));
    view.resize(400, 200);
    view.show();
    QApplication::processEvents();
    QTest::keyClicks(&view, QStringLiteral("ab"));
    view.control().SetSel(view.control().LineIndex(150) + 3, view.control().LineIndex(152) + 1);
    view.control().LineScroll(120 - view.control().GetFirstVisibleLine());
    ASSERT_EQ(view.control().GetFirstVisibleLine(), 120);
    const auto state = [this] {
        int start = 0;
        int end = 0;
        view.control().GetSel(start, end);
        return std::tuple(start, end, view.control().GetFirstVisibleLine(),
            view.document()->availableUndoSteps(), view.IsTextModified(), view.WholeText());
    };
    const auto before = state();

    view.RefreshAllLines();
    view.ColorLines(0, 300);
    view.ApplySettings(16);
    EXPECT_EQ(view.font().pointSize(), 16);
    EXPECT_EQ(state(), before);
    view.undo();
    EXPECT_FALSE(view.WholeText().contains(QStringLiteral("ab")))
        << "Undo took back the typing, not a colouring";
}

} // namespace
