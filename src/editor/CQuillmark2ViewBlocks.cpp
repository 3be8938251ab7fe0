// The view's Table and String commands: the block at the caret found in a
// fresh analysis, edited in its dialog, and written back over the old block as
// one undoable edit after OK. Cancel, Esc or closing the dialog leaves the
// text, the selection and the clipboard as they were.

#include "CQuillmark2View.h"

#include "core/editor/PopupRules.h"
#include "core/table/BlockFinder.h"
#include "core/table/BlockText.h"
#include "core/table/DocStringText.h"
#include "core/table/Placeholders.h"
#include "dialogs/CHelpDialog.h"
#include "platform/MessageBox.h"
#include "platform/StringConvert.h"
#include "table/CGridDialog.h"
#include "table/CStringDialog.h"
#include "table/GridFont.h"

bool CQuillmark2View::OnUpdateTable() const
{
    return CanEditTable(m_analysis, CaretLine());
}

bool CQuillmark2View::OnUpdateString() const
{
    return CanEditString(m_analysis, CaretLine());
}

void CQuillmark2View::OnTable()
{
    m_analysis.AnalyseAll(m_lineSource);
    const int caretLine = CaretLine();
    BlockLocation block = FindTableAtLine(m_analysis, caretLine);
    if (block.lines.empty()) {
        MessageBoxOk(QStringLiteral("No table allowed here"), this);
        return;
    }

    // An Examples table offers a column for every placeholder its Scenario
    // Outline uses.
    if (const int examples = ExamplesLineOfTable(m_analysis, caretLine); examples > 0)
        MergePlaceholdersIntoHeader(block.lines, CollectPlaceholders(m_analysis, examples));

    CGridDialog dialog(this);
    dialog.m_clickedRow = 1;
    dialog.m_clickedColumn = 1;
    dialog.m_gridFont = MakeGridFont(font(), m_fontSize, logicalDpiY());
    dialog.SetTableLines(block.lines);
    connect(&dialog, &CGridDialog::helpRequested, &dialog, [&dialog] {
        CHelpDialog help(HelpText::Table, &dialog);
        help.exec();
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    WriteBlockBack(block.start, block.end, toQString(BuildBlockText(dialog.GetTableLines(), block)));
}

void CQuillmark2View::OnString()
{
    m_analysis.AnalyseAll(m_lineSource);
    const BlockLocation block = FindDocStringAtLine(m_analysis, CaretLine());
    if (block.lines.empty()) {
        MessageBoxOk(QStringLiteral("No string allowed here"), this);
        return;
    }

    CStringDialog dialog(this);
    dialog.m_text = toQString(DocStringLinesToText(block.lines, block.indent));
    // The doc-string colour in the editor's face and size.
    dialog.m_charFormat = m_formats.docStringFormat;
    dialog.m_charFormat.setFont(font());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The opening delimiter keeps a content type written after its quotes.
    const LineList lines = TextToDocStringLines(toU16(dialog.m_text), DocStringOpening(block.lines));
    WriteBlockBack(block.start, block.end, toQString(BuildBlockText(lines, block)));
}

void CQuillmark2View::WriteBlockBack(int start, int end, const QString& text)
{
    ReplaceRange(start, end, text);
    RefreshAllLines();
}
