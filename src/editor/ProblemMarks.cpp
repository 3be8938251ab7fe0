#include "ProblemMarks.h"

#include "core/LineBreaks.h"
#include "core/gherkin/GherkinDialect.h"
#include "core/gherkin/GherkinText.h"
#include "core/language/LanguageDirective.h"
#include "platform/StringConvert.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>

namespace {

bool SameProblems(const std::vector<GherkinProblem>& problems, const std::vector<ProblemMarks::Mark>& marks)
{
    return std::equal(problems.begin(), problems.end(), marks.begin(), marks.end(),
        [](const GherkinProblem& a, const ProblemMarks::Mark& mark) {
            const GherkinProblem& b = mark.problem;
            return a.kind == b.kind && a.location.line == b.location.line
                && a.location.column == b.location.column && a.length == b.length && a.message == b.message;
        });
}

// The text as Cucumber would read it from the saved file: the blocks' lines
// joined by line feeds. The copy the document gives is changed in place: a
// large text is copied once, in one stretch, not line by line.
QString CheckedText(const QTextDocument& document)
{
    QString text = document.toRawText();
    std::replace(text.begin(), text.end(), QChar(PARAGRAPH_MARK), QChar(u'\n'));
    return text;
}

// The file is read in the editor's language unless it names its own; a
// language Cucumber lacks leaves English.
const GherkinDialect& EditorDialect(const Language& language)
{
    const GherkinKeywordTable& table = CucumberKeywordTable();
    const GherkinDialect* dialect = table.Find(language.Code());
    return dialect ? *dialect : *table.Find(u"en");
}

// The characters of a block from a column (counting characters, as Cucumber
// does) for `length` characters; the block's text without the blanks around
// it for a problem at the end of the file, which belongs to the last line
// that has any.
QTextCursor Span(const QTextBlock& block, const GherkinProblem& problem)
{
    const QString text = block.text();
    const std::u16string_view line(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    std::size_t start = 0;
    std::size_t end = 0;
    if (problem.location.column == 0) {
        const std::u16string_view trimmed = TrimGherkin(line);
        start = static_cast<std::size_t>(trimmed.data() - line.data());
        end = start + trimmed.size();
    } else {
        start = OffsetOfColumn(line, problem.location.column);
        end = OffsetOfColumn(line, problem.location.column + problem.length);
    }
    QTextCursor span(block);
    span.setPosition(block.position() + static_cast<int>(start));
    span.setPosition(block.position() + static_cast<int>(end), QTextCursor::KeepAnchor);
    return span;
}

} // namespace

ProblemMarks::ProblemMarks(QPlainTextEdit& view, const Language& language)
    : QObject(&view)
    , m_view(view)
    , m_language(language)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ProblemMarks::CheckNow);
    connect(view.document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed != 0 || added != 0)
            Schedule();
    });
    view.viewport()->installEventFilter(this);
}

ProblemMarks::~ProblemMarks() = default;

void ProblemMarks::Schedule()
{
    m_timer.start(m_view.document()->characterCount() > PAUSE_LENGTH ? PAUSE_MS : 0);
}

void ProblemMarks::CheckNow()
{
    m_timer.stop();
    const QString text = CheckedText(*m_view.document());
    Show(CheckGherkin(std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size())),
        CucumberKeywordTable(), EditorDialect(m_language)));
}

ProblemMarks::Found ProblemMarks::CheckBeforeLoad(std::u16string& text) const
{
    // The view breaks a block where QTextCursor::insertText does; CheckedText
    // gives each break as an LF, which a CR LF stands for as it is.
    int lineCount = 1;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char16_t& c = text[at];
        if ((c == u'\r' && (at + 1 == text.size() || text[at + 1] != u'\n')) || c == PARAGRAPH_MARK
            || c == u'\uFDD0' || c == u'\uFDD1')
            c = u'\n';
        lineCount += c == u'\n' ? 1 : 0;
    }
    // A text without a language line is read in the language the view settles
    // on from the text's first lines once it is in, as the view will read
    // them: each closed by a CR. They are asked for in order.
    Language settled = m_language;
    std::size_t lineStart = 0;
    int nextLine = 0;
    ApplyDocumentLanguage(settled, lineCount, [&](int line) {
        if (line < nextLine) {
            lineStart = 0;
            nextLine = 0;
        }
        for (; nextLine < line; ++nextLine)
            lineStart = text.find(u'\n', lineStart) + 1;
        const std::size_t end = std::min(text.find(u'\n', lineStart), text.size());
        std::u16string lineText = text.substr(lineStart, end - lineStart);
        if (!lineText.empty() && lineText.back() == u'\r')
            lineText.pop_back();
        if (line + 1 < lineCount)
            lineText += CONTROL_LINE_END;
        return lineText;
    });
    const GherkinDialect& dialect = EditorDialect(settled);
    return { CheckGherkin(text, CucumberKeywordTable(), dialect), &dialect };
}

void ProblemMarks::ShowFound(Found found)
{
    if (found.dialect != &EditorDialect(m_language))
        return;
    m_timer.stop();
    Show(std::move(found.problems));
}

void ProblemMarks::Show(std::vector<GherkinProblem> problems)
{
    if (SameProblems(problems, m_marks))
        return;
    const QTextDocument& document = *m_view.document();
    // The end of the file is marked on the last line that has text.
    QTextBlock last = document.lastBlock();
    while (last.previous().isValid() && last.text().trimmed().isEmpty())
        last = last.previous();

    m_marks.clear();
    m_errors = 0;
    m_warnings = 0;
    QList<QTextEdit::ExtraSelection> selections;
    for (GherkinProblem& problem : problems) {
        const bool error = problem.kind == GherkinProblem::Kind::Error;
        (error ? m_errors : m_warnings) += 1;
        QTextBlock block = document.findBlockByNumber(problem.location.line - 1);
        if (!block.isValid() || problem.location.column == 0)
            block = last;
        QTextCursor span = Span(block, problem);
        QTextEdit::ExtraSelection selection;
        selection.cursor = span;
        selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        selection.format.setUnderlineColor(error ? QColor(Qt::red) : QColor(255, 176, 0));
        selections.append(selection);
        m_marks.push_back({ std::move(problem), std::move(span), block.blockNumber() });
    }
    m_view.setExtraSelections(selections);
    emit marksChanged();
}

const ProblemMarks::Mark* ProblemMarks::Next(int position) const
{
    for (const Mark& mark : m_marks) {
        if (mark.span.selectionStart() > position)
            return &mark;
    }
    return m_marks.empty() ? nullptr : &m_marks.front();
}

const ProblemMarks::Mark* ProblemMarks::Previous(int position) const
{
    for (auto mark = m_marks.rbegin(); mark != m_marks.rend(); ++mark) {
        if (mark->span.selectionStart() < position)
            return &*mark;
    }
    return m_marks.empty() ? nullptr : &m_marks.back();
}

const ProblemMarks::Mark* ProblemMarks::At(int position) const
{
    for (const Mark& mark : m_marks) {
        if (mark.span.selectionStart() <= position && position < mark.span.selectionEnd())
            return &mark;
    }
    return nullptr;
}

QString ProblemMarks::Summary(int errors, int warnings)
{
    QStringList parts;
    if (errors > 0)
        parts << (errors == 1 ? QStringLiteral("1 error") : QStringLiteral("%1 errors").arg(errors));
    if (warnings > 0)
        parts << (warnings == 1 ? QStringLiteral("1 warning") : QStringLiteral("%1 warnings").arg(warnings));
    return parts.join(QStringLiteral(", "));
}

bool ProblemMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view.viewport() || event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    // The pointer over the right half of a character puts the cursor behind it.
    const QTextCursor cursor = m_view.cursorForPosition(help->pos());
    const Mark* mark = At(cursor.position());
    if (!mark && !cursor.atBlockStart())
        mark = At(cursor.position() - 1);
    if (!mark) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), toQString(mark->problem.message), m_view.viewport());
    return true;
}
