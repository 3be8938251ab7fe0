// What Cucumber would reject, marked in the view while the user types: the
// marks come and go with the text, and are no part of it.
#include "ViewTestSupport.h"

#include "platform/StringConvert.h"

#include <QHelpEvent>
#include <QTextEdit>
#include <QToolTip>

namespace {

class ProblemMarksTest : public ViewTest {
protected:
    // Lets the change that was made end, so that a short text is checked.
    void Settle() { QApplication::processEvents(); }
    ProblemMarks& Marks() { return view.problems(); }
    const ProblemMarks& Marks() const { return view.problems(); }
    // "line:column error|warning: message" of every mark, lines from 1.
    QStringList Found() const
    {
        QStringList found;
        for (const ProblemMarks::Mark& mark : Marks().Marks())
            found << QStringLiteral("%1:%2 %3: %4")
                         .arg(mark.line + 1)
                         .arg(mark.span.selectionStart() - mark.span.block().position())
                         .arg(mark.problem.kind == GherkinProblem::Kind::Error ? "error" : "warning",
                             toQString(mark.problem.message));
        return found;
    }
    // The underlines drawn: marked text and underline colour.
    QStringList Underlines() const
    {
        QStringList underlines;
        for (const QTextEdit::ExtraSelection& selection : view.extraSelections()) {
            EXPECT_EQ(selection.format.underlineStyle(), QTextCharFormat::WaveUnderline);
            EXPECT_FALSE(selection.format.hasProperty(QTextFormat::ForegroundBrush)) << "the colours stay";
            underlines << selection.cursor.selectedText() + " " + selection.format.underlineColor().name();
        }
        return underlines;
    }
    void TypeAt(int line, int column, const QString& text)
    {
        Select(line, column);
        view.textCursor().insertText(text);
    }

    const QString valid = Crlf({ "Feature: f", "  Scenario: s", "    Given a step", "      | a | b |" });
};

TEST_F(ProblemMarksTest, AppearWhenALineBecomesWrongAndGoWhenItIsMended)
{
    Show(valid);
    Settle();
    EXPECT_EQ(Found(), QStringList());

    TypeAt(3, 15, QStringLiteral("\r\n      | c |"));
    Settle();
    EXPECT_EQ(Found(), QStringList { "5:6 error: inconsistent cell count within the table" });
    EXPECT_EQ(Underlines(), QStringList { "| c | #ff0000" });

    TypeAt(4, 11, QStringLiteral(" d |"));
    Settle();
    EXPECT_EQ(Found(), QStringList());
    EXPECT_EQ(Underlines(), QStringList());
}

TEST_F(ProblemMarksTest, WarningsAreAmberAndTheWholeTextIsChecked)
{
    QStringList lines { "Feature: f" };
    for (int line = 0; line < 3000; ++line)
        lines << "  # filler past the lines the editor analyses";
    lines << "  @slow @slow"
          << "  Scenario: late"
          << "    Given a step";
    Show(Crlf(lines));
    Marks().CheckNow();
    EXPECT_EQ(Found(), QStringList { "3002:8 warning: tag @slow is already on this Scenario" });
    EXPECT_EQ(Underlines(), QStringList { "@slow #ffb000" });
}

TEST_F(ProblemMarksTest, ALongTextIsCheckedWhenTheTypingPauses)
{
    QStringList lines { "Feature: f", "  Scenario: s" };
    for (int line = 0; line < 2000; ++line)
        lines << "    Given step number " + QString::number(line);
    Show(Crlf(lines));
    ASSERT_GT(view.document()->characterCount(), ProblemMarks::PAUSE_LENGTH);
    Marks().CheckNow();
    TypeAt(1000, 4, QStringLiteral("nonsense "));
    Settle();
    EXPECT_EQ(Found(), QStringList()) << "no check at each keystroke";
    // Checked once the pause's timer fires, however late a busy machine lets it.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Found().isEmpty(); }, 10'000));
    EXPECT_EQ(Found(),
        QStringList { "1001:4 error: expected: #EOF, #TableRow, #DocStringSeparator, #StepLine, "
                      "#TagLine, #ExamplesLine, #ScenarioLine, #RuleLine, #Comment, #Empty, got "
                      "'nonsense Given step number 998'" });
}

TEST_F(ProblemMarksTest, AreNoPartOfTheTextItsHistoryOrItsColours)
{
    const QString wrong = Crlf({ "Feature: f", "  Scenario: s", "    Given a step", "  nonsense" });
    Show(wrong);
    const auto colours = [this] { return std::tuple(PaintAt(0, 0), PaintAt(2, 4), PaintAt(3, 2)); };
    const auto before = colours();
    Settle();
    EXPECT_EQ(Found().size(), 1);
    EXPECT_TRUE(Untouched()) << "no undo step, no modified flag";
    EXPECT_EQ(colours(), before);
    Select(3, 2, 3, 10);
    view.copy();
    EXPECT_EQ(GetClipboardText(), "nonsense");

    TypeAt(3, 10, QStringLiteral("!"));
    Settle();
    EXPECT_EQ(Found(),
        QStringList { "4:2 error: expected: #EOF, #TableRow, #DocStringSeparator, #StepLine, "
                      "#TagLine, #ExamplesLine, #ScenarioLine, #RuleLine, #Comment, #Empty, got "
                      "'nonsense!'" });
    view.undo();
    Settle();
    EXPECT_EQ(view.WholeText(), wrong) << "undo takes back the typing, not a mark";
    EXPECT_TRUE(Untouched());
    EXPECT_EQ(Underlines(), QStringList { "nonsense #ff0000" });
}

TEST_F(ProblemMarksTest, TheMessageIsTheTooltipOverTheMark)
{
    Show(Crlf({ "Feature: f", "  @a b", "  Scenario: s" }));
    ShowOnScreen(600, 300);
    Settle();
    ASSERT_EQ(Marks().Marks().size(), 1u);
    const auto tooltipAt = [this](int line, int column) {
        QTextCursor cursor(view.document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column);
        const QPoint point = view.cursorRect(cursor).center() + QPoint(1, 0);
        QHelpEvent help(QEvent::ToolTip, point, view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(view.viewport(), &help);
        return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(1, 3), "A tag may not contain whitespace");
    EXPECT_EQ(tooltipAt(2, 4), "");
}

TEST_F(ProblemMarksTest, TheEndOfTheFileIsMarkedOnTheLastLineThatHasText)
{
    Show(Crlf({ "Feature: f", "  Scenario: s", "    Given a step", "      \"\"\"", "      open", "", "" }));
    Settle();
    EXPECT_EQ(
        Found(), QStringList { "5:6 error: unexpected end of file, expected: #DocStringSeparator, #Other" });
    EXPECT_EQ(Underlines(), QStringList { "open #ff0000" });
}

} // namespace
