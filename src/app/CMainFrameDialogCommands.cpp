// Find, Replace and printing: commands whose dialogs keep their state for the
// whole run, so the window owns them.
#include "CMainFrame.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "FindReplace.h"
#include "FindReplaceDialog.h"
#include "Printing.h"
#include "editor/CQuillmark2View.h"

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

    table.Bind(ID_FILE_PRINT, [this, view] { Printer().Print(view, this); });
    table.Bind(ID_FILE_PRINT_PREVIEW, [this, view] { Printer().PrintPreview(view, this); });
    table.Bind(ID_FILE_PAGE_SETUP, [this] { Printer().PrintSetup(this); });
}

PrintController& CMainFrame::Printer()
{
    // Made on first use: setting up a printer loads the print system, which
    // would otherwise slow every start of the program.
    if (!m_printer)
        m_printer = std::make_unique<PrintController>();
    return *m_printer;
}
