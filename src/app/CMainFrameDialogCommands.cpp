// The commands that open dialogs: Find, Replace and printing, whose dialogs
// keep their state for the whole run, so the window owns them; Help and About.
#include "CMainFrame.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDialog.h"
#include "document/DocumentManager.h"
#include "editor/CQuillmark2View.h"
#include "find/FindReplace.h"
#include "print/Printing.h"

using namespace CommandId;

void CMainFrame::CreateDialogCommands()
{
    m_findReplace = new FindReplace(m_view, this);

    CommandTable& table = *m_commands;
    FindReplace* find = m_findReplace;
    CQuillmark2View* view = m_view;

    table.Bind(ID_EDIT_FIND, [find] { find->ShowFind(); });
    table.Bind(ID_EDIT_REPEAT, [find] { find->FindNext(); });
    table.Bind(ID_EDIT_REPLACE, [find] { find->ShowReplace(); });

    table.Bind(ID_FILE_PRINT, [this, view] { Printer().Print(view, this, m_documents->SuggestedPdfPath()); });
    table.Bind(ID_FILE_PRINT_PREVIEW,
        [this, view] { Printer().PrintPreview(view, this, m_documents->SuggestedPdfPath()); });
    table.Bind(ID_FILE_PAGE_SETUP, [this] { Printer().PrintSetup(this); });

    table.Bind(ID_APP_ABOUT, [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    });
    table.Bind(
        ID_HELP_EDITOR,
        [this] {
            CHelpDialog dialog(HelpText::Editor, this);
            dialog.exec();
        },
        [] { return true; });
}

PrintController& CMainFrame::Printer()
{
    // Made on first use: setting up a printer loads the print system, which
    // would otherwise slow every start of the program.
    if (!m_printer)
        m_printer = std::make_unique<PrintController>();
    return *m_printer;
}
