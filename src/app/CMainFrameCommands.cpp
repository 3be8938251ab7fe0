// The command table of the main window: which handler and which update handler
// each command id has. Menus, toolbar and the view's pop-up menu all take their
// actions from here.
#include "CMainFrame.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "core/editor/PopupRules.h"
#include "document/DocumentManager.h"
#include "editor/CQuillmark2View.h"
#include "platform/Clipboard.h"

#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>

using namespace CommandId;

void CMainFrame::CreateCommands()
{
    CommandTable& table = *m_commands;
    CQuillmark2View* view = m_view;
    DocumentManager* documents = m_documents;
    const auto always = [] { return true; };

    // File
    table.Bind(ID_FILE_NEW, [documents] { documents->OnFileNew(); });
    table.Bind(ID_FILE_OPEN, [documents] { documents->OnFileOpen(); });
    table.Bind(ID_FILE_SAVE, [documents] { documents->OnFileSave(); });
    table.Bind(ID_FILE_SAVE_AS, [documents] { documents->OnFileSaveAs(); });
    // The list's own entries replace this item; alone it stands grayed.
    table.Bind(ID_FILE_MRU_FILE1, {}, [] { return false; });
    table.Bind(ID_APP_EXIT, [this] { close(); });

    // Edit: the text control's own operations, enabled as it can do them.
    table.Bind(
        ID_EDIT_UNDO, [view] { view->undo(); }, [view] { return view->control().CanUndo(); });
    table.Bind(
        ID_EDIT_REDO, [view] { view->redo(); }, [view] { return view->document()->isRedoAvailable(); });
    table.Bind(
        ID_EDIT_CUT, [view] { view->cut(); }, [view] { return view->textCursor().hasSelection(); });
    table.Bind(
        ID_EDIT_COPY, [view] { view->copy(); }, [view] { return view->textCursor().hasSelection(); });
    table.Bind(
        ID_EDIT_PASTE, [view] { view->PasteClipboardText(); }, [] { return ClipboardHasText(); });
    table.Bind(ID_EDIT_SELECT_ALL, [view] { view->selectAll(); });
    table.Bind(ID_EDIT_FORMAT, [view] { view->OnFormat(); });
    table.Bind(ID_EDIT_UNFORMAT, [view] { view->OnUnformat(); });

    // Insert: templates and samples go in front of the next scenario.
    for (const InsertCommand& command : InsertCommands())
        table.Bind(
            command.id, [view, kind = command.kind] { view->OnInsert(kind); }, always);

    // View
    QToolBar** toolBar = &m_toolBar;
    table.Bind(
        ID_VIEW_TOOLBAR, [toolBar] { (*toolBar)->setVisible(!(*toolBar)->isVisible()); }, always,
        [toolBar] { return *toolBar && !(*toolBar)->isHidden(); });
    table.Bind(
        ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); }, always,
        [this] { return !statusBar()->isHidden(); });
    table.Bind(ID_VIEW_REFRESH, [view] { view->OnRefresh(); });

    // Settings is the application's, which owns the two settings.
    const auto settings = [this] { emit settingsRequested(); };
    table.Bind(ID_SETTINGS, settings, always);
    table.Bind(ID_SETTINGS_NO_MENU, settings);

    // The view's pop-up menu: the core's rules decide on the caret's line.
    table.Bind(
        ID_TABLE, [view] { view->OnTable(); }, [view] { return view->OnUpdateTable(); });
    table.Bind(
        ID_STRING, [view] { view->OnString(); }, [view] { return view->OnUpdateString(); });
    table.Bind(
        ID_EDIT_INCLUDE_FILE, [view] { view->OnEditIncludeFile(); },
        [view] { return CanEditIncludeFile(view->analysis(), view->CaretLine()); });

    CreateDialogCommands();
    CreateProblemCommands();
}
