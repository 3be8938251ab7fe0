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

// Records the program's message boxes instead of showing them.
class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(SetMessageBoxHandler([this](MessageBoxKind, const QString& text) {
            messages << text;
            return QMessageBox::Ok;
        }))
    {
    }
    ~MessageRecorder() { SetMessageBoxHandler(m_previous); }

    QStringList messages;

private:
    MessageBoxHandler m_previous;
};

class FindReplaceTest : public ::testing::Test {
protected:
    FindReplaceTest()
        : m_find(&m_editor, &m_window)
    {
        m_editor.setPlainText("Given a cat\nWhen the cat sleeps\nThen nothing happens\n");
    }

    template <typename T> T& Child(const char* name)
    {
        return *m_find.dialog()->findChild<T*>(QLatin1String(name));
    }

    QString Selected() const { return m_editor.textCursor().selectedText(); }

    QWidget m_window;
    QPlainTextEdit m_editor;
    FindReplace m_find;
    MessageRecorder m_recorder;
};

TEST_F(FindReplaceTest, FindNextWithoutAnEarlierSearchOpensFind)
{
    EXPECT_FALSE(m_find.FindNext());
    ASSERT_NE(m_find.dialog(), nullptr);
    EXPECT_TRUE(m_find.dialog()->isVisible());
    EXPECT_FALSE(m_find.dialog()->replaceMode());
    EXPECT_EQ(m_find.dialog()->windowTitle(), "Find");
    EXPECT_TRUE(m_recorder.messages.isEmpty());
}

TEST_F(FindReplaceTest, FindNextRepeatsTheDialogsSearch)
{
    m_find.ShowFind();
    Child<QLineEdit>("findWhat").setText("cat");
    Child<QPushButton>("findNextButton").click();
    EXPECT_EQ(m_editor.textCursor().selectionStart(), 8);
    m_find.dialog()->close();

    ASSERT_TRUE(m_find.FindNext());
    EXPECT_EQ(Selected(), "cat");
    EXPECT_EQ(m_editor.textCursor().selectionStart(), 21);
    ASSERT_TRUE(m_find.lastSearch().has_value());
    EXPECT_EQ(m_find.lastSearch()->findWhat, "cat");
}

TEST_F(FindReplaceTest, NotFoundIsToldThroughTheMessageBox)
{
    m_find.ShowFind();
    Child<QLineEdit>("findWhat").setText("dog");
    Child<QPushButton>("findNextButton").click();
    EXPECT_EQ(m_recorder.messages, QStringList { "Cannot find \"dog\"" });
    // F3 repeats the failing search and tells it again.
    EXPECT_FALSE(m_find.FindNext());
    EXPECT_EQ(m_recorder.messages.size(), 2);
}

TEST_F(FindReplaceTest, OptionsOfTheDialogReachTheSearch)
{
    m_find.ShowFind();
    Child<QLineEdit>("findWhat").setText("Then");
    Child<QCheckBox>("matchCase").setChecked(true);
    Child<QCheckBox>("wholeWord").setChecked(true);
    Child<QRadioButton>("up").setChecked(true);
    const SearchRequest request = m_find.dialog()->request();
    EXPECT_TRUE(request.matchCase);
    EXPECT_TRUE(request.wholeWord);
    EXPECT_TRUE(request.up);

    m_editor.moveCursor(QTextCursor::End);
    Child<QPushButton>("findNextButton").click();
    EXPECT_EQ(Selected(), "Then");
    Child<QLineEdit>("findWhat").setText("then");
    Child<QPushButton>("findNextButton").click();
    EXPECT_EQ(m_recorder.messages, QStringList { "Cannot find \"then\"" });
}

TEST_F(FindReplaceTest, ReplaceModeShowsItsFieldsAndFindHidesThem)
{
    m_find.ShowReplace();
    FindReplaceDialog* dialog = m_find.dialog();
    EXPECT_EQ(dialog->windowTitle(), "Replace");
    EXPECT_TRUE(Child<QLineEdit>("replaceWith").isVisible());
    EXPECT_TRUE(Child<QPushButton>("replaceAllButton").isVisible());
    m_find.ShowFind();
    EXPECT_EQ(m_find.dialog(), dialog);
    EXPECT_FALSE(Child<QLineEdit>("replaceWith").isVisible());
    EXPECT_FALSE(Child<QPushButton>("replaceButton").isVisible());
}

TEST_F(FindReplaceTest, ReplaceAllFromTheDialogIsOneUndoStep)
{
    const QString original = m_editor.toPlainText();
    m_find.ShowReplace();
    Child<QLineEdit>("findWhat").setText("cat");
    Child<QLineEdit>("replaceWith").setText("dog");
    Child<QPushButton>("replaceAllButton").click();
    EXPECT_EQ(m_editor.toPlainText(), "Given a dog\nWhen the dog sleeps\nThen nothing happens\n");
    m_editor.undo();
    EXPECT_EQ(m_editor.toPlainText(), original);
    EXPECT_TRUE(m_recorder.messages.isEmpty());

    Child<QLineEdit>("findWhat").setText("bird");
    Child<QPushButton>("replaceAllButton").click();
    EXPECT_EQ(m_recorder.messages, QStringList { "Cannot find \"bird\"" });
}

TEST_F(FindReplaceTest, ShowTakesASingleLineSelectionAsTheTextToFind)
{
    QTextCursor cursor(m_editor.document());
    cursor.setPosition(12);
    cursor.setPosition(16, QTextCursor::KeepAnchor);
    m_editor.setTextCursor(cursor);
    m_find.ShowFind();
    EXPECT_EQ(Child<QLineEdit>("findWhat").text(), "When");

    // A selection over more than one line is no text to find; the last search stays.
    m_find.dialog()->FindNext();
    cursor.setPosition(0);
    cursor.setPosition(20, QTextCursor::KeepAnchor);
    m_editor.setTextCursor(cursor);
    m_find.ShowReplace();
    EXPECT_EQ(Child<QLineEdit>("findWhat").text(), "When");
}

TEST_F(FindReplaceTest, ButtonsWaitForATextToFind)
{
    m_find.ShowReplace();
    Child<QLineEdit>("findWhat").clear();
    for (const char* name : { "findNextButton", "replaceButton", "replaceAllButton" })
        EXPECT_FALSE(Child<QPushButton>(name).isEnabled()) << name;
    Child<QLineEdit>("findWhat").setText("x");
    for (const char* name : { "findNextButton", "replaceButton", "replaceAllButton" })
        EXPECT_TRUE(Child<QPushButton>(name).isEnabled()) << name;
}

} // namespace
