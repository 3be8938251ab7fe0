// The menus, keys, toolbar, status bar and pop-up menu, the settings they set, the help naming them.
#include "app/MenuLayout.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDialog.h"
#include "dialogs/CSettingsDialog.h"
#include "find/FindReplaceDialog.h"
#include "platform/Clipboard.h"
#include "support/ShellFixture.h"
#include "table/GridMenus.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTextEdit>
#include <QToolBar>

#include <set>

namespace {

class MenuTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        StartApp();
    }

    // The shown items of a menu of the bar: "-" for a separator, else text and id.
    QStringList Menu(const QString& title) const
    {
        QStringList items;
        for (const QAction* action : MenuActions(title))
            if (action->isVisible())
                items << (action->isSeparator()
                        ? "-"
                        : action->text() + QString(" (%1)").arg(action->data().toInt()));
        return items;
    }
    QStringList Panes() const
    {
        QStringList panes;
        for (const QLabel* label : Frame().statusBar()->findChildren<QLabel*>())
            if (!label->isHidden())
                panes << label->text();
        return panes;
    }
    QMenu& Popup() const { return *Frame().findChild<QMenu*>("viewPopupMenu"); }
    QToolBar& Toolbar() const { return *Frame().findChild<QToolBar*>("Standard"); }
    static QSettings Stored() { return QSettings("Quillmark", "Quillmark"); }
    // As the user meets them: the view's font and the keywords of the language.
    std::pair<int, QString> Settings() const
    {
        return { View().font().pointSize(),
            QString::fromStdU16String(m_app->CurrentLanguage().Keywords().code) };
    }
    // The Settings dialog picks the items whose data are `languageID` and `fontSize`, then OK or Cancel.
    void ChooseSettings(int command, const QString& languageID, int fontSize, bool accept) const
    {
        DialogAnswers answers;
        answers.Then<CSettingsDialog>([=](CSettingsDialog& dialog) {
            auto* languages = dialog.findChild<QComboBox*>("languageList");
            auto* sizes = dialog.findChild<QComboBox*>("fontSizeList");
            languages->setCurrentIndex(languages->findData(languageID));
            sizes->setCurrentIndex(sizes->findData(fontSize));
            accept ? dialog.accept() : dialog.reject();
        });
        ASSERT_TRUE(Execute(command));
    }
};

// One action a command, shared by the menus, the toolbar and the pop-up; one key an action.
TEST_F(MenuTest, TheWindowIsBuiltFromTheCommandTable)
{
    for (const CommandInfo& info : CommandCatalog())
        EXPECT_NE(Frame().Commands().Action(info.id), nullptr) << info.id << " " << info.text;
    std::set<QString> bound; // two actions on one key make Qt refuse the key for both
    for (const QAction* action : Frame().findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_TRUE(bound.insert(key.toString()).second) << key.toString().toStdString() << " twice";
    EXPECT_EQ(bound.size(), 20u);

    EXPECT_EQ(Menu("Settings"), QStringList { "Settings (32813)" }) << "a command on the bar";
    EXPECT_EQ(Menu("&Help"), (QStringList { "&About Quillmark2... (57664)", "Help (32810)" }));
    EXPECT_EQ(Menu("&Edit").mid(0, 2), (QStringList { "&Undo (57643)", "&Redo (57644)" }));
    EXPECT_EQ(Menu("&Edit").mid(11),
        (QStringList { "-", "&Next Problem (32900)", "Pre&vious Problem (32901)", "-", "Format (32815)",
            "Unformat (32816)" }));
    EXPECT_TRUE(Menu("&View").contains("Refresh  (32789)")) << "the trailing blank stays";
    EXPECT_EQ(Popup().actions().at(5)->text(), "Table ") << "after Select All";

    for (const QAction* action : Popup().actions() + Toolbar().actions())
        EXPECT_TRUE(action->isSeparator() || Frame().Commands().Action(action->data().toInt()) == action);
    QList<int> buttons;
    for (const QAction* action : Toolbar().actions()) {
        buttons << action->data().toInt();
        // An icon whose format cannot be read (SVG without Qt's plugin) is not null but paints nothing.
        EXPECT_TRUE(action->isSeparator() || !action->icon().pixmap(16, 16).isNull()) << buttons.last();
    }
    EXPECT_EQ(buttons, (QList<int> { 57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 57664 }));
    EXPECT_EQ(Panes(), (QStringList { "Ready", "Ln 1, Col 17", "CAP", "NUM", "SCRL" }))
        << "the caret after the selected title";
}

// Ctrl+Y and Ctrl+Shift+Z redo what Undo took back, as Edit's Redo does; a
// new edit leaves nothing to redo.
TEST_F(MenuTest, RedoDoesAgainWhatUndoTookBack)
{
    View().setFocus();
    QTest::keyClicks(&View(), QStringLiteral("xy"));
    const QString typed = View().WholeText();
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    for (const QKeyCombination redo :
        { Qt::ControlModifier | Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z }) {
        QTest::keyClick(&View(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_NE(View().WholeText(), typed);
        EXPECT_TRUE(Enabled(ID_EDIT_REDO));
        QTest::keyClick(&View(), redo.key(), redo.keyboardModifiers());
        EXPECT_EQ(View().WholeText(), typed);
    }
    ASSERT_TRUE(Execute(ID_EDIT_UNDO));
    ASSERT_TRUE(Execute(ID_EDIT_REDO));
    EXPECT_EQ(View().WholeText(), typed);
    ASSERT_TRUE(Execute(ID_EDIT_UNDO));
    QTest::keyClicks(&View(), QStringLiteral("z"));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
}

TEST_F(MenuTest, PasteFollowsTheClipboardWithoutAMenuOpening)
{
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    ASSERT_TRUE(CopyTextToClipboard("Given"));
    EXPECT_TRUE(Frame().Commands().Action(ID_EDIT_PASTE)->isEnabled());
}

// The bars, the recent files, the font size and the language, which Settings
// applies at once but stores only at exit; the recent files are stored as they
// change. A stored size is taken as it is; a stored language no one has
// gives way to English.
TEST_F(MenuTest, WhatTheUserChoseStaysAcrossARestart)
{
    Frame().show();
    EXPECT_FALSE(Enabled(ID_FILE_MRU_FILE1)) << "the grayed placeholder";
    ASSERT_TRUE(Execute(ID_VIEW_TOOLBAR) && Execute(ID_VIEW_STATUS_BAR));
    ChooseSettings(ID_SETTINGS_NO_MENU, "fr", 20, false);
    EXPECT_EQ(Settings(), std::pair(12, QString("en")));
    const QString before = Text();
    ChooseSettings(ID_SETTINGS, "de", 24, true);
    EXPECT_EQ(Settings(), std::pair(24, QString("de")));
    EXPECT_EQ(Text(), before) << "the text is not touched";
    EXPECT_FALSE(Stored().contains("Configuration/fontSize"));

    const QString a = OpenFile("a.feature", "Feature: A\r\n");
    OpenFile("b&c.feature", "Feature: B\r\n");
    EXPECT_EQ(Stored().value("Recent File List/File2").toString(), a) << "kept should the editor be killed";
    // Choosing an entry reorders the list while that entry is still firing.
    QCoreApplication::processEvents();
    RecentAction(1)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Doc().GetPathName(), a);

    m_app->ExitInstance();
    StartApp();
    EXPECT_TRUE(Toolbar().isHidden() && Frame().statusBar()->isHidden());
    const QStringList file = Menu("&File");
    EXPECT_EQ(file.mid(file.indexOf("P&rint Setup... (57606)") + 2, 3),
        (QStringList {
            "&1 " + Shown("a.feature") + " (57616)", "&2 " + Shown("b&&c.feature") + " (57617)", "-" }));
    EXPECT_EQ(Settings(), std::pair(24, QString("de")));
    EXPECT_TRUE(Text().startsWith("# language: de")) << "a new document is written in the stored language";

    m_app.reset();
    Stored().setValue("Configuration/fontSize", 13);
    Stored().setValue("Configuration/languageID", "xx-unknown");
    StartApp();
    EXPECT_EQ(Settings(), std::pair(13, QString("en"))) << "though the dialog offers neither";
    EXPECT_TRUE(Text().startsWith("Feature: [Title]")) << Text().left(40).toStdString();
    EXPECT_EQ(m_boxes.texts, QStringList()) << "no message at start-up";
    Stored().clear();
    m_app->ExitInstance();
    EXPECT_EQ(Stored().value("Configuration/fontSize").toInt(), 13);
    EXPECT_EQ(Stored().value("Configuration/languageID").toString(), "en");
}

// Print proposes the document's name in its folder; Find and Replace share one dialog.
TEST_F(MenuTest, CommandsOpenTheirDialogs)
{
    DialogAnswers answers;
    QStringList proposed;
    answers.Then<CHelpDialog>([](CHelpDialog& dialog) { dialog.close(); });
    answers.Then<CAboutDlg>([](CAboutDlg& dialog) { dialog.close(); });
    for (int print = 0; print < 2; ++print)
        answers.Then<QPrintDialog>([&proposed](QPrintDialog& dialog) {
            proposed << dialog.findChild<QLineEdit*>("filename")->text();
            dialog.reject();
        });
    ASSERT_TRUE(Execute(ID_HELP_EDITOR) && Execute(ID_APP_ABOUT) && Execute(ID_FILE_PRINT));
    OpenFile("orders.v2.feature", "Feature: Orders\r\n");
    ASSERT_TRUE(Execute(ID_FILE_PRINT));
    EXPECT_EQ(
        proposed, (QStringList { QDir::current().filePath("Untitled.pdf"), FilePath("orders.v2.pdf") }));

    ASSERT_TRUE(Execute(ID_EDIT_FIND) && Execute(ID_EDIT_REPLACE));
    const auto dialogs = Frame().findChildren<FindReplaceDialog*>();
    ASSERT_EQ(dialogs.size(), 1) << "one modeless dialog serves both commands";
    EXPECT_TRUE(dialogs[0]->isVisible() && dialogs[0]->replaceMode());
}

// The pop-up's items follow the core's rules for the caret's line, tested there.
TEST_F(MenuTest, ShiftF10OpensThePopUpAtTheCaretUpdatedForTheCaretLine)
{
    Frame().show();
    View().LoadText(u"Feature: F\n  Given a step\n\t| 日本 | x |\n#include \"data.csv\"\n");
    PutCaretOnLine(2);
    View().moveCursor(QTextCursor::EndOfLine);
    EXPECT_EQ(Panes().at(1), "Ln 3, Col 21") << "a tab to column 9, wide characters two columns each";

    // Each item set as it would not be on the include line, where only Edit Include File runs.
    PutCaretOnLine(3);
    const QTextCursor caret = View().textCursor();
    const std::pair<int, bool> items[]
        = { { ID_TABLE, false }, { ID_STRING, false }, { ID_EDIT_INCLUDE_FILE, true } };
    for (const auto& [id, enabled] : items)
        Frame().Commands().Action(id)->setEnabled(!enabled);
    QTest::keyClick(&View(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(Popup().isVisible());
    EXPECT_EQ(Popup().pos(), View().viewport()->mapToGlobal(View().cursorRect().center()));
    for (const auto& [id, enabled] : items)
        EXPECT_EQ(Frame().Commands().Action(id)->isEnabled(), enabled) << id;
    Popup().close();
    EXPECT_EQ(View().textCursor(), caret) << "the caret stays";
    // Edit Include File only tells the user why it cannot run another program.
    ASSERT_TRUE(Execute(ID_EDIT_INCLUDE_FILE));
    EXPECT_EQ(m_boxes.texts, QStringList { "Windows Store does not allow execution of other programs" });
}

// A command added to a menu without a word in the help shows up here.
TEST(HelpText, NamesEveryItemOfTheMenusItDescribes)
{
    QStringList editorItems;
    for (const InsertCommand& command : InsertCommands())
        editorItems << QString::fromUtf8(command.text);
    for (const MenuEntry& entry : ViewPopupLayout().items)
        if (entry.commandId != 0)
            editorItems << QString::fromUtf8(FindCommand(entry.commandId)->text);
    QStringList tableItems;
    for (const int menu : { GridMenuId::IDR_CELL_MENU, GridMenuId::IDR_ROW_MENU, GridMenuId::IDR_COLUMN_MENU,
             GridMenuId::IDR_TABLE_MENU })
        for (const GridMenuItem& entry : GridMenuItems(menu))
            if (entry.command != 0)
                tableItems << QString::fromUtf16(entry.text.data(), entry.text.size());

    for (const auto& [which, items] :
        { std::pair { HelpText::Editor, editorItems }, std::pair { HelpText::Table, tableItems } }) {
        const QString help = CHelpDialog(which).findChild<QTextEdit*>("helpText")->toPlainText();
        for (QString item : items)
            // Named in a sentence, the item has no mnemonic and no trailing or doubled blanks.
            EXPECT_TRUE(help.contains(item.remove(u'&').simplified())) << item.toStdString();
    }
}

} // namespace
