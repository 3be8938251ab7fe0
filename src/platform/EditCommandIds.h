#pragma once

// Copy, Cut and Paste have the same ids in the main window's Edit menu and in
// the table dialog's menus, where the grid serves them: a command sent by
// either reaches the same handler by its number.
namespace EditCommandId {

inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;

} // namespace EditCommandId
