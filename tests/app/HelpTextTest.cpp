#include "app/CommandTable.h"
#include "app/MenuLayout.h"
#include "dialogs/CHelpDialog.h"
#include "table/GridMenus.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// The help names every item the user finds in the menus it describes, so that
// a command added to a menu without a word in the help shows up here.
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
        CHelpDialog dialog(which);
        const QString help = dialog.findChild<QTextEdit*>(QStringLiteral("helpText"))->toPlainText();
        for (QString item : items)
            // Named in a sentence, the item has no mnemonic and no trailing or doubled blanks.
            EXPECT_TRUE(help.contains(item.remove(u'&').simplified())) << item.toStdString();
    }
}

} // namespace
