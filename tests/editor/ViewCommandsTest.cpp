#include "ViewTestSupport.h"

#include "platform/Clipboard.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>

#include <string>

namespace {

using enum InsertTemplate;

const QString scenario = QStringLiteral("Scenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n");
const QString twoScenarios = QStringLiteral("Feature: f\r\n\r\nScenario: a\r\n  Given x\r\n");

struct InsertCase {
    const char* name;
    QString text;
    int caretLine;
    InsertTemplate kind;
    QString expectedText;
    int expectedSelectionStart;
    QString expectedSelection = QStringLiteral("[Title]");
};

void PrintTo(const InsertCase& c, std::ostream* out)
{
    *out << c.name;
}

class ViewInsert : public ViewTest, public ::testing::WithParamInterface<InsertCase> { };

// The whole-text offsets of the rules land on the right control positions.
TEST_P(ViewInsert, PutsTheFragmentWhereItBelongsAndSelectsAsTold)
{
    const InsertCase& c = GetParam();
    Show(c.text);
    PutCaret(c.caretLine, 0);
    view.OnInsert(c.kind);
    EXPECT_EQ(view.WholeText().toStdString(), c.expectedText.toStdString());
    EXPECT_EQ(Selected(), c.expectedSelection);
    EXPECT_EQ(view.textCursor().selectionStart(), c.expectedSelectionStart);
}

INSTANTIATE_TEST_SUITE_P(Rules, ViewInsert,
    ::testing::Values(InsertCase { "InFrontOfTheNextHeading", twoScenarios, 0, Scenario,
                          "Feature: f\r\n\r\n" + scenario + "Scenario: a\r\n  Given x\r\n", 22 },
        InsertCase { "BackgroundIgnoresTheCaretAndLeavesNoSelection",
            "Feature: f\r\nScenario: a\r\n  Given x\r\nScenario: b\r\n", 3, Background,
            "Feature: f\r\nBackground: \r\nGiven\r\n\r\n\r\nScenario: a\r\n  Given x\r\nScenario: b\r\n", 11,
            "" },
        InsertCase { "AfterALastLineWithoutBreak", "Feature: f\r\n  Given x", 1, Scenario,
            "Feature: f\r\n  Given x\r\n" + scenario, 31 },
        InsertCase { "AfterTheOnlyLine", "Feature: on", 0, Scenario, "Feature: on\r\n" + scenario, 22 }),
    [](const auto& info) { return std::string(info.param.name); });

using ViewCommands = ViewTest;

// Each command is one undoable edit that leaves its text on the clipboard.
TEST_F(ViewCommands, InsertFormatAndUnformatAreEachOneUndoableEdit)
{
    const QString text = Crlf({ "Feature: f", "Scenario: s", "Given a", "| x |", "" });
    Show(text);
    view.OnInsert(ScenarioOutline);
    EXPECT_TRUE(GetClipboardText().startsWith(QStringLiteral("Scenario Outline: [Title]\r\nGiven\r\n")));
    EXPECT_EQ(view.analysis().TypeOf(view.CaretLine()), SCENARIO_OUTLINE_LINE)
        << "the inserted lines are analysed";
    const QString inserted = view.WholeText();

    const int given = inserted.split(QStringLiteral("\r\n")).indexOf("Given a");
    view.control().SetSel(view.control().LineIndex(given) + 3, view.control().LineIndex(given + 1) + 2);
    view.OnFormat();
    const QString formatted = view.WholeText();
    ASSERT_NE(formatted, inserted);
    EXPECT_EQ(GetClipboardText(), formatted);
    EXPECT_EQ(Selected(), QString());
    EXPECT_EQ(view.textCursor().position(), view.control().LineIndex(given))
        << "the caret at its line's start";
    EXPECT_EQ(PaintAt(view, given, 2).colour, step) << "the re-indented step keeps its colour";

    view.OnUnformat();
    ASSERT_NE(view.WholeText(), formatted);
    for (const QString& before : { formatted, inserted, text }) {
        view.undo();
        EXPECT_EQ(view.WholeText(), before);
    }
    EXPECT_FALSE(view.IsTextModified());
    EXPECT_FALSE(view.document()->isUndoAvailable());
    view.redo();
    EXPECT_EQ(view.WholeText(), inserted);
}

// A doc string whose delimiters were edited away is text at once, for the
// colours and for the next command alike.
TEST_F(ViewCommands, UnformatReadsTheLinesAsTheyAreNowAfterTheDelimitersWentAway)
{
    const QStringList text = { "Given g", "    \"\"\"", "      a", "        b", "      c", "    \"\"\"" };
    Show(Crlf(text));
    view.OnFormat();
    QStringList formatted = text;
    formatted[0] = "  Given g";
    ASSERT_EQ(view.WholeText(), Crlf(formatted << ""));
    for (const int line : { 1, 5 }) {
        PutCaret(line, 4);
        QTest::keyClick(&view, Qt::Key_X); // the delimiter becomes text; its neighbours are read again
    }
    EXPECT_EQ(view.analysis().lineType[3], TEXT_LINE);
    EXPECT_EQ(PaintAt(view, 3, 8).colour, black);
    view.OnUnformat();
    EXPECT_EQ(view.WholeText().split(QStringLiteral("\r\n")).mid(1, 5),
        (QStringList { "x\"\"\"", "a", "b", "c", "x\"\"\"" }));
}

// Format and Unformat keep the view where the user had it, the caret at the
// start of its line: at the top, in the middle, on the last page.
TEST_F(ViewCommands, FormatAndUnformatKeepTheFirstVisibleLine)
{
    QStringList lines = { "Feature: f" };
    for (int i = 1; i < 300; ++i)
        lines << (i % 3 == 1 ? "Scenario: s" : "Given x");
    Show(Crlf(lines));
    view.resize(400, 200);
    view.show();
    QApplication::processEvents();
    const int lastTop = view.control().GetLineCount();
    for (const auto& [caretLine, firstVisible] : { std::pair { 1, 0 }, { 130, 120 }, { 295, lastTop } }) {
        for (const bool format : { true, false }) {
            SCOPED_TRACE(testing::Message() << (format ? "Format" : "Unformat") << " on line " << caretLine);
            PutCaret(caretLine, 3);
            view.control().LineScroll(firstVisible - view.control().GetFirstVisibleLine());
            const int top = view.control().GetFirstVisibleLine();
            ASSERT_EQ(top > 0, firstVisible > 0) << "the view is scrolled as asked";
            format ? view.OnFormat() : view.OnUnformat();
            EXPECT_EQ(view.control().GetFirstVisibleLine(), top);
            EXPECT_EQ(view.textCursor().position(), view.control().LineIndex(caretLine));
            EXPECT_FALSE(view.textCursor().hasSelection());
        }
    }
}

TEST_F(ViewCommands, LinesPushedPastTheAnalysedOnesLoseTheirColours)
{
    QStringList lines;
    for (int i = 0; i < 2100; ++i)
        lines << "  Given x";
    Show(Crlf(lines));
    EXPECT_EQ(view.analysis().analysedLineCount, 1998);
    EXPECT_EQ(PaintAt(view, 1997, 2).colour, step);
    EXPECT_EQ(PaintAt(view, 1998, 2).colour, black);

    PutCaret(0, 0);
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(PaintAt(view, 1998, 2).colour, black) << "pushed by a keystroke";
    EXPECT_EQ(PaintAt(view, 1997, 2).colour, step);

    view.OnInsert(Scenario);
    EXPECT_EQ(view.WholeText().split(QStringLiteral("\r\n")).indexOf("Scenario: [Title]"), 1998);
    for (int line : { 1998, 1999, 2004 })
        EXPECT_EQ(PaintAt(view, line, 2).colour, black) << "line " << line << ", pushed by a command";
    EXPECT_EQ(PaintAt(view, 1997, 2).colour, step);
}

TEST_F(ViewCommands, LoadingATextAppliesItsLanguageLineWithoutChangingIt)
{
    for (const QString text : { "# language: fr\r\nFonctionnalité: x", "# language: xx\r\nx" }) {
        ASSERT_TRUE(SetLanguage(u"es"));
        MessageBoxRecorder boxes;
        Show(text);
        const bool known = text.contains("fr");
        EXPECT_EQ(currentLanguageCode, known ? u"fr" : u"es");
        EXPECT_EQ(boxes.texts, known ? QStringList() : QStringList { "Cannot set language to xx" });
        EXPECT_FALSE(view.IsTextModified());
        EXPECT_EQ(view.WholeText(), text);
    }
}

TEST_F(ViewCommands, RightClickPutsTheCaretOnTheClickedCharacterAndTheMenuKeyDoesNot)
{
    Show(Crlf({ "Feature: f", "Scenario: a", "  Given x" }));
    view.resize(500, 300);
    view.show();
    QApplication::processEvents();
    std::vector<QPoint> requests;
    QObject::connect(
        &view, &CQuillmark2View::contextMenuRequested, [&](QPoint at) { requests.push_back(at); });
    const int target = view.control().LineIndex(2) + 4;
    QTextCursor at(view.document());
    at.setPosition(target);
    const QPoint point = view.cursorRect(at).center() + QPoint(2, 0);
    for (const auto reason : { QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard }) {
        view.control().SetSel(0, 5);
        QContextMenuEvent request(reason, point, view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(view.viewport(), &request);
    }
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], view.viewport()->mapToGlobal(point));
    EXPECT_EQ(Selected(), "Featu") << "the menu key leaves the selection";
    view.control().SetSel(0, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, view.viewport()->mapToGlobal(point));
    QApplication::sendEvent(view.viewport(), &click);
    EXPECT_EQ(Selected(), QString());
    EXPECT_NEAR(view.textCursor().position(), target, 1);
}

} // namespace
