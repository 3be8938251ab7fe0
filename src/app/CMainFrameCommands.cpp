// The command table of the main window: which handler and which update handler
// each command id has. Menus, toolbar and the view's pop-up menu all take their
// actions from here.
#include "CMainFrame.h"

#include "CQuillmark2App.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "DocumentManager.h"
#include "PopupMenuRules.h"
#include "editor/CQuillmark2View.h"

#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>

using namespace CommandId;

namespace {
// The caret line's type and the one below it, as the pop-up rules read them:
// the line after the last analysed one counts as text.
struct CaretLines {
    LineType line;
    LineType next;
};

CaretLines CaretLineTypes(const CQuillmark2View& view)
{
    const int caret = view.CaretLine();
    const int analysed = view.analysis().analysedLineCount;
    const LineType next = caret + 1 < analysed ? view.LineTypeAt(caret + 1) : TEXT_LINE;
    return { view.LineTypeAt(caret), next };
}
}

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
        ID_EDIT_UNDO, [view] { view->undo(); }, [view] { return view->document()->isUndoAvailable(); });
    table.Bind(
        ID_EDIT_CUT, [view] { view->cut(); }, [view] { return view->textCursor().hasSelection(); });
    table.Bind(
        ID_EDIT_COPY, [view] { view->copy(); }, [view] { return view->textCursor().hasSelection(); });
    table.Bind(
        ID_EDIT_PASTE, [view] { view->paste(); }, [view] { return view->canPaste(); });
    table.Bind(ID_EDIT_SELECT_ALL, [view] { view->selectAll(); });
    table.Bind(ID_EDIT_FORMAT, [view] { view->OnFormat(); });
    table.Bind(ID_EDIT_UNFORMAT, [view] { view->OnUnformat(); });

    // Insert: templates and samples go in front of the next scenario.
    for (int id : insertCommands)
        table.Bind(
            id, [view, id] { view->OnInsert(id); }, always);

    // View
    QToolBar** toolBar = &m_toolBar;
    table.Bind(
        ID_VIEW_TOOLBAR, [toolBar] { (*toolBar)->setVisible(!(*toolBar)->isVisible()); }, always,
        [toolBar] { return *toolBar && !(*toolBar)->isHidden(); });
    table.Bind(
        ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); }, always,
        [this] { return !statusBar()->isHidden(); });
    table.Bind(ID_VIEW_REFRESH, [view] { view->OnRefresh(); });

    // Settings and Help
    CQuillmark2App* app = &m_app;
    table.Bind(
        ID_SETTINGS, [app] { app->OnSettings(); }, always);
    table.Bind(ID_SETTINGS_NO_MENU, [app] { app->OnSettings(); });
    table.Bind(ID_APP_ABOUT, [app] { app->OnAppAbout(); });
    table.Bind(
        ID_HELP_EDITOR, [app] { app->OnHelp(); }, always);

    // The view's pop-up menu. Table and String stand with their rules; their
    // editors are not part of this program yet, so choosing them changes nothing.
    table.Bind(ID_TABLE, {}, [view] {
        const CaretLines lines = CaretLineTypes(*view);
        return TableAllowed(lines.line, lines.next);
    });
    table.Bind(ID_STRING, {}, [view] {
        const CaretLines lines = CaretLineTypes(*view);
        return StringAllowed(lines.line, lines.next);
    });
    table.Bind(
        ID_EDIT_INCLUDE_FILE, [view] { view->OnEditIncludeFile(); },
        [view] { return view->CanEditIncludeFile(); });

    CreateDialogCommands();
}
