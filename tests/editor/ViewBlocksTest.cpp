#include "ViewTestSupport.h"

#include "dialogs/CHelpDialog.h"
#include "support/DialogAnswers.h"
#include "table/TableDialogSupport.h"

#include <QPlainTextEdit>
#include <QTextEdit>

#include <string_view>

namespace {

enum class Command { Table, String };

const QString feature = QStringLiteral("Feature: f\r\n  Scenario: s\r\n");

// The view, its dialogs answered as they show.
class ViewBlocks : public ViewTest {
protected:
    void Run(Command command) { command == Command::Table ? view.OnTable() : view.OnString(); }
    // The dialog, in the view's font (the doc string in its colour), given
    // `typed` at its focus, then the button named, or Esc. The table's Help
    // button is pressed before: the help shows over the dialog, which stays.
    std::function<void(QDialog&)> Answer(const char* typed, const char* button) const
    {
        return [=, this](QDialog& dialog) {
            QApplication::setActiveWindow(&dialog);
            Type(typed);
            if (const auto* grid = dynamic_cast<CGridDialog*>(&dialog)) {
                EXPECT_EQ(grid->m_gridFont.family(), view.font().family());
                EXPECT_EQ(grid->m_gridFont.pixelSize(), qRound(11 * view.logicalDpiY() / 72.0)) << "rounded";
                QTest::mouseClick(Button(dialog, "helpButton"), Qt::LeftButton);
            }
            if (const auto* string = dynamic_cast<CStringDialog*>(&dialog)) {
                EXPECT_EQ(string->m_charFormat.foreground().color(), docString);
                EXPECT_EQ(string->m_charFormat.font(), view.font());
            }
            *button ? QTest::mouseClick(Button(dialog, button), Qt::LeftButton) : Key(Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
        };
    }

    DialogAnswers answers;
};

// OK on a table in the editor's layout, or on any doc string as it was
// written, changes nothing; Cancel or Esc, whatever was changed, keeps
// selection and clipboard too; an edit is one undoable edit, also copied. A
// new Examples table has a column for each of the outline's placeholders, and
// so has one below a description.
TEST_F(ViewBlocks, TheAnswerGoesInAsOneUndoableEditOrLeavesEverything)
{
    view.SetFontSize(11);
    const QString given = feature + "    Given g\r\n";
    const QString outline = "Feature: f\r\n  Scenario Outline: o\r\n    Given <a> and <b>\r\n    Examples:";
    const QString asWritten = given
        + "    \"\"\"json\r\n    one\u00a0more\r\n\t\t\t\ttwo\r\n\r\n      \\\"\\\"\\\"\r\n  three\r\n    "
          "\t\r\n     "
          "\"\"\" note\r\n    When w\r\n";
    const QString blocks = given + "      | a |\r\n    When w\r\n      \"\"\"\r\n      x\r\n      \"\"\"\r\n";
    // The command on a line, typed into its dialog, the button ("": Esc), then
    // the lines written and the text with them in place of "%1"; nothing
    // written: the text stays.
    using Case = std::tuple<const char*, Command, QString, int, const char*, const char*, QString, QString>;
    const Case cases[] = {
        { "OK on an Examples table ending the text, from its Examples line", Command::Table,
            outline + "\r\n    | a  | b  |\r\n    | 1  | 2  |", 3, "", "okButton", "", "" },
        { "OK on a doc string, from its closing delimiter", Command::String, asWritten, 10, "", "okButton",
            "", "" },
        { "Cancel on a changed table", Command::Table, blocks, 3, "changed", "cancelButton", "", "" },
        { "Esc on a changed doc string", Command::String, blocks, 6, "changed", "", "", "" },
        { "a new table typed into on a step", Command::Table, given + "    When w", 2, "x", "okButton",
            "    | x  |   |\r\n    |    |   |\r\n\r\n", given + "%1    When w" },
        { "OK on a ragged table evens it out", Command::Table,
            given + "      | Name | Qty |\r\n      | x |\r\n", 3, "", "okButton",
            "      | Name  | Qty  |\r\n      | x     |      |\r\n", given + "%1" },
        { "a new Examples table after the last line", Command::Table, outline, 3, "", "okButton",
            "\r\n    | a  | b  |\r\n    |    |    |", outline + "%1" },
        { "OK on an Examples table below a description, from a row", Command::Table,
            outline.mid(12) + "\r\n      words\r\n    | a  |\r\n    | 1  |\r\n", 5, "", "okButton",
            "    | a  | b  |\r\n    | 1  |    |\r\n", outline.mid(12) + "\r\n      words\r\n%1" },
        { "a doc string typed into from its opening", Command::String,
            given + "      \"\"\"\r\n      a\r\n      \"\"\"\r\n", 3, "b", "okButton",
            "      \"\"\"\r\n      ba\r\n      \"\"\"\r\n", given + "%1" },
    };
    const QString tableHelp = CHelpDialog(HelpText::Table).findChild<QTextEdit*>()->toPlainText();
    for (const auto& [name, command, text, caretLine, typed, button, written, after] : cases) {
        SCOPED_TRACE(name);
        Show(text);
        Select(caretLine, 0, caretLine, 2);
        const QString selected = Selected();
        CopyTextToClipboard(QStringLiteral("kept"));
        answers.Then<QDialog>(Answer(typed, button));
        if (command == Command::Table)
            answers.Then<CHelpDialog>([&](CHelpDialog& help) {
                EXPECT_EQ(help.findChild<QTextEdit*>()->toPlainText(), tableHelp);
                help.accept();
            });
        // A changed block is thrown away only when the user says so.
        MessageBoxRecorder boxes;
        boxes.answers = { QMessageBox::Yes };
        Run(command);
        const bool discarded = *typed && button != std::string_view("okButton");
        const QString question = command == Command::Table
            ? QStringLiteral("Discard the changes to this table?")
            : QStringLiteral("Discard the changes to this doc string?");
        EXPECT_EQ(boxes.texts, discarded ? QStringList { question } : QStringList());
        EXPECT_EQ(view.WholeText(), written.isEmpty() ? text : after.arg(written));
        if (!written.isEmpty()) {
            EXPECT_EQ(GetClipboardText(), written);
            EXPECT_EQ(ColourAt(4, 6), command == Command::Table ? table : docString)
                << "the lines written are coloured";
            EXPECT_TRUE(view.IsTextModified());
            view.undo();
            EXPECT_EQ(view.WholeText(), text);
        } else if (button != std::string_view("okButton")) {
            EXPECT_EQ(GetClipboardText(), QStringLiteral("kept"));
            EXPECT_EQ(Selected(), selected);
        }
        EXPECT_TRUE(Untouched());
    }
}

// What is typed is what Cucumber reads, in either kind of doc string: a line
// that would end it goes in escaped and is shown as typed again; a line that
// no escape can write is refused, and the dialog stays open with the text.
TEST_F(ViewBlocks, TheStringDialogWritesWhatCucumberReadsInEitherDelimiter)
{
    const auto typedThenOk = [this](std::vector<QString> texts) {
        answers.Then<CStringDialog>([texts](CStringDialog& dialog) {
            auto* box = dialog.findChild<QPlainTextEdit*>(QStringLiteral("textBox"));
            for (const QString& text : texts) {
                box->setPlainText(text);
                QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
            }
            EXPECT_FALSE(dialog.isVisible());
        });
    };
    const QString ticks = "```", quotes = "\"\"\"", escapedTicks = "\\`\\`\\`",
                  escapedQuotes = "\\\"\\\"\\\"";
    for (const auto& [delimiter, escaped, other] :
        { std::tuple { ticks, escapedTicks, quotes }, std::tuple { quotes, escapedQuotes, ticks } }) {
        SCOPED_TRACE(delimiter.toStdString());
        const QString before = feature + "    Given g\r\n      " + delimiter + "json\r\n      a " + other
            + "\r\n      " + delimiter + "\r\n    When w";
        Show(before, 3);
        EXPECT_EQ(ColourAt(3, 6), docString);
        EXPECT_EQ(ColourAt(4, 6), docString);
        MessageBoxRecorder boxes;
        typedThenOk({ delimiter + "\n" + escaped, delimiter + "\n" + other });
        view.OnString();
        EXPECT_EQ(boxes.texts,
            QStringList { "Line 2 holds " + escaped + " with no " + delimiter
                + " before it. Cucumber reads that as " + delimiter
                + " in this doc string, so the line cannot be written as it stands." });
        EXPECT_EQ(view.WholeText(),
            feature + "    Given g\r\n      " + delimiter + "json\r\n      " + escaped + "\r\n      " + other
                + "\r\n      " + delimiter + "\r\n    When w");
        Select(4, 0);
        answers.Then<CStringDialog>([&](CStringDialog& dialog) {
            EXPECT_EQ(dialog.findChild<QPlainTextEdit*>(QStringLiteral("textBox"))->toPlainText(),
                delimiter + "\n" + other + "\n");
            dialog.reject();
        });
        view.OnString();
    }
}

// A block that the last analysed line cuts through, and a doc string that
// nothing closes, are left alone with a word of why.
TEST_F(ViewBlocks, WhereNoBlockIsAllowedTheCommandSaysSo)
{
    const QString text = feature + "    Given g\r\n      | a |";
    const QString steps = feature + QString("    Given g\r\n").repeated(1994);
    const QString pastLimit
        = "This %1 runs past line 1998, the last line Quillmark analyses; it cannot be edited %2.";
    const std::tuple<QString, Command, int, QString> cases[] = {
        { text, Command::Table, 0, "No table allowed here" },
        { text, Command::String, 3, "No string allowed here" },
        { text + "\r\n      # c\r\n      | b |", Command::Table, 5,
            "This table has comment or empty lines between its rows; it cannot be edited as a grid." },
        { steps + "      | a |\r\n      | b |\r\n      | c |", Command::Table, 1997,
            pastLimit.arg("table", "as a grid") },
        { steps + "      \"\"\"\r\n      x\r\n      \"\"\"", Command::String, 1995,
            pastLimit.arg("doc string", "in the String dialog") },
        { feature + "    Given g\r\n      ```\r\n      x", Command::String, 2,
            "This doc string is never closed, so Cucumber reads no text in it. Add its closing line, then "
            "use "
            "String again." },
    };
    for (const auto& [text, command, line, message] : cases) {
        SCOPED_TRACE(message.toStdString());
        Show(text, line);
        MessageBoxRecorder boxes;
        Run(command);
        EXPECT_EQ(boxes.texts, QStringList { message });
        EXPECT_EQ(boxes.kinds, std::vector { MessageBoxKind::Ok });
        EXPECT_EQ(view.WholeText(), text);
    }
}

} // namespace
