// The menus, toolbar, keys and status bar as the window actually builds them.
#include "ShellFixture.h"
#include "app/CHelpDialog.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/FindReplaceDialog.h"
#include "platform/Clipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace CommandId;

namespace {
// One line per item in the notation of the menu resource: text, a tab and the
// shown key, then the command id; "-" for a separator, "text >" for a sub-menu.
void Describe(const QMenu* menu, std::vector<std::string>& out, const std::string& indent = "")
{
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            out.push_back(indent + "-");
        } else if (action->menu()) {
            out.push_back(indent + action->text().toStdString() + " >");
            Describe(action->menu(), out, indent + "  ");
        } else {
            std::string line = action->text().toStdString();
            if (!action->shortcut().isEmpty())
                line += "\t" + action->shortcut().toString(QKeySequence::PortableText).toStdString();
            out.push_back(indent + line + " (" + std::to_string(action->data().toInt()) + ")");
        }
    }
}

std::vector<std::string> DescribeMenuBar(const QMenuBar* bar)
{
    std::vector<std::string> out;
    for (const QAction* action : bar->actions()) {
        if (action->menu()) {
            out.push_back(QStringLiteral("[%1]").arg(action->text()).toStdString());
            Describe(action->menu(), out, "  ");
        } else {
            out.push_back(
                QStringLiteral("[%1] (%2)").arg(action->text()).arg(action->data().toInt()).toStdString());
        }
    }
    return out;
}

QAction* ActionWithId(const QWidget* widget, int id)
{
    for (QAction* action : widget->findChildren<QAction*>()) {
        if (!action->isSeparator() && action->data().toInt() == id)
            return action;
    }
    return nullptr;
}
}

class MenuTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        StartApp();
    }
};

TEST_F(MenuTest, MenuBarHasTheTextsKeysIdsAndOrderOfTheMainMenu)
{
    const std::vector<std::string> expected = {
        "[&File]",
        "  &New\tCtrl+N (57600)",
        "  &Open...\tCtrl+O (57601)",
        "  &Save\tCtrl+S (57603)",
        "  Save &As... (57604)",
        "  -",
        "  &Print...\tCtrl+P (57607)",
        "  Print Pre&view (57609)",
        "  P&rint Setup... (57606)",
        "  -",
        "  Recent File (57616)",
        "  -",
        "  E&xit (57665)",
        "[&Edit]",
        "  &Undo\tCtrl+Z (57643)",
        "  -",
        "  Cu&t\tCtrl+X (57635)",
        "  &Copy\tCtrl+C (57634)",
        "  &Paste\tCtrl+V (57637)",
        "  Select A&ll\tCtrl+A (57642)",
        "  -",
        "  &Find...\tCtrl+F (57636)",
        "  F&ind Next\tF3 (57640)",
        "  R&eplace\tCtrl+H (57641)",
        "  -",
        "  Format (32815)",
        "  Unformat (32816)",
        "[Insert]",
        "  Scenario (32785)",
        "  Scenario with Tables (32796)",
        "  Scenario Outline (32786)",
        "  Background (32811)",
        "  -",
        "  Business Rule (32787)",
        "  Domain Term (32803)",
        "  -",
        "  Include File (32812)",
        "  -",
        "  Sample Scenario (32804)",
        "  Sample Business Rule (32805)",
        "  Sample Domain Term (32806)",
        "  Sample Scenario with Tables (32809)",
        "  Sample Scenario Outline (32808)",
        "  -",
        "  Rule (32788)",
        "  Example (32797)",
        "[&View]",
        "  &Toolbars and Docking Windows >",
        "    Standard (59392)",
        "  &Status Bar (59393)",
        "  Refresh  (32789)",
        "[Settings] (32813)",
        "[&Help]",
        "  &About Quillmark2... (57664)",
        "  Help (32810)",
    };
    EXPECT_EQ(DescribeMenuBar(Frame().menuBar()), expected);
}

TEST_F(MenuTest, ViewPopupMenuIsTitledEditAndHoldsItsEightItems)
{
    std::vector<std::string> items;
    Describe(Frame().ViewPopupMenu(), items);
    const std::vector<std::string> expected = {
        "Cu&t\tCtrl+X (57635)",
        "&Copy\tCtrl+C (57634)",
        "&Paste\tCtrl+V (57637)",
        "-",
        "Select A&ll\tCtrl+A (57642)",
        "Table  (32771)",
        "String  (32802)",
        "Edit Include File (32814)",
    };
    EXPECT_EQ(Frame().ViewPopupMenu()->title(), QStringLiteral("Edit"));
    EXPECT_EQ(items, expected);
}

TEST_F(MenuTest, EveryKeyOfTheAcceleratorTableReachesItsCommandAndNoKeyIsShared)
{
    const std::map<std::string, int> expected = {
        { "Ctrl+N", ID_FILE_NEW },
        { "Ctrl+O", ID_FILE_OPEN },
        { "Ctrl+S", ID_FILE_SAVE },
        { "Ctrl+P", ID_FILE_PRINT },
        { "Ctrl+Z", ID_EDIT_UNDO },
        { "Ctrl+X", ID_EDIT_CUT },
        { "Ctrl+C", ID_EDIT_COPY },
        { "Ctrl+V", ID_EDIT_PASTE },
        { "Ctrl+A", ID_EDIT_SELECT_ALL },
        { "Ctrl+F", ID_EDIT_FIND },
        { "F3", ID_EDIT_REPEAT },
        { "Ctrl+H", ID_EDIT_REPLACE },
        { "Alt+Backspace", ID_EDIT_UNDO },
        { "Shift+Del", ID_EDIT_CUT },
        { "Ctrl+Ins", ID_EDIT_COPY },
        { "Shift+Ins", ID_EDIT_PASTE },
    };
    // Two actions on one key make Qt refuse the key for both.
    std::map<std::string, int> bound;
    for (const QAction* action : Frame().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const std::string text = key.toString(QKeySequence::PortableText).toStdString();
            EXPECT_EQ(bound.count(text), 0u) << text << " is bound twice";
            bound[text] = action->data().toInt();
        }
    }
    EXPECT_EQ(bound, expected);
}

TEST_F(MenuTest, ToolbarHasItsButtonsTooltipsAndPromptsInOrder)
{
    struct Button {
        int id;
        const char* tip;
        const char* prompt;
    };
    const std::vector<Button> expected = {
        { ID_FILE_NEW, "New", "Create a new document" },
        { ID_FILE_OPEN, "Open", "Open an existing document" },
        { ID_FILE_SAVE, "Save", "Save the active document" },
        { 0, nullptr, nullptr },
        { ID_EDIT_CUT, "Cut", "Cut the selection and put it on the Clipboard" },
        { ID_EDIT_COPY, "Copy", "Copy the selection and put it on the Clipboard" },
        { ID_EDIT_PASTE, "Paste", "Insert Clipboard contents" },
        { 0, nullptr, nullptr },
        { ID_FILE_PRINT, "Print", "Print the active document" },
        { ID_APP_ABOUT, "About", "Display program information, version number and copyright" },
    };
    const QList<QAction*> actions = Frame().StandardToolBar()->actions();
    EXPECT_EQ(Frame().StandardToolBar()->windowTitle(), QStringLiteral("Standard"));
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const QAction* action = actions[static_cast<qsizetype>(i)];
        if (expected[i].id == 0) {
            EXPECT_TRUE(action->isSeparator());
            continue;
        }
        EXPECT_EQ(action->data().toInt(), expected[i].id);
        EXPECT_EQ(action->toolTip(), QString::fromUtf8(expected[i].tip));
        EXPECT_EQ(action->statusTip(), QString::fromUtf8(expected[i].prompt));
        // An icon whose image format cannot be read (our SVGs without Qt's SVG plugin) is
        // not null but paints nothing; ask for real pixels.
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << "the button would show no picture";
    }
}

TEST_F(MenuTest, StatusBarShowsReadyAndTheThreeLockPanes)
{
    QStringList texts;
    for (const QLabel* label : Frame().statusBar()->findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_EQ(texts, (QStringList { "Ready", "CAP", "NUM", "SCRL" }));
}

TEST_F(MenuTest, ClipboardCommandsFollowSelectionClipboardAndUndoHistory)
{
    CommandTable& commands = Frame().Commands();
    const auto enabled = [&commands](int id) {
        commands.Update({ commands.Action(id) });
        return commands.Action(id)->isEnabled();
    };
    View().moveCursor(QTextCursor::End);
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_UNDO)) << "a new document has nothing to undo";

    View().selectAll();
    EXPECT_TRUE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_EDIT_COPY));

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("Given a step")));
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(Frame().Commands().Action(ID_EDIT_PASTE)->isEnabled())
        << "the toolbar's Paste follows the clipboard without a menu opening";

    TypeAtEnd(QStringLiteral("x"));
    EXPECT_TRUE(enabled(ID_EDIT_UNDO));
}

TEST_F(MenuTest, InsertRefreshAndSettingsAreEnabledEvenInAnEmptyDocument)
{
    View().SetWholeText(QString());
    View().RefreshAllLines();
    CommandTable& commands = Frame().Commands();
    std::vector<int> ids(std::begin(insertCommands), std::end(insertCommands));
    ids.insert(ids.end(), { ID_VIEW_REFRESH, ID_SETTINGS, ID_HELP_EDITOR, ID_EDIT_FORMAT, ID_EDIT_UNFORMAT });
    for (int id : ids) {
        commands.Update({ commands.Action(id) });
        EXPECT_TRUE(commands.Action(id)->isEnabled()) << id;
    }
}

TEST_F(MenuTest, ViewMenuShowsAndHidesTheToolbarAndStatusBar)
{
    Frame().show();
    CommandTable& commands = Frame().Commands();
    ASSERT_TRUE(commands.Execute(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(Frame().StandardToolBar()->isHidden());
    ASSERT_TRUE(commands.Execute(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    commands.UpdateAll();
    EXPECT_FALSE(commands.Action(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_FALSE(commands.Action(ID_VIEW_STATUS_BAR)->isChecked());

    ASSERT_TRUE(commands.Execute(ID_VIEW_TOOLBAR));
    ASSERT_TRUE(commands.Execute(ID_VIEW_STATUS_BAR));
    commands.UpdateAll();
    EXPECT_FALSE(Frame().StandardToolBar()->isHidden());
    EXPECT_TRUE(commands.Action(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_TRUE(commands.Action(ID_VIEW_STATUS_BAR)->isChecked());
}

TEST_F(MenuTest, RecentFileEntriesTakeThePlaceOfTheGrayedPlaceholder)
{
    QAction* placeholder = ActionWithId(&Frame(), ID_FILE_MRU_FILE1);
    ASSERT_NE(placeholder, nullptr);
    Frame().Commands().Update({ placeholder });
    EXPECT_FALSE(placeholder->isEnabled());

    const QString a = WriteFile(QStringLiteral("a.feature"), "Feature: A\r\n");
    const QString b = WriteFile(QStringLiteral("b&c.feature"), "Feature: B\r\n");
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(a));
    ASSERT_TRUE(Frame().Documents().OpenDocumentFile(b));

    std::vector<std::string> items;
    Describe(Frame().FileMenu(), items);
    const std::string newest
        = QStringLiteral("&1 %1 (57616)").arg(QDir::toNativeSeparators(b).replace("&", "&&")).toStdString();
    const std::string older = QStringLiteral("&2 %1 (57617)").arg(QDir::toNativeSeparators(a)).toStdString();
    const auto at = std::find(items.begin(), items.end(), newest);
    ASSERT_NE(at, items.end()) << "newest entry missing";
    ASSERT_NE(at + 1, items.end());
    EXPECT_EQ(*(at + 1), older);
    EXPECT_FALSE(placeholder->isVisible());

    // Choosing an entry reorders the list while that entry is still firing.
    QCoreApplication::processEvents();
    QAction* second = ActionWithId(&Frame(), ID_FILE_MRU_FILE1 + 1);
    ASSERT_NE(second, nullptr);
    second->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Doc().GetPathName(), a);
    items.clear();
    Describe(Frame().FileMenu(), items);
    EXPECT_NE(std::find(items.begin(), items.end(),
                  QStringLiteral("&1 %1 (57616)").arg(QDir::toNativeSeparators(a)).toStdString()),
        items.end());
}

namespace {
// Closes the first modal dialog that comes up and reports its class name.
void CloseNextModalDialog(QString& className)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &className] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        className = QString::fromLatin1(dialog->metaObject()->className());
        if (auto* help = qobject_cast<CHelpDialog*>(dialog); help && help->which() != HelpText::Editor)
            className += QStringLiteral(" (wrong text)");
        dialog->close();
    });
    poll->start(0);
}
}

TEST_F(MenuTest, HelpAndAboutCommandsShowTheirDialogs)
{
    QString shown;
    CloseNextModalDialog(shown);
    ASSERT_TRUE(Frame().Commands().Execute(ID_HELP_EDITOR));
    EXPECT_EQ(shown, QStringLiteral("CHelpDialog"));

    CloseNextModalDialog(shown);
    ASSERT_TRUE(Frame().Commands().Execute(ID_APP_ABOUT));
    EXPECT_EQ(shown, QStringLiteral("CAboutDlg"));
}

TEST_F(MenuTest, FindAndReplaceOpenTheOneModelessDialogInTheirMode)
{
    ASSERT_TRUE(Frame().Commands().Execute(ID_EDIT_FIND));
    QList<FindReplaceDialog*> dialogs = Frame().findChildren<FindReplaceDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(dialogs[0]->isVisible());
    EXPECT_FALSE(dialogs[0]->replaceMode());

    ASSERT_TRUE(Frame().Commands().Execute(ID_EDIT_REPLACE));
    dialogs = Frame().findChildren<FindReplaceDialog*>();
    ASSERT_EQ(dialogs.size(), 1) << "one dialog serves both commands";
    EXPECT_TRUE(dialogs[0]->replaceMode());
    dialogs[0]->close();
}
