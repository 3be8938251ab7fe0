#include "table/GridMenus.h"

using namespace GridCommandId;

namespace {

constexpr GridMenuItem CELL_MENU[] = {
    { 0, {} },
    { ID_EDIT_COPY, u"Copy" },
    { ID_EDIT_PASTE, u"Paste " },
    { ID_EDIT_CUT, u"Cut " },
};

constexpr GridMenuItem ROW_MENU[] = {
    { ID_INSERT_ROW_ABOVE, u"Insert Row Above" },
    { ID_INSERT_ROW_BELOW, u"Insert Row Below" },
    { 0, {} },
    { ID_DELETE_ROW, u"Delete Row " },
    { ID_COPY_ROW, u"Copy Row" },
    { ID_PASTE_ROW, u"Paste  Row" },
    { 0, {} },
    { ID_UNDO, u"Undo" },
};

constexpr GridMenuItem COLUMN_MENU[] = {
    { ID_INSERT_COLUMN_BEFORE, u"Insert Column Before" },
    { ID_INSERT_COLUMN_AFTER, u"Insert Column After" },
    { 0, {} },
    { ID_DELETE_COLUMN, u"Delete Column " },
    { ID_COPY_COLUMN, u"Copy Column" },
    { ID_PASTE_COLUMN, u"Paste Column" },
    { 0, {} },
    { ID_UNDO, u"Undo" },
};

constexpr GridMenuItem TABLE_MENU[] = {
    { 0, {} },
    { ID_PASTE_TABLE, u"Paste Table" },
    { ID_TRANSFORM, u"Transform" },
    { 0, {} },
    { ID_UNDO, u"Undo" },
    { ID_REDO, u"Redo" },
};

} // namespace

std::span<const GridMenuItem> GridMenuItems(int menu)
{
    switch (menu) {
    case GridMenuId::IDR_CELL_MENU:
        return CELL_MENU;
    case GridMenuId::IDR_ROW_MENU:
        return ROW_MENU;
    case GridMenuId::IDR_COLUMN_MENU:
        return COLUMN_MENU;
    case GridMenuId::IDR_TABLE_MENU:
        return TABLE_MENU;
    default:
        return {};
    }
}

int GridMenuForCell(int row, int col)
{
    if (row == 0)
        return col == 0 ? GridMenuId::IDR_TABLE_MENU : GridMenuId::IDR_COLUMN_MENU;
    return col == 0 ? GridMenuId::IDR_ROW_MENU : GridMenuId::IDR_CELL_MENU;
}
