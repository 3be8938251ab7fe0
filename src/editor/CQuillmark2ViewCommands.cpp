// The view's commands: the initial update with the new-document template, the
// Insert commands, Refresh, Format, Unformat, Edit Include File and Settings.
// Each command that changes the text replaces one range in one undoable edit,
// leaves the new text on the clipboard, and then analyses and colours all
// lines again.

#include "CQuillmark2View.h"

#include "core/editor/Format.h"
#include "core/editor/IncludeLine.h"
#include "core/editor/Templates.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"
#include "platform/MessageBox.h"
#include "platform/StringConvert.h"

#include <algorithm>

void CQuillmark2View::OnInitialUpdate()
{
    InitCharFormats();
    const bool templateInserted = InsertNewDocumentTemplate();
    m_control.SetSel(0, 0);
    RefreshAllLines();
    if (templateInserted) {
        if (const auto title = InitialTitleSelection(toU16(WholeText())))
            m_control.SetSel(title->start, title->end);
    }
    SetBaselineToCurrentText();
}

bool CQuillmark2View::InsertNewDocumentTemplate()
{
    if (m_control.GetTextLength() != 0) {
        if (const auto firstLine = DirectiveLineOf(toU16(WholeText()))) {
            if (const auto unknown = ApplyLanguageDirective(*firstLine))
                MessageBoxOk(QStringLiteral("Cannot set language to ") + toQString(*unknown), this);
        }
        return false;
    }
    // The skeleton fills an empty text whole, so it is set directly: putting
    // it through the clipboard would throw away whatever the user had copied
    // before starting the editor or choosing New.
    m_analysis.AnalyseAll(m_lineSource);
    const TemplateInsertion insertion = PrepareTemplateInsertion(m_analysis, NewDocumentTemplateLines(),
        CaretLine(), m_control.GetWholeTextLength(), SelectionAfter::BlockStart);
    SetWholeText(toQString(NewDocumentText(insertion.text, currentLanguageCode)));
    return true;
}

void CQuillmark2View::OnInsert(int commandId)
{
    const InsertTemplateInfo* info = FindInsertTemplate(commandId);
    if (info == nullptr)
        return;
    m_analysis.AnalyseAll(m_lineSource);
    const int searchStart = info->searchStart == SearchStart::CaretLine ? CaretLine() : 0;
    const TemplateInsertion insertion = PrepareTemplateInsertion(
        m_analysis, info->lines, searchStart, m_control.GetWholeTextLength(), info->selectionAfter);
    ReplaceRangeBeforeRefresh(insertion.insertionPoint, insertion.insertionPoint, toQString(insertion.text));
    m_control.SetSel(insertion.selectionStart, insertion.selectionEnd);
    RefreshAllLines();
}

void CQuillmark2View::OnRefresh()
{
    RefreshAllLines();
}

void CQuillmark2View::OnFormat()
{
    QString text;
    {
        // The rebuild compares every analysed line with the text.
        const DocumentLineSource::CopyScope copy(m_lineSource);
        text = toQString(FormatWholeText(m_lineSource, m_analysis, m_docStringColumn));
    }
    ReplaceWholeTextKeepingCaretLine(text);
}

void CQuillmark2View::OnUnformat()
{
    QString text;
    {
        const DocumentLineSource::CopyScope copy(m_lineSource);
        text = toQString(UnformatWholeText(m_lineSource, m_analysis, m_docStringColumn));
    }
    ReplaceWholeTextKeepingCaretLine(text);
}

void CQuillmark2View::OnEditIncludeFile()
{
    m_analysis.AnalyseAll(m_lineSource);
    MessageBoxOk(QStringLiteral("Windows Store does not allow execution of other programs"), this);
}

bool CQuillmark2View::CanEditIncludeFile() const
{
    return IsIncludeLine(m_analysis, m_control.LineFromChar(m_control.LineIndex(-1)));
}

void CQuillmark2View::ApplySettings(int fontSize)
{
    SetFontSize(fontSize);
    InitCharFormats();
    ColorLines(0, m_analysis.analysedLineCount);
    viewport()->update();
}
