// The view's commands: loading a text with the new-document template, the
// Insert commands, Refresh, Format, Unformat, Edit Include File and Settings.
// Each command that changes the text replaces one range in one undoable edit,
// leaves the new text on the clipboard, and then analyses and colours all
// lines again.

#include "CQuillmark2View.h"

#include "core/editor/Format.h"
#include "core/language/LanguageDirective.h"
#include "platform/MessageBox.h"
#include "platform/StringConvert.h"

#include <algorithm>

void CQuillmark2View::LoadText(QStringView wholeText)
{
    LoadText(
        [wholeText](const TextControl::Append& append) {
            // Handed over in pieces, so that a large text is not copied whole.
            constexpr qsizetype piece = 1 << 20;
            for (qsizetype done = 0; done < wholeText.size(); done += piece)
                append(wholeText.sliced(done, std::min(piece, wholeText.size() - done)));
        },
        wholeText.size());
}

void CQuillmark2View::LoadText(const TextControl::TextWriter& write, qsizetype expectedLength)
{
    SetTextBeforeRefresh(write, expectedLength);
    // The skeleton fills an empty text whole, so it is set directly: putting
    // it through the clipboard would throw away whatever the user had copied
    // before starting the editor or choosing New.
    const bool templateInserted = m_control.GetTextLength() == 0;
    if (templateInserted) {
        const QString skeleton = toQString(NewDocumentText(m_language));
        SetTextBeforeRefresh(
            [&skeleton](const TextControl::Append& append) { append(skeleton); }, skeleton.size());
    } else {
        // Only the comment and empty lines at the top are read; building all of
        // a large file's text for them would be waste.
        const auto problem = ApplyDocumentLanguage(m_language, m_control.GetLineCount(),
            [this](int line) { return toU16(m_control.GetLine(line)); });
        if (problem)
            MessageBoxOk(toQString(problem->message), this);
    }
    // The language is settled: now, and only now, the lines are analysed.
    m_control.SetSel(0, 0);
    RefreshAllLines();
    if (templateInserted) {
        if (const auto title = InitialTitleSelection(toU16(WholeText())))
            m_control.SetSel(title->start.value, title->end.value);
    }
    SetBaselineToCurrentText();
}

void CQuillmark2View::OnInsert(InsertTemplate kind)
{
    m_analysis.AnalyseAll(m_language, m_lineSource);
    const TemplateInsertion insertion
        = PrepareInsertCommand(m_language, m_lineSource, m_analysis, kind, m_control.LineFromChar(-1));
    const int point = insertion.insertionPoint.value;
    ReplaceRange(point, point, toQString(insertion.text));
    m_control.SetSel(insertion.selection.start.value, insertion.selection.end.value);
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
        text = toQString(FormatWholeText(m_language, m_lineSource, m_analysis, m_docStringColumn));
    }
    ReplaceWholeTextKeepingCaretLine(text);
}

void CQuillmark2View::OnUnformat()
{
    QString text;
    {
        const DocumentLineSource::CopyScope copy(m_lineSource);
        text = toQString(UnformatWholeText(m_language, m_lineSource, m_analysis, m_docStringColumn));
    }
    ReplaceWholeTextKeepingCaretLine(text);
}

void CQuillmark2View::OnEditIncludeFile()
{
    m_analysis.AnalyseAll(m_language, m_lineSource);
    MessageBoxOk(QStringLiteral("Windows Store does not allow execution of other programs"), this);
}

void CQuillmark2View::ApplySettings(int fontSize)
{
    SetFontSize(fontSize);
    ColorLines(0, m_analysis.analysedLineCount);
    viewport()->update();
    // A file without a language line is read in the language just chosen.
    m_problems->CheckNow();
}
