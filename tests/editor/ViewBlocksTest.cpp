#include "ViewTestSupport.h"

#include "dialogs/CHelpDialog.h"
#include "platform/Clipboard.h"
#include "support/DialogAnswers.h"
#include "table/CGridDialog.h"
#include "table/CStringDialog.h"
#include "table/MyEditCtrl.h"
#include "table/TableDialogSupport.h"

#include <QTextEdit>

#include <functional>
#include <tuple>

namespace {

enum class Command { Table, String };

const QString feature = QStringLiteral("Feature: f\r\n  Scenario: s\r\n");

// The view, its dialogs answered as they show.
class ViewBlocks : public ViewTest {
protected:
    template <typename Dialog> void ThenAnswer(std::function<void(Dialog&)> answer)
    {
        answers.Then<Dialog>(std::move(answer));
    }
    void Run(Command command) { command == Command::Table ? view.OnTable() : view.OnString(); }
    // Runs the command on the text with the caret on `line`, its dialog given
    // `edit` and then OK.
    void RunAndPressOk(
        Command command, const QString& text, int line, std::function<void(QDialog&)> edit = {})
    {
        Show(text, line);
        ThenAnswer<QDialog>([edit](QDialog& dialog) {
            QApplication::setActiveWindow(&dialog);
            if (edit)
                edit(dialog);
            QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
        });
        Run(command);
    }

    DialogAnswers answers;
};

// A block already in the editor's layout comes back from OK as it was: no
// edit, no undo step, no modified document. In that layout an empty line of a
// doc string holds its indentation, as Format writes it.
TEST_F(ViewBlocks, OkWithoutAChangeLeavesTheTextByteIdentical)
{
    const QString docString = feature
        + "    Given g\r\n    \"\"\"json\r\n    one\r\n    \r\n      two\r\n    \t\r\n    \"\"\"\r\n\r\n"
          "    When w\r\n";
    const struct {
        const char* name;
        Command command;
        QString text;
        int caretLine;
    } cases[] = {
        { "a table from a row", Command::Table,
            feature + "    Given g\r\n      | a  | bc  |\r\n      | d  |     |\r\n\r\n  Scenario: t\r\n", 4 },
        { "an Examples table ending the text, from its Examples line", Command::Table,
            "Feature: f\r\n  Scenario Outline: o\r\n    Given <a> and <b>\r\n"
            "    Examples:\r\n    | a  | b  |\r\n    | 1  | 2  |",
            3 },
        { "a doc string from its closing delimiter", Command::String, docString, 8 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunAndPressOk(c.command, c.text, c.caretLine);
        EXPECT_EQ(view.WholeText(), c.text);
        EXPECT_TRUE(Untouched());
    }
}

TEST_F(ViewBlocks, AnExamplesTableGainsTheOutlinesMissingPlaceholdersAsHeaderCells)
{
    const QString steps
        = QStringLiteral("Feature: f\r\n  Scenario Outline: o\r\n    Given <Quantity> items\r\n"
                         "    When I add <Count>\r\n    Then I have <New Quantity>\r\n    Examples:");
    const auto expectCells = [this](const char* cells, bool accept) {
        ThenAnswer<CGridDialog>([cells, accept](CGridDialog& dialog) {
            EXPECT_EQ(GridCells(*dialog.findChild<CGridCtrl*>()), cells);
            accept ? dialog.accept() : dialog.reject();
        });
        view.OnTable();
    };
    // A new table after an Examples line that ends the text: bottom-up order.
    Show(steps, 5, 4);
    expectCells("New Quantity,Count,Quantity/,,", true);
    EXPECT_EQ(view.WholeText(),
        steps + "\r\n    | New Quantity  | Count  | Quantity  |\r\n    |" + QString(15, u' ') + '|'
            + QString(8, u' ') + '|' + QString(11, u' ') + '|');

    // An existing table: only the missing name, as the last column, empty below.
    Show(steps + "\r\n      | Quantity | Count |\r\n      | 1 | 2 |\r\n", 7, 6);
    expectCells("Quantity,Count,New Quantity/1,2,", false);
}

// Cancelling, by button or key, leaves the text, the selection and the
// clipboard as they were, whatever was changed in the dialog.
TEST_F(ViewBlocks, CancellingTheDialogChangesNothing)
{
    const QString text
        = feature + "    Given g\r\n      | a |\r\n    When w\r\n      \"\"\"\r\n      x\r\n      \"\"\"\r\n";
    for (const auto& [command, line] : { std::pair { Command::Table, 3 }, { Command::String, 6 } }) {
        SCOPED_TRACE(command == Command::Table ? "Table, Cancel" : "String, Esc");
        Show(text);
        view.control().SetSel(view.control().LineIndex(line), view.control().LineIndex(line) + 2);
        CopyTextToClipboard(QStringLiteral("kept"));
        ThenAnswer<QDialog>([command](QDialog& dialog) {
            QApplication::setActiveWindow(&dialog);
            if (command == Command::Table) {
                dialog.findChild<CGridCtrl*>()->SetItemText(1, 1, QStringLiteral("changed"));
                QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
            } else {
                dialog.findChild<MyEditCtrl*>()->setPlainText(QStringLiteral("changed"));
                Key(Qt::Key_Escape);
            }
            EXPECT_FALSE(dialog.isVisible());
        });
        Run(command);
        EXPECT_EQ(view.WholeText(), text);
        EXPECT_EQ(GetClipboardText(), QStringLiteral("kept"));
        EXPECT_EQ(Selected(), QStringLiteral("  "));
        EXPECT_FALSE(view.document()->isUndoAvailable());
    }
}

// What the dialogs write goes in as one edit: the clipboard keeps it, the
// new lines are coloured, and one Undo gives the old text back.
TEST_F(ViewBlocks, EditsAreWrittenBackAsOneUndoableEditThatStaysOnTheClipboard)
{
    const QString given = feature + "    Given g\r\n";
    const struct {
        const char* name;
        Command command;
        QString text;
        int caretLine;
        std::function<void(QDialog&)> edit;
        QString written, rest;
        QColor colour;
    } cases[] = {
        { "a new table typed into on a step", Command::Table, given + "    When w", 2,
            [](QDialog&) { Type("x"); }, "    | x  |   |\r\n    |    |   |\r\n\r\n", "    When w", table },
        { "a doc string rewritten from its opening", Command::String,
            given + "      \"\"\"\r\n      a\r\n      \"\"\"\r\n", 3,
            [](QDialog& dialog) { dialog.findChild<MyEditCtrl*>()->setPlainText("b\n\n  c"); },
            "      \"\"\"\r\n      b\r\n      \r\n        c\r\n      \"\"\"\r\n", "", docString },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunAndPressOk(c.command, c.text, c.caretLine, c.edit);
        EXPECT_EQ(view.WholeText(), given + c.written + c.rest);
        EXPECT_EQ(GetClipboardText(), c.written);
        EXPECT_EQ(ColourAt(4, 6), c.colour) << "the lines written are coloured";
        EXPECT_TRUE(view.IsTextModified());
        view.undo();
        EXPECT_EQ(view.WholeText(), c.text);
        EXPECT_TRUE(Untouched());
    }
}

// Where no block can be, the command only says so.
TEST_F(ViewBlocks, WhereNoBlockIsAllowedTheCommandSaysSo)
{
    const QString text = feature + "    Given g\r\n      | a |";
    for (const auto& [command, line, message] : { std::tuple { Command::Table, 0, "No table allowed here" },
             { Command::String, 3, "No string allowed here" } }) {
        SCOPED_TRACE(message);
        Show(text, line);
        MessageBoxRecorder boxes;
        Run(command);
        EXPECT_EQ(boxes.texts, QStringList { message });
        EXPECT_EQ(boxes.kinds, std::vector { MessageBoxKind::Ok });
        EXPECT_EQ(view.WholeText(), text);
    }
}

TEST_F(ViewBlocks, TheDialogsShowTheViewsFontTheDocStringColourAndTheTableHelp)
{
    view.SetFontSize(16);
    Show(feature + "    Given g\r\n", 2);
    const QString tableHelp = CHelpDialog(HelpText::Table).findChild<QTextEdit*>()->toPlainText();
    ThenAnswer<CGridDialog>([&](CGridDialog& dialog) {
        EXPECT_EQ(dialog.m_gridFont.family(), view.font().family());
        EXPECT_EQ(dialog.m_gridFont.pixelSize(), (16 * view.logicalDpiY() + 36) / 72);
        QTest::mouseClick(Button(dialog, "helpButton"), Qt::LeftButton);
        dialog.reject();
    });
    ThenAnswer<CHelpDialog>([&](CHelpDialog& help) {
        EXPECT_EQ(help.findChild<QTextEdit*>()->toPlainText(), tableHelp);
        help.accept();
    });
    view.OnTable();

    ThenAnswer<CStringDialog>([&](CStringDialog& dialog) {
        EXPECT_EQ(dialog.m_charFormat.foreground().color(), docString);
        EXPECT_EQ(dialog.m_charFormat.font().pointSize(), 16);
        dialog.reject();
    });
    view.OnString();
}

} // namespace
