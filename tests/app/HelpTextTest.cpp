#include "app/CommandTable.h"
#include "app/MenuLayout.h"
#include "dialogs/CHelpDialog.h"
#include "table/GridMenus.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

QString HelpPlainText(HelpText which)
{
    CHelpDialog dialog(which);
    return dialog.findChild<QTextEdit*>(QStringLiteral("helpText"))->toPlainText();
}

// A menu text as a sentence names it: without its mnemonic and with its
// trailing or doubled blanks closed up.
QString AsWritten(QString menuText)
{
    return menuText.remove(u'&').simplified();
}

// The help names every item the user finds in the menus it describes, so that
// a command added to a menu without a word in the help shows up here.
TEST(HelpText, NamesEveryItemOfTheMenusItDescribes)
{
    const QString editorHelp = HelpPlainText(HelpText::Editor);
    for (const InsertCommand& command : InsertCommands()) {
        const QString item = AsWritten(QString::fromUtf8(command.text));
        EXPECT_TRUE(editorHelp.contains(item)) << "Insert: " << item.toStdString();
    }
    for (const MenuEntry& entry : ViewPopupLayout().items) {
        if (entry.commandId == 0)
            continue;
        const QString item = AsWritten(QString::fromUtf8(FindCommand(entry.commandId)->text));
        EXPECT_TRUE(editorHelp.contains(item)) << "pop-up: " << item.toStdString();
    }

    const QString tableHelp = HelpPlainText(HelpText::Table);
    for (const int menu : { GridMenuId::IDR_CELL_MENU, GridMenuId::IDR_ROW_MENU, GridMenuId::IDR_COLUMN_MENU,
             GridMenuId::IDR_TABLE_MENU }) {
        for (const GridMenuItem& entry : GridMenuItems(menu)) {
            if (entry.command == 0)
                continue;
            const QString item = AsWritten(QString::fromUtf16(entry.text.data(), entry.text.size()));
            EXPECT_TRUE(tableHelp.contains(item)) << "menu " << menu << ": " << item.toStdString();
        }
    }
}

} // namespace
