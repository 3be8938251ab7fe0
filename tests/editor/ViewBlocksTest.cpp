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
#include <string>

namespace {

enum class Command { Table, String };

const char* NameOf(Command command)
{
    return command == Command::Table ? "Table" : "String";
}

const QString feature = QStringLiteral("Feature: f\r\n  Scenario: s\r\n");

// The view, its dialogs answered as they show.
class ViewBlocks : public ViewTest {
protected:
    template <typename Dialog> void ThenAnswer(std::function<void(Dialog&)> answer)
    {
        answers.Then<Dialog>(std::move(answer));
    }
    void Run(Command command) { command == Command::Table ? view.OnTable() : view.OnString(); }
    void RunAndPressOk(Command command)
    {
        ThenAnswer<QDialog>(
            [](QDialog& dialog) { QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton); });
        Run(command);
    }

    DialogAnswers answers;
};

struct UnchangedCase {
    const char* name;
    Command command;
    QString text;
    int caretLine;
};

void PrintTo(const UnchangedCase& c, std::ostream* out)
{
    *out << c.name;
}

class ViewBlocksUnchanged : public ViewBlocks, public ::testing::WithParamInterface<UnchangedCase> { };

// A block already in the editor's layout comes back from OK as it was: no
// edit, no undo step, no modified document.
TEST_P(ViewBlocksUnchanged, OkWithoutAChangeLeavesTheTextByteIdentical)
{
    const UnchangedCase& c = GetParam();
    Show(c.text);
    PutCaret(c.caretLine, 0);
    RunAndPressOk(c.command);
    EXPECT_EQ(view.WholeText().toStdString(), c.text.toStdString());
    EXPECT_FALSE(view.IsTextModified());
    EXPECT_FALSE(view.document()->isUndoAvailable());
}

const QString alignedTable
    = feature + "    Given g\r\n      | a  | bc  |\r\n      | d  |     |\r\n\r\n  Scenario: t\r\n";
const QString outline = QStringLiteral("Feature: f\r\n  Scenario Outline: o\r\n    Given <a> and <b>\r\n"
                                       "    Examples:\r\n    | a  | b  |\r\n    | 1  | 2  |");
// In the editor's layout an empty line of a doc string holds its indentation,
// as Format writes it.
const QString docStringText = feature
    + "    Given g\r\n    \"\"\"json\r\n    one\r\n    \r\n      two\r\n    \t\r\n    \"\"\"\r\n\r\n"
      "    When w\r\n";

INSTANTIATE_TEST_SUITE_P(Blocks, ViewBlocksUnchanged,
    ::testing::Values(UnchangedCase { "TableFromARow", Command::Table, alignedTable, 4 },
        UnchangedCase { "ExamplesTableEndingTheTextFromItsExamplesLine", Command::Table, outline, 3 },
        UnchangedCase { "DocStringFromItsStep", Command::String, docStringText, 2 },
        UnchangedCase { "DocStringFromAnEmptyLineInside", Command::String, docStringText, 5 },
        UnchangedCase { "DocStringFromItsClosingDelimiter", Command::String, docStringText, 8 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewBlocks, ATableKeepsItsRowsColumnFromARowAndTakesTheStepsFromTheStep)
{
    const QString text = feature + "    Given g\r\n        |a|b|\r\n        | c |\r\n";
    for (const auto& [caretLine, indent] : { std::pair { 3, 8 }, std::pair { 2, 4 } }) {
        Show(text);
        PutCaret(caretLine, 0);
        RunAndPressOk(Command::Table);
        const QString blanks(indent, u' ');
        EXPECT_EQ(view.WholeText().toStdString(),
            (feature + "    Given g\r\n" + blanks + "| a  | b  |\r\n" + blanks + "| c  |    |\r\n")
                .toStdString())
            << "caret on line " << caretLine;
    }
}

TEST_F(ViewBlocks, AnExamplesTableGainsTheOutlinesMissingPlaceholdersAsHeaderCells)
{
    const QString steps
        = QStringLiteral("Feature: f\r\n  Scenario Outline: o\r\n    Given <Quantity> items\r\n"
                         "    When I add <Count>\r\n    Then I have <New Quantity>\r\n");
    // A new table after an Examples line that ends the text: bottom-up order.
    Show(steps + "    Examples:");
    PutCaret(5, 4);
    ThenAnswer<CGridDialog>([](CGridDialog& dialog) {
        EXPECT_EQ(GridCells(*dialog.findChild<CGridCtrl*>()), "New Quantity,Count,Quantity/,,");
        dialog.accept();
    });
    view.OnTable();
    const auto cells = [](int a, int b, int c) {
        return QString("    |%1|%2|%3|").arg(QString(a, u' '), QString(b, u' '), QString(c, u' '));
    };
    EXPECT_EQ(view.WholeText().toStdString(),
        (steps + "    Examples:\r\n    | New Quantity  | Count  | Quantity  |\r\n" + cells(15, 8, 11))
            .toStdString());

    // An existing table: only the missing name, as the last column, empty below.
    const QString existing = steps + "    Examples:\r\n      | Quantity | Count |\r\n      | 1 | 2 |\r\n";
    Show(existing);
    PutCaret(7, 6);
    ThenAnswer<CGridDialog>([](CGridDialog& dialog) {
        EXPECT_EQ(GridCells(*dialog.findChild<CGridCtrl*>()), "Quantity,Count,New Quantity/1,2,");
        dialog.reject();
    });
    view.OnTable();
    EXPECT_EQ(view.WholeText(), existing);
    EXPECT_FALSE(view.IsTextModified());
}

// Cancel, Esc and the window's close all leave the text, the selection and
// the clipboard as they were, whatever was changed in the dialog.
TEST_F(ViewBlocks, CancellingTheDialogChangesNothing)
{
    const QString text
        = feature + "    Given g\r\n      | a |\r\n    When w\r\n      \"\"\"\r\n      x\r\n      \"\"\"\r\n";
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& dialog) { QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton); },
        [](QDialog& dialog) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &dialog, Qt::Key_Escape);
        },
        [](QDialog& dialog) { dialog.close(); },
    };
    for (const auto& [command, line] :
        { std::pair { Command::Table, 3 }, std::pair { Command::String, 6 } }) {
        for (int way = 0; way < 3; ++way) {
            Show(text);
            CopyTextToClipboard(QStringLiteral("kept"));
            view.control().SetSel(view.control().LineIndex(line), view.control().LineIndex(line) + 2);
            ThenAnswer<QDialog>([&](QDialog& dialog) {
                if (auto* grid = dialog.findChild<CGridCtrl*>())
                    grid->SetItemText(1, 1, QStringLiteral("changed"));
                else
                    dialog.findChild<MyEditCtrl*>()->setPlainText(QStringLiteral("changed"));
                QApplication::setActiveWindow(&dialog);
                ways[way](dialog);
                EXPECT_FALSE(dialog.isVisible()) << NameOf(command) << ", way " << way;
            });
            Run(command);
            EXPECT_EQ(view.WholeText(), text) << NameOf(command) << ", way " << way;
            EXPECT_EQ(GetClipboardText(), QStringLiteral("kept")) << NameOf(command) << ", way " << way;
            EXPECT_EQ(Selected(), QStringLiteral("  ")) << NameOf(command) << ", way " << way;
            EXPECT_FALSE(view.document()->isUndoAvailable());
        }
    }
}

// What the dialogs write goes in as one edit: the clipboard keeps it, the
// new lines are coloured, and one Undo gives the old text back.
TEST_F(ViewBlocks, EditsAreWrittenBackAsOneUndoableEditThatStaysOnTheClipboard)
{
    const QString given = feature + "    Given g\r\n";
    const auto typeInto
        = [](const char* text) { return [text](QDialog&) { Type(QString::fromUtf8(text)); }; };
    const struct {
        const char* name;
        Command command;
        QString text;
        int caretLine;
        std::function<void(QDialog&)> edit;
        QString written, after;
        QColor colour;
    } cases[] = {
        { "a new table typed into on a step", Command::Table, given + "    When w", 2, typeInto("x"),
            "    | x  |   |\r\n    |    |   |\r\n\r\n",
            given + "    | x  |   |\r\n    |    |   |\r\n\r\n    When w", table },
        { "a doc string rewritten from its opening", Command::String,
            given + "      \"\"\"\r\n      a\r\n      \"\"\"\r\n", 3,
            [](QDialog& dialog) { dialog.findChild<MyEditCtrl*>()->setPlainText("b\n\n  c"); },
            "      \"\"\"\r\n      b\r\n      \r\n        c\r\n      \"\"\"\r\n",
            given + "      \"\"\"\r\n      b\r\n      \r\n        c\r\n      \"\"\"\r\n", docString },
        { "a new doc string typed on a step", Command::String, given, 2, typeInto("hello"),
            "    \"\"\"\r\n    hello\r\n    \"\"\"\r\n", given + "    \"\"\"\r\n    hello\r\n    \"\"\"\r\n",
            docString },
    };
    for (const auto& c : cases) {
        Show(c.text);
        PutCaret(c.caretLine, 0);
        ThenAnswer<QDialog>([&](QDialog& dialog) {
            QApplication::setActiveWindow(&dialog);
            c.edit(dialog);
            QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
        });
        Run(c.command);
        EXPECT_EQ(view.WholeText().toStdString(), c.after.toStdString()) << c.name;
        EXPECT_EQ(GetClipboardText().toStdString(), c.written.toStdString()) << c.name;
        EXPECT_EQ(PaintAt(view, 4, 6).colour, c.colour) << c.name << ": the lines written are coloured";
        EXPECT_TRUE(view.IsTextModified()) << c.name;
        view.undo();
        EXPECT_EQ(view.WholeText(), c.text) << c.name;
        EXPECT_FALSE(view.IsTextModified()) << c.name;
        EXPECT_FALSE(view.document()->isUndoAvailable()) << c.name;
    }
}

// Where no block can be, the item is disabled and the command, reached
// anyway, only says so; the analysed lines end before line 1998.
TEST_F(ViewBlocks, WhereNoBlockIsAllowedTheItemIsDisabledAndTheCommandSaysSo)
{
    QStringList lines = { "Feature: f", "  Scenario: s", "    Given g", "      | a |" };
    while (lines.size() < 2001)
        lines << "    Given g";
    const QString text = lines.join(QStringLiteral("\r\n"));
    Show(text);
    PutCaret(1997, 0);
    EXPECT_TRUE(view.OnUpdateTable() && view.OnUpdateString()) << "the last analysed line";

    const struct {
        Command command;
        int line;
        const char* message;
    } cases[] = {
        { Command::Table, 0, "No table allowed here" },
        { Command::String, 3, "No string allowed here" },
        { Command::Table, 1998, "No table allowed here" },
        { Command::String, 2000, "No string allowed here" },
    };
    for (const auto& c : cases) {
        PutCaret(c.line, 0);
        EXPECT_FALSE(c.command == Command::Table ? view.OnUpdateTable() : view.OnUpdateString())
            << NameOf(c.command) << " on line " << c.line;
        MessageBoxRecorder boxes;
        Run(c.command);
        EXPECT_EQ(boxes.texts, QStringList { c.message }) << NameOf(c.command) << " on line " << c.line;
        EXPECT_EQ(boxes.kinds, std::vector { MessageBoxKind::Ok });
        EXPECT_EQ(view.WholeText(), text);
    }
}

TEST_F(ViewBlocks, TheDialogsShowTheViewsFontTheDocStringColourAndTheTableHelp)
{
    view.SetFontSize(16);
    Show(feature + "    Given g\r\n");
    PutCaret(2, 0);
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
        EXPECT_EQ(dialog.m_charFormat.font().family(), view.font().family());
        EXPECT_EQ(dialog.m_charFormat.font().pointSize(), 16);
        dialog.reject();
    });
    view.OnString();
}

} // namespace
