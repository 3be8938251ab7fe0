#pragma once

#include "platform/EditCommandIds.h"

// Command ids of the main window, its toolbar and the view's pop-up menu. The
// numbers are fixed: the command table binds its handlers by them. The Insert
// commands have their ids in their own table (CommandTable.h).
namespace CommandId {

// File
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PAGE_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616; // up to 57631, one per recent file
inline constexpr int ID_APP_EXIT = 57665;

// Edit
using EditCommandId::ID_EDIT_COPY;
using EditCommandId::ID_EDIT_CUT;
inline constexpr int ID_EDIT_FIND = 57636;
using EditCommandId::ID_EDIT_PASTE;
inline constexpr int ID_EDIT_REPEAT = 57640; // Find Next
inline constexpr int ID_EDIT_REPLACE = 57641;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_EDIT_FORMAT = 32815;
inline constexpr int ID_EDIT_UNFORMAT = 32816;
inline constexpr int ID_EDIT_NEXT_PROBLEM = 32900;
inline constexpr int ID_EDIT_PREVIOUS_PROBLEM = 32901;

// View
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_VIEW_REFRESH = 32789;
inline constexpr int ID_VIEW_PROBLEMS = 32902;

// Settings and Help
inline constexpr int ID_SETTINGS = 32813;
inline constexpr int ID_SETTINGS_NO_MENU = 32798; // same handler, reached by no menu or key
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_HELP_EDITOR = 32810;

// The view's pop-up menu
inline constexpr int ID_TABLE = 32771;
inline constexpr int ID_STRING = 32802;
inline constexpr int ID_EDIT_INCLUDE_FILE = 32814;

} // namespace CommandId
