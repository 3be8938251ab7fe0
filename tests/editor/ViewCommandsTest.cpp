#include "ViewTestSupport.h"

#include "app/CommandIds.h"
#include "platform/Clipboard.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>

#include <string>

namespace {

using namespace CommandId;

const QString scenario = QStringLiteral("Scenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n");
const QString twoScenarios = QStringLiteral("Feature: f\r\n\r\nScenario: a\r\n  Given x\r\n");

struct InsertCase {
    const char* name;
    QString text;
    int caretLine;
    int command;
    QString expectedText;
    int expectedSelectionStart;
    QString expectedSelection = QStringLiteral("[Title]");
};

class ViewInsert : public ViewTest, public ::testing::WithParamInterface<InsertCase> { };

// The whole-text offsets of the rules land on the right control positions.
TEST_P(ViewInsert, PutsTheFragmentWhereItBelongsAndSelectsAsTold)
{
    const InsertCase& c = GetParam();
    Show(c.text);
    PutCaret(c.caretLine, 0);
    view.OnInsert(c.command);
    EXPECT_EQ(view.WholeText().toStdString(), c.expectedText.toStdString());
    EXPECT_EQ(Selected(), c.expectedSelection);
    EXPECT_EQ(view.textCursor().selectionStart(), c.expectedSelectionStart);
}

INSTANTIATE_TEST_SUITE_P(Rules, ViewInsert,
    ::testing::Values(InsertCase { "CaretAboveTheFirstHeading", twoScenarios, 0, ID_INSERT_SCENARIO,
                          "Feature: f\r\n\r\n" + scenario + "Scenario: a\r\n  Given x\r\n", 22 },
        InsertCase { "CaretBelowTheLastHeadingAppends", twoScenarios, 3, ID_INSERT_SCENARIO,
            twoScenarios + scenario, 44 },
        InsertCase { "HeadingOnLineZeroIsPassedOver", "Scenario: a\r\n  Given x\r\nScenario: b", 0,
            ID_INSERT_SCENARIO, "Scenario: a\r\n  Given x\r\n" + scenario + "Scenario: b", 32 },
        InsertCase { "LastLineWithoutBreakGetsTheFragmentOnIt", "Feature: f\r\nGiven x", 1, ID_INSERT_RULE,
            "Feature: f\r\nGiven xRule: [Title]\r\n\r\n\r\n", 24 },
        InsertCase { "OneLineDocumentLandsBeforeItsLastCharacter", "Feature: x", 0, ID_INSERT_RULE,
            "Feature: Rule: [Title]\r\n\r\n\r\nx", 15 },
        InsertCase { "BackgroundIgnoresTheCaretAndLeavesNoSelection",
            "Feature: f\r\nScenario: a\r\n  Given x\r\nScenario: b\r\n", 3, ID_INSERT_BACKGROUND,
            "Feature: f\r\nBackground: \r\nGiven\r\n\r\n\r\nScenario: a\r\n  Given x\r\nScenario: b\r\n", 11,
            "" },
        InsertCase { "IncludeFileSelectsItsName", "Feature: f\r\nScenario: a\r\n", 1, ID_INSERT_INCLUDE_FILE,
            "Feature: f\r\n#include \"[Title].csv\" \r\n\r\n\r\nScenario: a\r\n", 21 }),
    [](const auto& info) { return std::string(info.param.name); });

using ViewCommands = ViewTest;

// Each command is one undoable edit that leaves its text on the clipboard.
TEST_F(ViewCommands, InsertFormatAndUnformatAreEachOneUndoableEdit)
{
    const QString text = Crlf({ "Feature: f", "Scenario: s", "Given a", "| x |", "" });
    Show(text);
    view.OnInsert(ID_INSERT_SCENARIO_OUTLINE);
    EXPECT_TRUE(GetClipboardText().startsWith(QStringLiteral("Scenario Outline: [Title]\r\nGiven\r\n")));
    EXPECT_EQ(view.LineTypeAt(view.CaretLine()), SCENARIO_OUTLINE_LINE) << "the inserted lines are analysed";
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

    view.OnInsert(ID_INSERT_SCENARIO);
    EXPECT_EQ(view.WholeText().split(QStringLiteral("\r\n")).indexOf("Scenario: [Title]"), 1998);
    for (int line : { 1998, 1999, 2004 })
        EXPECT_EQ(PaintAt(view, line, 2).colour, black) << "line " << line << ", pushed by a command";
    EXPECT_EQ(PaintAt(view, 1997, 2).colour, step);
}

TEST_F(ViewCommands, OpeningATextAppliesItsLanguageLineWithoutChangingIt)
{
    const struct {
        QString text;
        std::u16string language;
        size_t messages;
    } cases[] = { { "# language: fr\r\nFonctionnalité: x", u"fr", 0 }, { "# language: xx\r\nx", u"es", 1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        ASSERT_TRUE(SetLanguage(u"es"));
        MessageBoxRecorder boxes;
        Show(c.text);
        EXPECT_EQ(currentLanguageCode, c.language);
        ASSERT_EQ(boxes.shown.size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(
                boxes.shown[0], std::pair(MessageBoxKind::Ok, QStringLiteral("Cannot set language to xx")));
        }
        EXPECT_FALSE(view.IsTextModified());
        EXPECT_EQ(view.WholeText(), c.text);
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
    view.control().SetSel(0, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, view.viewport()->mapToGlobal(point));
    QApplication::sendEvent(view.viewport(), &click);
    EXPECT_EQ(requests, std::vector { view.viewport()->mapToGlobal(point) });
    EXPECT_EQ(Selected(), QString());
    EXPECT_NEAR(view.textCursor().position(), target, 1);

    view.control().SetSel(0, 5);
    QContextMenuEvent key(
        QContextMenuEvent::Keyboard, QPoint(1, 1), view.viewport()->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(view.viewport(), &key);
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(Selected(), QStringLiteral("Featu"));
}

} // namespace
