// The menus, keys, toolbar and status bar as the window actually builds them.
#include "ShellFixture.h"
#include "app/CAboutDlg.h"
#include "app/CHelpDialog.h"
#include "app/FindReplaceDialog.h"
#include "app/RecentFileList.h"
#include "platform/Clipboard.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <set>

namespace {
// One line per shown item: text, a tab and its keys, then the command id; "-" for a
// separator, "text >" for a sub-menu, "[text]" for a menu of the bar.
void Describe(const QList<QAction*>& actions, QStringList& out, const QString& indent)
{
    for (const QAction* action : actions) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            out << indent + u'-';
            continue;
        }
        QString line = indent + (indent.isEmpty() ? u'[' + action->text() + u']' : action->text());
        if (action->menu()) {
            out << line + (indent.isEmpty() ? QString() : QStringLiteral(" >"));
            Describe(action->menu()->actions(), out, indent + QStringLiteral("  "));
            continue;
        }
        if (!action->shortcuts().isEmpty())
            line += u'\t' + QKeySequence::listToString(action->shortcuts());
        out << line + QStringLiteral(" (%1)").arg(action->data().toInt());
    }
}

}

class MenuTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        StartApp();
    }

    QStringList FileMenu() const
    {
        QStringList items;
        Describe(Frame().FileMenu()->actions(), items, QStringLiteral("  "));
        return items;
    }

    bool PopupEnabled(int id) const
    {
        Frame().Commands().Update(Frame().ViewPopupMenu()->actions());
        return Frame().Commands().Action(id)->isEnabled();
    }
};

TEST_F(MenuTest, MenuBarAndPopupHaveTheTextsKeysIdsAndOrderOfTheCommandTable)
{
    QStringList items;
    Describe(Frame().menuBar()->actions(), items, QString());
    items << QStringLiteral("[popup %1]").arg(Frame().ViewPopupMenu()->title());
    Describe(Frame().ViewPopupMenu()->actions(), items, QStringLiteral("  "));
    const QStringList expected = { "[&File]", "  &New\tCtrl+N (57600)", "  &Open...\tCtrl+O (57601)",
        "  &Save\tCtrl+S (57603)", "  Save &As... (57604)", "  -", "  &Print...\tCtrl+P (57607)",
        "  Print Pre&view (57609)", "  P&rint Setup... (57606)", "  -", "  Recent File (57616)", "  -",
        "  E&xit (57665)", //
        "[&Edit]", "  &Undo\tCtrl+Z; Alt+Backspace (57643)", "  -", "  Cu&t\tCtrl+X; Shift+Del (57635)",
        "  &Copy\tCtrl+C; Ctrl+Ins (57634)", "  &Paste\tCtrl+V; Shift+Ins (57637)",
        "  Select A&ll\tCtrl+A (57642)", "  -", "  &Find...\tCtrl+F (57636)", "  F&ind Next\tF3 (57640)",
        "  R&eplace\tCtrl+H (57641)", "  -", "  Format (32815)", "  Unformat (32816)", //
        "[Insert]", "  Scenario (32785)", "  Scenario with Tables (32796)", "  Scenario Outline (32786)",
        "  Background (32811)", "  -", "  Business Rule (32787)", "  Domain Term (32803)", "  -",
        "  Include File (32812)", "  -", "  Sample Scenario (32804)", "  Sample Business Rule (32805)",
        "  Sample Domain Term (32806)", "  Sample Scenario with Tables (32809)",
        "  Sample Scenario Outline (32808)", "  -", "  Rule (32788)", "  Example (32797)", //
        "[&View]", "  &Toolbars and Docking Windows >", "    Standard (59392)", "  &Status Bar (59393)",
        "  Refresh  (32789)", //
        "[Settings] (32813)", //
        "[&Help]", "  &About Quillmark2... (57664)", "  Help (32810)", //
        "[popup Edit]", "  Cu&t\tCtrl+X; Shift+Del (57635)", "  &Copy\tCtrl+C; Ctrl+Ins (57634)",
        "  &Paste\tCtrl+V; Shift+Ins (57637)", "  -", "  Select A&ll\tCtrl+A (57642)", "  Table  (32771)",
        "  String  (32802)", "  Edit Include File (32814)" };
    EXPECT_EQ(items.join('\n').toStdString(), expected.join('\n').toStdString());

    // Two actions on one key make Qt refuse the key for both; no key lives outside the menus.
    std::set<QString> bound;
    for (const QAction* action : Frame().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_TRUE(bound.insert(key.toString()).second) << key.toString().toStdString() << " twice";
    }
    EXPECT_EQ(bound.size(), 16u);
}

TEST_F(MenuTest, ToolbarButtonsHaveTheirTooltipPromptAndPictureAndStatusBarItsPanes)
{
    const struct {
        int id; // 0: separator
        const char* tip;
        const char* prompt;
    } expected[] = {
        { ID_FILE_NEW, "New", "Create a new document" },
        { ID_FILE_OPEN, "Open", "Open an existing document" },
        { ID_FILE_SAVE, "Save", "Save the active document" },
        { 0, "", "" },
        { ID_EDIT_CUT, "Cut", "Cut the selection and put it on the Clipboard" },
        { ID_EDIT_COPY, "Copy", "Copy the selection and put it on the Clipboard" },
        { ID_EDIT_PASTE, "Paste", "Insert Clipboard contents" },
        { 0, "", "" },
        { ID_FILE_PRINT, "Print", "Print the active document" },
        { ID_APP_ABOUT, "About", "Display program information, version number and copyright" },
    };
    const QList<QAction*> actions = Frame().StandardToolBar()->actions();
    EXPECT_EQ(Frame().StandardToolBar()->windowTitle(), QStringLiteral("Standard"));
    ASSERT_EQ(size_t(actions.size()), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const QAction* action = actions[qsizetype(i)];
        EXPECT_EQ(action->isSeparator(), expected[i].id == 0);
        if (expected[i].id == 0)
            continue;
        EXPECT_EQ(action->data().toInt(), expected[i].id);
        EXPECT_EQ(action->toolTip(), QLatin1String(expected[i].tip));
        EXPECT_EQ(action->statusTip(), QLatin1String(expected[i].prompt));
        // An icon whose format cannot be read (SVG without Qt's plugin) is not null but paints nothing.
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << "the button would show no picture";
    }

    QStringList panes;
    for (const QLabel* label : Frame().statusBar()->findChildren<QLabel*>())
        panes << label->text();
    EXPECT_EQ(panes, (QStringList { "Ready", "CAP", "NUM", "SCRL" }));
}

TEST_F(MenuTest, PasteFollowsTheClipboardAndInsertCommandsWorkEvenInAnEmptyDocument)
{
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("Given a step")));
    EXPECT_TRUE(Frame().Commands().Action(ID_EDIT_PASTE)->isEnabled())
        << "the toolbar's Paste follows the clipboard without a menu opening";

    View().SetWholeText(QString());
    View().RefreshAllLines();
    std::vector<int> ids(std::begin(insertCommands), std::end(insertCommands));
    ids.insert(ids.end(), { ID_VIEW_REFRESH, ID_SETTINGS, ID_HELP_EDITOR, ID_EDIT_FORMAT, ID_EDIT_UNFORMAT });
    for (int id : ids)
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(MenuTest, ViewMenuHidesAndShowsTheBarsAndHiddenOnesStayHiddenAtTheNextStart)
{
    Frame().show();
    CommandTable& commands = Frame().Commands();
    ASSERT_TRUE(commands.Execute(ID_VIEW_TOOLBAR));
    ASSERT_TRUE(commands.Execute(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(Frame().StandardToolBar()->isHidden());
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    commands.UpdateAll();
    EXPECT_FALSE(commands.Action(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_FALSE(commands.Action(ID_VIEW_STATUS_BAR)->isChecked());
    ASSERT_TRUE(commands.Execute(ID_VIEW_STATUS_BAR));
    commands.UpdateAll();
    EXPECT_FALSE(Frame().statusBar()->isHidden());
    EXPECT_TRUE(commands.Action(ID_VIEW_STATUS_BAR)->isChecked());

    Restart();
    EXPECT_TRUE(Frame().StandardToolBar()->isHidden());
    EXPECT_FALSE(Frame().statusBar()->isHidden());
}

TEST_F(MenuTest, RecentFileEntriesReplaceTheGrayedPlaceholderReorderWhenChosenAndSurviveARestart)
{
    EXPECT_FALSE(Enabled(ID_FILE_MRU_FILE1));
    const QString a = WriteFile(QStringLiteral("a.feature"), "Feature: A\r\n");
    const QString b = WriteFile(QStringLiteral("b&c.feature"), "Feature: B\r\n");
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(a));
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(b));
    const QString entryA = QDir::toNativeSeparators(a);
    const QString entryB = QDir::toNativeSeparators(b).replace("&", "&&");
    const QStringList entries
        = { QStringLiteral("  &1 %1 (57616)").arg(entryB), QStringLiteral("  &2 %1 (57617)").arg(entryA) };
    EXPECT_EQ(FileMenu().mid(FileMenu().indexOf("  P&rint Setup... (57606)") + 2, 2), entries);
    EXPECT_FALSE(FileMenu().contains(QStringLiteral("  Recent File (57616)")));

    // Choosing an entry reorders the list while that entry is still firing.
    QCoreApplication::processEvents();
    for (QAction* item : Frame().FileMenu()->actions()) {
        if (item->data().toInt() == ID_FILE_MRU_FILE1 + 1) {
            item->trigger();
            break;
        }
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(Doc().GetPathName(), a);
    EXPECT_TRUE(FileMenu().contains(QStringLiteral("  &1 %1 (57616)").arg(entryA)));

    Restart();
    EXPECT_EQ(m_app->RecentFiles().Paths(), (QStringList { a, b }));
}

TEST_F(MenuTest, HelpAndAboutShowTheirDialogsAndFindAndReplaceShareOneModelessDialog)
{
    HelpText shown = HelpText::Table;
    WhenModal<CHelpDialog>([&shown](CHelpDialog& dialog) {
        shown = dialog.which();
        dialog.close();
    });
    ASSERT_TRUE(Frame().Commands().Execute(ID_HELP_EDITOR));
    EXPECT_EQ(shown, HelpText::Editor);
    bool about = false;
    WhenModal<CAboutDlg>([&about](CAboutDlg& dialog) {
        about = true;
        dialog.close();
    });
    ASSERT_TRUE(Frame().Commands().Execute(ID_APP_ABOUT));
    EXPECT_TRUE(about);

    ASSERT_TRUE(Frame().Commands().Execute(ID_EDIT_FIND));
    EXPECT_FALSE(Frame().findChild<FindReplaceDialog*>()->replaceMode());
    ASSERT_TRUE(Frame().Commands().Execute(ID_EDIT_REPLACE));
    const auto dialogs = Frame().findChildren<FindReplaceDialog*>();
    ASSERT_EQ(dialogs.size(), 1) << "one modeless dialog serves both commands";
    EXPECT_TRUE(dialogs[0]->isVisible() && dialogs[0]->replaceMode());
    dialogs[0]->close();
}

TEST_F(MenuTest, PopupItemsFollowTheCaretLineAndTheLineBelow)
{
    // Line numbers in the comment column; more lines than are analysed.
    QString text = QStringLiteral("Feature: Pop-up\n" // 0
                                  "\n" // 1
                                  "  Scenario Outline: Cases\n" // 2
                                  "    Given a table\n" // 3
                                  "      | a | b |\n" // 4
                                  "    When a string\n" // 5
                                  "      \"\"\"\n" // 6
                                  "      text\n" // 7
                                  "      \"\"\"\n" // 8
                                  "    Then nothing follows\n" // 9
                                  "    And <x> is used\n" // 10
                                  "  Examples:\n" // 11
                                  "    | x |\n" // 12
                                  "#include \"data.csv\" \n" // 13
                                  "\t  #include\n" // 14
                                  "#Include \"other.csv\"\n" // 15
                                  "# include \"spaced.csv\"\n" // 16
                                  "  Scenario: Many steps"); // 17
    for (int i = 18; i < 2100; ++i)
        text += QStringLiteral("\n    Given step %1").arg(i);
    View().SetWholeText(text);
    View().RefreshAllLines();
    const int limit = View().analysis().maxAnalysedLines;
    ASSERT_EQ(View().analysis().analysedLineCount, limit);
    const struct {
        int line;
        bool table, string, include;
        const char* what;
    } cases[] = {
        { 0, false, false, false, "Feature heading" },
        { 3, true, false, false, "step before a table" },
        { 4, true, false, false, "table row" },
        { 5, false, true, false, "step before a doc-string delimiter" },
        { 6, false, true, false, "delimiter" },
        { 7, false, true, false, "doc-string text" },
        { 9, true, true, false, "step before a step" },
        { 11, true, false, false, "Examples" },
        { 13, false, false, true, "include line" },
        { 14, false, false, true, "indented include" },
        { 15, false, false, false, "other case: a comment" },
        { 16, false, false, false, "blank after '#'" },
        { limit - 1, true, true, false, "last analysed line, a step" },
        { limit + 5, false, false, false, "beyond the analysed lines" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << ": " << c.what);
        PutCaretOnLine(c.line);
        EXPECT_EQ(PopupEnabled(ID_TABLE), c.table);
        EXPECT_EQ(PopupEnabled(ID_STRING), c.string);
        EXPECT_EQ(PopupEnabled(ID_EDIT_INCLUDE_FILE), c.include);
    }

    View().SetWholeText(QStringLiteral("Feature: F\n  Scenario: S\n    Given the last line"));
    View().RefreshAllLines();
    PutCaretOnLine(2);
    EXPECT_TRUE(PopupEnabled(ID_TABLE)) << "a step with no line below takes a table";
    EXPECT_TRUE(PopupEnabled(ID_STRING)) << "and a doc string";
}

TEST_F(MenuTest, RequestFromTheViewOpensThePopupUpdatedForTheCaret)
{
    View().SetWholeText(QStringLiteral("Feature: F\n#include \"data.csv\"\n"));
    View().RefreshAllLines();
    PutCaretOnLine(1);
    Frame().Commands().Action(ID_EDIT_INCLUDE_FILE)->setEnabled(false);
    emit View().contextMenuRequested(View().mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(Frame().ViewPopupMenu()->isVisible());
    EXPECT_TRUE(Frame().Commands().Action(ID_EDIT_INCLUDE_FILE)->isEnabled());
    Frame().ViewPopupMenu()->close();

    // Edit Include File only tells the user why it cannot run another program.
    const QString before = View().WholeText();
    ASSERT_TRUE(Frame().Commands().Execute(ID_EDIT_INCLUDE_FILE));
    EXPECT_EQ(m_messages, QStringList { "Windows Store does not allow execution of other programs" });
    EXPECT_EQ(View().WholeText(), before);
}
