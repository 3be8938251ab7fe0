#include "find/FindReplace.h"
#include "platform/TextControl.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

enum Options { None = 0, Case = 1, Word = 2, Up = 4 };

SearchRequest Request(const QString& what, int options = None, const QString& with = {})
{
    return { what, with, bool(options & Case), bool(options & Word), bool(options & Up) };
}

TEST(FindInText, FindsTheExpectedMatch)
{
    const struct {
        QString text, what;
        int options;
        qsizetype from, start; // start -1: not found
        bool wrapped = false;
    } cases[] = {
        { "Given a step", "given", None, 0, 0 }, // case ignored
        { "AND And and", "and", Case, 0, 8 }, // on to the exact case
        { "scenario Scenarios scenario", "scenario", Word, 1, 19 }, // longer word skipped
        { "my_step row1 step", "step", Word, 0, 13 }, // '_' and digits belong to the word
        { "<name>|name", "name", Word, 0, 1 }, // punctuation ends one
        { "abc xyz abc", "abc", None, 9, 0, true }, // round the end
        { "abc xyz abc", "abc", Up, 10, 0 }, // up skips a match ending after from
        { "abc xyz abc", "abc", Up, 2, 8, true }, // round the start
        { "text", "", None, 0, -1 }, { "abc", "abc", None, 99, 0, true }, // from beyond the end
        { "abc", "abc", Up, -5, 0, true }, // from before the start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.what.toStdString() << "\" in \"" << c.text.toStdString()
                                        << "\" options " << c.options << " from " << c.from);
        const TextMatch match = FindInText(c.text, Request(c.what, c.options), c.from);
        EXPECT_EQ(match.start, c.start);
        EXPECT_EQ(match.wrapped, c.wrapped);
    }
}

class FindReplaceTest : public ::testing::Test {
protected:
    template <typename T = QPushButton> T& Child(const char* name)
    {
        return *m_find.dialog()->findChild<T*>(QLatin1String(name));
    }
    void Search(const QString& what, const char* button = "findNextButton")
    {
        Child<QLineEdit>("findWhat").setText(what);
        Child(button).click();
    }
    int SelectionStart() const { return m_editor.textCursor().selectionStart(); }

    QPlainTextEdit m_editor { QStringLiteral("Given a cat\nWhen the cat sleeps\nThen nothing happens\n") };
    TextControl m_control { &m_editor };
    FindReplace m_find { &m_editor, nullptr };
    MessageBoxRecorder m_boxes;
};

TEST_F(FindReplaceTest, ReplaceSelectsFirstThenReplacesAndMovesOn)
{
    m_editor.setPlainText("cat dog cat");
    const SearchRequest request = Request("cat", None, "bird");
    ASSERT_TRUE(ReplaceInEditor(m_editor, request));
    ASSERT_TRUE(ReplaceInEditor(m_editor, request)) << "nothing was selected: the first only finds";
    EXPECT_EQ(m_editor.toPlainText(), "bird dog cat");
    EXPECT_EQ(SelectionStart(), 9);
    EXPECT_FALSE(ReplaceInEditor(m_editor, request)) << "the last one replaced, nothing is left";
    EXPECT_EQ(m_editor.toPlainText(), "bird dog bird");

    m_editor.setPlainText("ab ab ab");
    m_control.SetSel(6, 8);
    ASSERT_TRUE(ReplaceInEditor(m_editor, Request("ab", Up, "abab")));
    EXPECT_EQ(m_editor.toPlainText(), "ab ab abab");
    EXPECT_EQ(SelectionStart(), 3) << "up goes on in front of the replacement";
}

TEST_F(FindReplaceTest, ReplaceAllIsOneUndoableEditThatChangesOnlyTheMatches)
{
    // The no-break space, a blank to the search, stays what it is.
    const QString original = QStringLiteral(u"Given x\r\nGiven\u00a0y\r\ngiven z\r\n");
    m_control.SetWholeText(original);
    m_control.SetSel(16, 18);
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("Given", Case | Up, "Angenommen")), 2)
        << "whatever the selection and direction";
    EXPECT_EQ(m_control.GetWholeText(), QStringLiteral(u"Angenommen x\r\nAngenommen\u00a0y\r\ngiven z\r\n"));
    m_editor.undo();
    EXPECT_EQ(m_control.GetWholeText(), original);
    EXPECT_FALSE(m_control.CanUndo());

    m_editor.setPlainText("a-a-a");
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("a", None, "aa")), 3) << "the replacement is not searched";
    EXPECT_EQ(m_editor.toPlainText(), "aa-aa-aa");
}

TEST_F(FindReplaceTest, FindNextOpensFindFirstThenRepeatsTheDialogsSearchAndTellsWhenNothingIsFound)
{
    EXPECT_FALSE(m_find.FindNext());
    ASSERT_TRUE(m_find.dialog() && m_find.dialog()->isVisible() && !m_find.dialog()->replaceMode());
    EXPECT_TRUE(m_boxes.texts.isEmpty());

    Search("cat");
    EXPECT_EQ(SelectionStart(), 8);
    m_find.dialog()->close();
    ASSERT_TRUE(m_find.FindNext());
    EXPECT_EQ(SelectionStart(), 21);

    m_find.ShowFind();
    Search("dog");
    EXPECT_EQ(m_boxes.texts, QStringList { "Cannot find \"dog\"" });
    EXPECT_FALSE(m_find.FindNext()) << "F3 repeats the failing search";
    EXPECT_EQ(m_control.GetSelectedText(), "cat") << "nothing found leaves the selection";

    Child<QCheckBox>("matchCase").setChecked(true);
    Child<QCheckBox>("wholeWord").setChecked(true);
    Child<QRadioButton>("up").setChecked(true);
    EXPECT_EQ(m_find.dialog()->request(), Request("dog", Case | Word | Up));
}

TEST_F(FindReplaceTest, ReplaceModeShowsItsFieldsAndItsButtonsWaitForATextToFind)
{
    m_control.SetSel(12, 16);
    m_find.ShowReplace();
    EXPECT_EQ(m_find.dialog()->windowTitle(), "Replace");
    EXPECT_EQ(Child<QLineEdit>("findWhat").text(), "When")
        << "a selection within one line is the text to find";
    Child<QLineEdit>("findWhat").clear();
    for (const char* name : { "findNextButton", "replaceButton", "replaceAllButton" })
        EXPECT_FALSE(Child(name).isEnabled()) << name << " with nothing to find";
    Child<QLineEdit>("replaceWith").setText("dog");
    Search("cat", "replaceAllButton");
    EXPECT_EQ(m_editor.toPlainText(), "Given a dog\nWhen the dog sleeps\nThen nothing happens\n");
    Search("bird", "replaceAllButton");
    EXPECT_EQ(m_boxes.texts, QStringList { "Cannot find \"bird\"" });

    m_control.SetSel(0, 20); // over two lines: no text to find, the last search stays
    m_find.ShowFind();
    EXPECT_EQ(Child<QLineEdit>("findWhat").text(), "bird");
    EXPECT_FALSE(Child("replaceButton").isVisible());
}

} // namespace
