#include "MenuLayout.h"

#include "CommandIds.h"
#include "CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace CommandId;

namespace {
MenuEntry Item(int id)
{
    return MenuEntry { nullptr, id, {} };
}

MenuEntry Separator()
{
    return MenuEntry {};
}

std::vector<MenuEntry> InsertMenuItems()
{
    std::vector<MenuEntry> items;
    for (const InsertCommand& command : InsertCommands()) {
        if (command.separatorBefore)
            items.push_back(Separator());
        items.push_back(Item(command.id));
    }
    return items;
}

const std::vector<MenuEntry>& MainMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        { "&File", 0,
            { Item(ID_FILE_NEW), Item(ID_FILE_OPEN), Item(ID_FILE_SAVE), Item(ID_FILE_SAVE_AS), Separator(),
                Item(ID_FILE_PRINT), Item(ID_FILE_PRINT_PREVIEW), Item(ID_FILE_PAGE_SETUP), Separator(),
                Item(ID_FILE_MRU_FILE1), Separator(), Item(ID_APP_EXIT) } },
        { "&Edit", 0,
            { Item(ID_EDIT_UNDO), Item(ID_EDIT_REDO), Separator(), Item(ID_EDIT_CUT), Item(ID_EDIT_COPY),
                Item(ID_EDIT_PASTE), Item(ID_EDIT_SELECT_ALL), Separator(), Item(ID_EDIT_FIND),
                Item(ID_EDIT_REPEAT), Item(ID_EDIT_REPLACE), Separator(), Item(ID_EDIT_NEXT_PROBLEM),
                Item(ID_EDIT_PREVIOUS_PROBLEM), Separator(), Item(ID_EDIT_FORMAT), Item(ID_EDIT_UNFORMAT) } },
        { "Insert", 0, InsertMenuItems() },
        { "&View", 0,
            { MenuEntry { "&Toolbars and Docking Windows", 0, { Item(ID_VIEW_TOOLBAR) } },
                Item(ID_VIEW_STATUS_BAR), Item(ID_VIEW_PROBLEMS), Item(ID_VIEW_REFRESH) } },
        Item(ID_SETTINGS),
        { "&Help", 0, { Item(ID_APP_ABOUT), Item(ID_HELP_EDITOR) } },
    };
    return layout;
}

// Toolbar buttons in order; 0 is a separator.
const std::vector<int>& ToolbarLayout()
{
    static const std::vector<int> layout = { ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
        ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT, ID_APP_ABOUT };
    return layout;
}
} // namespace

const MenuEntry& ViewPopupLayout()
{
    static const MenuEntry layout = { "Edit", 0,
        { Item(ID_EDIT_CUT), Item(ID_EDIT_COPY), Item(ID_EDIT_PASTE), Separator(), Item(ID_EDIT_SELECT_ALL),
            Item(ID_TABLE), Item(ID_STRING), Item(ID_EDIT_INCLUDE_FILE) } };
    return layout;
}

void BuildMenu(QMenu* menu, const std::vector<MenuEntry>& items, const CommandTable& table)
{
    for (const MenuEntry& entry : items) {
        if (entry.title) {
            QMenu* sub = menu->addMenu(QString::fromUtf8(entry.title));
            BuildMenu(sub, entry.items, table);
        } else if (entry.commandId == 0) {
            menu->addSeparator();
        } else if (QAction* action = table.Action(entry.commandId)) {
            menu->addAction(action);
        }
    }
    table.UpdateOnShow(menu);
}

void BuildMenuBar(QMenuBar* bar, const CommandTable& table)
{
    for (const MenuEntry& entry : MainMenuLayout()) {
        if (entry.title) {
            QMenu* menu = bar->addMenu(QString::fromUtf8(entry.title));
            BuildMenu(menu, entry.items, table);
        } else if (QAction* action = table.Action(entry.commandId)) {
            bar->addAction(action);
        }
    }
}

void BuildToolBar(QToolBar* toolbar, const CommandTable& table)
{
    for (int id : ToolbarLayout()) {
        if (id == 0)
            toolbar->addSeparator();
        else if (QAction* action = table.Action(id))
            toolbar->addAction(action);
    }
}
