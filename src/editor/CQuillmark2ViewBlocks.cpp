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
    m_analysis.AnalyseAll(m_language, m_lineSource);
    const int caretLine = CaretLine();
    BlockLocation block = FindTableAtLine(m_analysis, caretLine);
    if (block.lines.empty()) {
        switch (block.noBlock) {
        case NoBlock::PastLimit:
            MessageBoxOk(QStringLiteral("This table runs past line %1, the last line Quillmark analyses; it "
                                        "cannot be edited as a grid.")
                             .arg(m_analysis.maxAnalysedLines),
                this);
            break;
        case NoBlock::RowsApart:
            MessageBoxOk(QStringLiteral("This table has comment or empty lines between its rows; it cannot "
                                        "be edited as a grid."),
                this);
            break;
        case NoBlock::NotAllowed:
        case NoBlock::NotClosed:
            MessageBoxOk(QStringLiteral("No table allowed here"), this);
            break;
        }
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
    m_analysis.AnalyseAll(m_language, m_lineSource);
    const BlockLocation block = FindDocStringAtLine(m_analysis, CaretLine());
    if (block.lines.empty()) {
        switch (block.noBlock) {
        case NoBlock::PastLimit:
            MessageBoxOk(
                QStringLiteral("This doc string runs past line %1, the last line Quillmark analyses; "
                               "it cannot be edited in the String dialog.")
                    .arg(m_analysis.maxAnalysedLines),
                this);
            break;
        case NoBlock::NotClosed:
            MessageBoxOk(
                QStringLiteral("This doc string is never closed, so Cucumber reads no text in it. Add "
                               "its closing line, then use String again."),
                this);
            break;
        case NoBlock::NotAllowed:
        case NoBlock::RowsApart:
            MessageBoxOk(QStringLiteral("No string allowed here"), this);
            break;
        }
        return;
    }

    CStringDialog dialog(this);
    dialog.m_text = toQString(DocStringLinesToText(block.lines, block.indent));
    // The doc-string colour in the editor's face and size.
    dialog.m_charFormat = m_formats.docStringFormat;
    dialog.m_charFormat.setFont(font());
    const QString delimiter = toQString(std::u16string(DocStringDelimiterOf(block.lines)));
    dialog.m_problemWith = [&delimiter](const QString& typed) {
        const auto line = UnwritableDocStringLine(toU16(typed), toU16(delimiter));
        if (!line)
            return QString();
        QString escaped;
        for (const QChar c : delimiter)
            escaped.append(u'\\').append(c);
        return QStringLiteral("Line %1 holds %2 with no %3 before it. Cucumber reads that as %3 in this "
                              "doc string, so the line cannot be written as it stands.")
            .arg(*line + 1)
            .arg(escaped, delimiter);
    };
    if (dialog.exec() != QDialog::Accepted)
        return;
    WriteBlockBack(block.start, block.end, toQString(BuildDocStringText(toU16(dialog.m_text), block)));
}

void CQuillmark2View::WriteBlockBack(int start, int end, const QString& text)
{
    ReplaceRange(start, end, text);
    RefreshAllLines();
}
