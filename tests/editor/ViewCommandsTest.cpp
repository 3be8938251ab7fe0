#include "ViewTestSupport.h"

#include "app/CommandIds.h"
#include "core/language/KeywordDictionary.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"

#include <QApplication>
#include <QContextMenuEvent>

#include <string>

namespace {

using namespace CommandId;

const QString scenarioFragment = QStringLiteral("Scenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n");

struct InsertCase {
    const char* name;
    QString text;
    int caretLine;
    int command;
    QString expectedText;
    QString expectedSelection;
    int expectedSelectionStart;
};

class ViewInsert : public ViewTest, public ::testing::WithParamInterface<InsertCase> { };

TEST_P(ViewInsert, PutsTheFragmentWhereItBelongsAndSelectsAsTold)
{
    const InsertCase& c = GetParam();
    Show(c.text);
    const int caret = view.control().LineIndex(c.caretLine);
    view.control().SetSel(caret, caret);

    view.OnInsert(c.command);

    EXPECT_EQ(view.WholeText().toStdString(), c.expectedText.toStdString());
    EXPECT_EQ(Selected(), c.expectedSelection);
    EXPECT_EQ(view.textCursor().selectionStart(), c.expectedSelectionStart);
}

INSTANTIATE_TEST_SUITE_P(Rules, ViewInsert,
    ::testing::Values(
        InsertCase { "CaretAboveTheFirstHeading",
            QStringLiteral("Feature: f\r\n\r\nScenario: a\r\n  Given x\r\n"), 0, ID_INSERT_SCENARIO,
            QStringLiteral("Feature: f\r\n\r\n") + scenarioFragment + QStringLiteral("Scenario: a\r\n  Given x\r\n"),
            QStringLiteral("[Title]"), 22 },
        InsertCase { "CaretBelowTheLastHeadingAppends",
            QStringLiteral("Feature: f\r\n\r\nScenario: a\r\n  Given x\r\n"), 3, ID_INSERT_SCENARIO,
            QStringLiteral("Feature: f\r\n\r\nScenario: a\r\n  Given x\r\n") + scenarioFragment,
            QStringLiteral("[Title]"), 44 },
        InsertCase { "HeadingOnLineZeroIsPassedOver",
            QStringLiteral("Scenario: a\r\n  Given x\r\nScenario: b"), 0, ID_INSERT_SCENARIO,
            QStringLiteral("Scenario: a\r\n  Given x\r\n") + scenarioFragment + QStringLiteral("Scenario: b"),
            QStringLiteral("[Title]"), 32 },
        InsertCase { "LastLineWithoutBreakGetsTheFragmentOnIt",
            QStringLiteral("Feature: f\r\nGiven x"), 1, ID_INSERT_RULE,
            QStringLiteral("Feature: f\r\nGiven xRule: [Title]\r\n\r\n\r\n"), QStringLiteral("[Title]"), 24 },
        InsertCase { "OneLineDocumentLandsBeforeItsLastCharacter", QStringLiteral("Feature: x"), 0,
            ID_INSERT_RULE, QStringLiteral("Feature: Rule: [Title]\r\n\r\n\r\nx"), QStringLiteral("[Title]"), 15 },
        InsertCase { "BackgroundIgnoresTheCaretAndLeavesNoSelection",
            QStringLiteral("Feature: f\r\nScenario: a\r\n  Given x\r\nScenario: b\r\n"), 3, ID_INSERT_BACKGROUND,
            QStringLiteral("Feature: f\r\nBackground: \r\nGiven\r\n\r\n\r\nScenario: a\r\n  Given x\r\nScenario: b\r\n"),
            QString(), 11 },
        InsertCase { "IncludeFileSelectsItsName", QStringLiteral("Feature: f\r\nScenario: a\r\n"), 1,
            ID_INSERT_INCLUDE_FILE,
            QStringLiteral("Feature: f\r\n#include \"[Title].csv\" \r\n\r\n\r\nScenario: a\r\n"),
            QStringLiteral("[Title]"), 21 },
        InsertCase { "SampleLeavesTheCaretAtTheBlockStart", QStringLiteral("Feature: f\r\n"), 0,
            ID_INSERT_SAMPLE_SCENARIO,
            QStringLiteral("Feature: f\r\nScenario: Add initial item to order \r\nGiven there are no items in an "
                           "order \r\nWhen item is added \r\nThen order contains one item \r\n\r\n\r\n"),
            QString(), 11 }),
    [](const ::testing::TestParamInfo<InsertCase>& info) { return std::string(info.param.name); });

using ViewCommands = ViewTest;

TEST_F(ViewCommands, InsertBeyondTheAnalysedLinesGoesAfterTheLastAnalysedLine)
{
    QStringList lines;
    for (int i = 0; i < 2100; ++i)
        lines << QStringLiteral("  Given x");
    lines << QStringLiteral("Scenario: far below");
    Show(Crlf(lines));
    view.control().SetSel(0, 0);
    view.OnInsert(ID_INSERT_SCENARIO);
    const QStringList after = view.WholeText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(after.size(), 2101 + 6);
    EXPECT_EQ(after[1997], QStringLiteral("  Given x"));
    EXPECT_EQ(after[1998], QStringLiteral("Scenario: [Title]"));
    EXPECT_EQ(after[1999 + 5], QStringLiteral("  Given x"));
    for (int line : { 1998, 1999, 2004 })
        EXPECT_EQ(PaintAt(view, line, 2).colour, QColor(0, 0, 0)) << "line " << line << " is past the analysed lines";
    EXPECT_EQ(PaintAt(view, 1997, 2).colour, QColor(192, 0, 0));
}

TEST_F(ViewCommands, InsertIsOneUndoableEditAndLeavesTheFragmentOnTheClipboard)
{
    const QString text = QStringLiteral("Feature: f\r\n\r\nScenario: a\r\n  Given x\r\n");
    Show(text);
    view.OnInsert(ID_INSERT_SCENARIO_OUTLINE);
    ASSERT_NE(view.WholeText(), text);
    EXPECT_TRUE(GetClipboardText().startsWith(QStringLiteral("Scenario Outline: [Title]\r\nGiven\r\n")));
    EXPECT_EQ(view.LineTypeAt(2), SCENARIO_OUTLINE_LINE) << "the inserted lines are analysed";
    EXPECT_TRUE(view.IsTextModified());

    view.undo();
    EXPECT_EQ(view.WholeText(), text);
    EXPECT_FALSE(view.IsTextModified());
    EXPECT_FALSE(view.document()->isUndoAvailable());
}

TEST_F(ViewCommands, NewDocumentTemplateSelectsTheTitleAndLeavesTheClipboardAlone)
{
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("copied before")));
    Show(QString());
    EXPECT_EQ(view.WholeText(),
        QStringLiteral("Feature: [Title]\r\n\r\nScenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n"));
    EXPECT_EQ(Selected(), QStringLiteral("[Title]"));
    EXPECT_EQ(view.textCursor().selectionStart(), 9);
    EXPECT_FALSE(view.IsTextModified());
    EXPECT_EQ(GetClipboardText(), QStringLiteral("copied before"));
    EXPECT_FALSE(view.document()->isUndoAvailable()) << "the template cannot be undone away";
    EXPECT_EQ(view.LineTypeAt(0), FEATURE_LINE);
}

TEST_F(ViewCommands, NewDocumentInAnotherLanguageStartsWithItsLanguageLine)
{
    ASSERT_TRUE(SetLanguage(u"de"));
    Show(QString());
    const QString feature = toQString(KeywordForType(FEATURE));
    EXPECT_TRUE(view.WholeText().startsWith(QStringLiteral("# language: de\r\n") + feature + QStringLiteral(": [Title]")))
        << view.WholeText().toStdString();
    EXPECT_EQ(Selected(), QStringLiteral("[Title]"));
    EXPECT_FALSE(view.IsTextModified());

    // The language line is part of the unmodified text: typing and taking the
    // character back again leaves the document unmodified.
    view.moveCursor(QTextCursor::End);
    view.insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(view.IsTextModified());
    view.textCursor().deletePreviousChar();
    EXPECT_FALSE(view.IsTextModified());
}

struct DirectiveCase {
    const char* name;
    QString text;
    std::u16string expectedLanguage;
    QString expectedMessage;  // empty: none
};

class ViewDirective : public ViewTest, public ::testing::WithParamInterface<DirectiveCase> { };

TEST_P(ViewDirective, OpeningATextAppliesItsFirstLine)
{
    const DirectiveCase& c = GetParam();
    ASSERT_TRUE(SetLanguage(u"es"));
    MessageBoxRecorder boxes;
    Show(c.text);
    EXPECT_EQ(currentLanguageCode, c.expectedLanguage);
    if (c.expectedMessage.isEmpty()) {
        EXPECT_TRUE(boxes.shown.empty());
    } else {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].first, MessageBoxKind::Ok);
        EXPECT_EQ(boxes.shown[0].second, c.expectedMessage);
    }
    EXPECT_FALSE(view.IsTextModified());
    EXPECT_EQ(view.WholeText(), c.text) << "an opened text is never changed by the directive";
}

INSTANTIATE_TEST_SUITE_P(Directive, ViewDirective,
    ::testing::Values(DirectiveCase { "French", QStringLiteral("# language: fr\r\nFonctionnalité: x"), u"fr", {} },
        DirectiveCase { "NoDirectiveMeansEnglish", QStringLiteral("Feature: x\r\n"), u"en", {} },
        DirectiveCase { "UnknownKeepsTheLanguage", QStringLiteral("# language: xx\r\nx"), u"es",
            QStringLiteral("Cannot set language to xx") },
        DirectiveCase { "OneLineIsSkipped", QStringLiteral("# language: fr"), u"es", {} }),
    [](const ::testing::TestParamInfo<DirectiveCase>& info) { return std::string(info.param.name); });

TEST_F(ViewCommands, EditIncludeFileOnlyShowsItsMessage)
{
    Show(Crlf({ QStringLiteral("Feature: f"), QStringLiteral("\t #include \"data.csv\""),
        QStringLiteral("#Include x"), QStringLiteral("# include x"), QStringLiteral("  #include") }));
    const bool expected[] = { false, true, false, false, true };
    for (int line = 0; line < 5; ++line) {
        view.control().SetSel(view.control().LineIndex(line) + 1, view.control().LineIndex(line) + 1);
        EXPECT_EQ(view.CanEditIncludeFile(), expected[line]) << "line " << line;
    }

    view.control().SetSel(13, 15);
    const QString text = view.WholeText();
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("kept")));
    MessageBoxRecorder boxes;
    view.OnEditIncludeFile();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].first, MessageBoxKind::Ok);
    EXPECT_EQ(boxes.shown[0].second, QStringLiteral("Windows Store does not allow execution of other programs"));
    EXPECT_EQ(view.WholeText(), text);
    EXPECT_EQ(Selected(), QStringLiteral("#i"));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("kept"));
}

TEST_F(ViewCommands, RightClickPutsTheCaretOnTheClickedCharacter)
{
    Show(Crlf({ QStringLiteral("Feature: f"), QStringLiteral("Scenario: a"), QStringLiteral("  Given x") }));
    view.resize(500, 300);
    view.show();
    QApplication::processEvents();
    view.control().SetSel(0, 5);

    QPoint requested;
    int requests = 0;
    QObject::connect(&view, &CQuillmark2View::contextMenuRequested, [&](QPoint globalPos) {
        requested = globalPos;
        ++requests;
    });

    const int target = view.control().LineIndex(2) + 4;
    QTextCursor at(view.document());
    at.setPosition(target);
    const QPoint point = view.cursorRect(at).center() + QPoint(2, 0);
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, view.viewport()->mapToGlobal(point));
    QApplication::sendEvent(view.viewport(), &click);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(requested, view.viewport()->mapToGlobal(point));
    EXPECT_EQ(Selected(), QString());
    EXPECT_EQ(view.CaretLine(), 2);
    EXPECT_NEAR(view.textCursor().position(), target, 1);

    view.control().SetSel(0, 5);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1), view.viewport()->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(view.viewport(), &key);
    EXPECT_EQ(requests, 2);
    EXPECT_EQ(Selected(), QStringLiteral("Featu")) << "the menu key leaves the selection alone";
}

}  // namespace
