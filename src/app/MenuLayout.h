#pragma once

#include <vector>

class CommandTable;
class QMenu;
class QMenuBar;
class QToolBar;

// The shape of the menus and the toolbar, as lists of command ids; the texts,
// keys and prompts come from the command table.
//
// In a pop-up: an entry with a title and items is a sub-menu, an entry with
// only a command id is that command, and an entry with neither a separator. On
// the menu bar an entry with only a command id is a command on the bar itself.
struct MenuEntry {
    const char* title = nullptr;
    int commandId = 0;
    std::vector<MenuEntry> items;
};

// The view's pop-up menu.
const MenuEntry& ViewPopupLayout();

// Fills the bar, the pop-up or the toolbar with the table's actions. Every
// built menu runs its items' update handlers when it is about to show.
// Commands the table has not bound are left out.
void BuildMenuBar(QMenuBar* bar, const CommandTable& table);
void BuildMenu(QMenu* menu, const std::vector<MenuEntry>& items, const CommandTable& table);
void BuildToolBar(QToolBar* toolbar, const CommandTable& table);
