#pragma once

#include "platform/EditCommandIds.h"

#include <span>
#include <string_view>

// The table dialog's four context menus and their commands. The numbers are
// fixed: the menus are told apart by them, and the captions are the dialog's
// own, trailing and doubled blanks included.
namespace GridCommandId {

// Served by the grid itself.
using EditCommandId::ID_EDIT_COPY;
using EditCommandId::ID_EDIT_CUT;
using EditCommandId::ID_EDIT_PASTE;

// Rows, from the header column's menu.
inline constexpr int ID_INSERT_ROW_ABOVE = 32776;
inline constexpr int ID_INSERT_ROW_BELOW = 32777;
inline constexpr int ID_DELETE_ROW = 32781;
inline constexpr int ID_COPY_ROW = 32783;
inline constexpr int ID_PASTE_ROW = 32790;

// Columns, from the header row's menu.
inline constexpr int ID_INSERT_COLUMN_BEFORE = 32778;
inline constexpr int ID_INSERT_COLUMN_AFTER = 32779;
inline constexpr int ID_DELETE_COLUMN = 32782;
inline constexpr int ID_COPY_COLUMN = 32784;
inline constexpr int ID_PASTE_COLUMN = 32791;

// The whole table, from the corner's menu.
inline constexpr int ID_TRANSFORM = 32793;
inline constexpr int ID_PASTE_TABLE = 32794;
inline constexpr int ID_UNDO = 32799;
inline constexpr int ID_REDO = 32800;

} // namespace GridCommandId

namespace GridMenuId {

inline constexpr int IDR_CELL_MENU = 129; // a data cell
inline constexpr int IDR_ROW_MENU = 130; // a cell of the header column
inline constexpr int IDR_COLUMN_MENU = 131; // a cell of the header row
inline constexpr int IDR_TABLE_MENU = 132; // the top-left corner

} // namespace GridMenuId

// One entry of a menu; command 0 is a separator.
struct GridMenuItem {
    int command;
    std::u16string_view text;
};

// The entries of a menu in order; none for a number that is no menu.
std::span<const GridMenuItem> GridMenuItems(int menu);

// The menu of a right-click on a grid cell: the corner, a header row cell, a
// header column cell, or anything else (a data cell, or -1, -1 outside every
// cell) and its cell menu.
int GridMenuForCell(int row, int col);
