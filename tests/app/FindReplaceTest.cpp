// Find, Replace and Find Next: the search over plain text, its use on the
// editor's selection, and the dialog that drives it.
#include "app/FindReplace.h"
#include "app/FindReplaceDialog.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

enum Options { None = 0, Case = 1, Word = 2, Up = 4 };

SearchRequest Request(const QString& what, int options = None, const QString& with = {})
{
    SearchRequest request;
    request.findWhat = what;
    request.replaceWith = with;
    request.matchCase = options & Case;
    request.wholeWord = options & Word;
    request.up = options & Up;
    return request;
}

TEST(FindInText, FindsTheExpectedMatch)
{
    const struct {
        QString text;
        QString what;
        int options;
        qsizetype from;
        qsizetype start; // -1: not found
        bool wrapped;
    } cases[] = {
        { "Given a step", "given", None, 0, 0, false }, // case ignored
        { "AND And and", "and", Case, 0, 8, false }, // on to the exact case
        { QStringLiteral(u"x Ärger"), QStringLiteral(u"ärger"), None, 0, 2, false }, // case beyond ASCII
        { "scenario Scenarios scenario", "scenario", Word, 1, 19, false }, // longer word skipped
        { "my_step step", "step", Word, 0, 8, false }, // '_' belongs to the word
        { "row1 row", "row", Word, 0, 5, false }, // so does a digit
        { "<name>|name", "name", Word, 0, 1, false }, // punctuation ends one
        { "steps stepping", "step", Word, 0, -1, false }, // no whole word at all
        { "abc xyz abc", "abc", None, 8, 8, false }, // down starts at from
        { "abc xyz abc", "abc", None, 9, 0, true }, // round the end
        { "one two", "two", None, 7, 4, true }, // the only match is the selection itself
        { "abc xyz abc", "abc", Up, 10, 0, false }, // up skips a match ending after from
        { "abc xyz abc", "abc", Up, 2, 8, true }, // round the start
        { "step steps", "step", Word | Up, 10, 0, false }, // up, whole word
        { "text", "", None, 0, -1, false }, // nothing to find
        { "ab", "abc", None, 0, -1, false }, // longer than the text
        { "abc", "abc", None, 99, 0, true }, // from beyond the end
        { "abc", "abc", Up, -5, 0, true }, // from before the start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.what.toStdString() << "\" in \"" << c.text.toStdString()
                                        << "\" options " << c.options << " from " << c.from);
        const TextMatch match = FindInText(c.text, Request(c.what, c.options), c.from);
        EXPECT_EQ(match.start, c.start);
        if (c.start >= 0) {
            EXPECT_EQ(match.length, c.what.size());
            EXPECT_EQ(match.wrapped, c.wrapped);
        }
    }
}

class FindReplaceTest : public ::testing::Test {
protected:
    FindReplaceTest()
        : m_find(&m_editor, &m_window)
    {
        m_editor.setPlainText("Given a cat\nWhen the cat sleeps\nThen nothing happens\n");
        m_previous = SetMessageBoxHandler([this](MessageBoxKind, const QString& text) {
            m_messages << text;
            return QMessageBox::Ok;
        });
    }
    ~FindReplaceTest() override { SetMessageBoxHandler(m_previous); }

    template <typename T = QPushButton> T& Child(const char* name)
    {
        return *m_find.dialog()->findChild<T*>(QLatin1String(name));
    }
    QLineEdit& FindWhat() { return Child<QLineEdit>("findWhat"); }
    QString Selected() const { return m_editor.textCursor().selectedText(); }
    int SelectionStart() const { return m_editor.textCursor().selectionStart(); }

    void Select(int start, int end)
    {
        QTextCursor cursor(m_editor.document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        m_editor.setTextCursor(cursor);
    }

    QWidget m_window;
    QPlainTextEdit m_editor;
    FindReplace m_find;
    QStringList m_messages;
    MessageBoxHandler m_previous;
};

TEST_F(FindReplaceTest, ReplaceFirstSelectsThenReplacesAndMovesOn)
{
    m_editor.setPlainText("cat dog cat");
    const SearchRequest request = Request("cat", None, "bird");
    ASSERT_TRUE(ReplaceInEditor(m_editor, request));
    EXPECT_EQ(m_editor.toPlainText(), "cat dog cat") << "nothing selected yet: Replace only finds";
    EXPECT_EQ(SelectionStart(), 0);
    ASSERT_TRUE(ReplaceInEditor(m_editor, request));
    EXPECT_EQ(m_editor.toPlainText(), "bird dog cat");
    EXPECT_EQ(SelectionStart(), 9);
    EXPECT_FALSE(ReplaceInEditor(m_editor, request)) << "the last one replaced, nothing is left";
    EXPECT_EQ(m_editor.toPlainText(), "bird dog bird");

    m_editor.setPlainText("ab ab ab");
    Select(6, 8);
    ASSERT_TRUE(ReplaceInEditor(m_editor, Request("ab", Up, "abab")));
    EXPECT_EQ(m_editor.toPlainText(), "ab ab abab");
    EXPECT_EQ(SelectionStart(), 3) << "up goes on in front of the replacement";
}

TEST_F(FindReplaceTest, ReplaceAllIsOneUndoableEditOverTheWholeText)
{
    const QString original = "Given x\nGiven y\ngiven z\n";
    m_editor.setPlainText(original);
    Select(16, 18);
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("Given", Case | Up, "Angenommen")), 2)
        << "whatever the selection and direction";
    EXPECT_EQ(m_editor.toPlainText(), "Angenommen x\nAngenommen y\ngiven z\n");
    m_editor.document()->undo();
    EXPECT_EQ(m_editor.toPlainText(), original);
    EXPECT_FALSE(m_editor.document()->isUndoAvailable());

    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("absent", None, "x")), 0);
    EXPECT_FALSE(m_editor.document()->isUndoAvailable()) << "no match, no undo step";

    m_editor.setPlainText("a-a-a");
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("a", None, "aa")), 3) << "the replacement is not searched";
    EXPECT_EQ(m_editor.toPlainText(), "aa-aa-aa");
}

TEST_F(FindReplaceTest, FindNextOpensFindFirstThenRepeatsTheDialogsSearchAndTellsWhenNothingIsFound)
{
    EXPECT_FALSE(m_find.FindNext());
    ASSERT_NE(m_find.dialog(), nullptr);
    EXPECT_TRUE(m_find.dialog()->isVisible());
    EXPECT_FALSE(m_find.dialog()->replaceMode());
    EXPECT_EQ(m_find.dialog()->windowTitle(), "Find");
    EXPECT_TRUE(m_messages.isEmpty());

    FindWhat().setText("cat");
    Child("findNextButton").click();
    EXPECT_EQ(SelectionStart(), 8);
    m_find.dialog()->close();
    ASSERT_TRUE(m_find.FindNext());
    EXPECT_EQ(SelectionStart(), 21);
    ASSERT_TRUE(m_find.FindNext());
    EXPECT_EQ(SelectionStart(), 8) << "round the end";

    m_find.ShowFind();
    FindWhat().setText("dog");
    Child("findNextButton").click();
    EXPECT_EQ(m_messages, QStringList { "Cannot find \"dog\"" });
    EXPECT_FALSE(m_find.FindNext()) << "F3 repeats the failing search";
    EXPECT_EQ(m_messages.size(), 2);
    EXPECT_EQ(SelectionStart(), 8) << "nothing found leaves the selection";
    EXPECT_EQ(Selected(), "cat");
}

TEST_F(FindReplaceTest, CaseWholeWordAndDirectionOfTheDialogReachTheSearch)
{
    m_find.ShowFind();
    FindWhat().setText("Then");
    Child<QCheckBox>("matchCase").setChecked(true);
    Child<QCheckBox>("wholeWord").setChecked(true);
    Child<QRadioButton>("up").setChecked(true);
    const SearchRequest request = m_find.dialog()->request();
    EXPECT_TRUE(request.matchCase && request.wholeWord && request.up);

    m_editor.moveCursor(QTextCursor::End);
    Child("findNextButton").click();
    EXPECT_EQ(Selected(), "Then");
    FindWhat().setText("then");
    Child("findNextButton").click();
    EXPECT_EQ(m_messages, QStringList { "Cannot find \"then\"" });
}

TEST_F(FindReplaceTest, ReplaceModeShowsItsFieldsAndItsButtonsWaitForATextToFind)
{
    m_find.ShowReplace();
    FindReplaceDialog* dialog = m_find.dialog();
    EXPECT_EQ(dialog->windowTitle(), "Replace");
    EXPECT_TRUE(Child<QLineEdit>("replaceWith").isVisible());
    for (const char* what : { "", "cat" }) {
        FindWhat().setText(QLatin1String(what));
        for (const char* name : { "findNextButton", "replaceButton", "replaceAllButton" })
            EXPECT_EQ(Child(name).isEnabled(), *what != 0) << name << " with \"" << what << '"';
    }
    Child<QLineEdit>("replaceWith").setText("dog");
    Child("replaceAllButton").click();
    EXPECT_EQ(m_editor.toPlainText(), "Given a dog\nWhen the dog sleeps\nThen nothing happens\n");
    FindWhat().setText("bird");
    Child("replaceAllButton").click();
    EXPECT_EQ(m_messages, QStringList { "Cannot find \"bird\"" });

    m_find.ShowFind();
    EXPECT_EQ(m_find.dialog(), dialog);
    EXPECT_FALSE(Child<QLineEdit>("replaceWith").isVisible());
    EXPECT_FALSE(Child("replaceButton").isVisible());
}

TEST_F(FindReplaceTest, ShowTakesASingleLineSelectionAsTheTextToFind)
{
    Select(12, 16);
    m_find.ShowFind();
    EXPECT_EQ(FindWhat().text(), "When");
    // A selection over more than one line is no text to find; the last search stays.
    m_find.dialog()->FindNext();
    Select(0, 20);
    m_find.ShowReplace();
    EXPECT_EQ(FindWhat().text(), "When");
}

} // namespace
