#include "TextSearch.h"

#include "platform/TextControl.h"

namespace {

bool IsWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c.isMark();
}

bool IsWholeWord(QStringView text, qsizetype start, qsizetype length)
{
    const qsizetype end = start + length;
    return (start == 0 || !IsWordCharacter(text[start - 1]))
        && (end == text.size() || !IsWordCharacter(text[end]));
}

Qt::CaseSensitivity Sensitivity(const SearchRequest& request)
{
    return request.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// The first match starting in [first, last], or -1.
qsizetype FirstMatch(QStringView text, const SearchRequest& request, qsizetype first, qsizetype last)
{
    const QStringView what = request.findWhat;
    for (qsizetype at = first; at <= last;) {
        const qsizetype found = text.indexOf(what, at, Sensitivity(request));
        if (found < 0 || found > last)
            return -1;
        if (!request.wholeWord || IsWholeWord(text, found, what.size()))
            return found;
        at = found + 1;
    }
    return -1;
}

// The last match starting in [first, last], or -1.
qsizetype LastMatch(QStringView text, const SearchRequest& request, qsizetype first, qsizetype last)
{
    const QStringView what = request.findWhat;
    // lastIndexOf reads a negative start as counted from the end, so stop before it.
    for (qsizetype at = last; at >= first && at >= 0;) {
        const qsizetype found = text.lastIndexOf(what, at, Sensitivity(request));
        if (found < first)
            return -1;
        if (!request.wholeWord || IsWholeWord(text, found, what.size()))
            return found;
        at = found - 1;
    }
    return -1;
}

// Whether the text from `start` on, `length` long, is a match of the request.
bool IsMatchAt(QStringView text, const SearchRequest& request, qsizetype start, qsizetype length)
{
    if (length != request.findWhat.size() || length == 0 || start < 0 || start + length > text.size())
        return false;
    if (text.sliced(start, length).compare(request.findWhat, Sensitivity(request)) != 0)
        return false;
    return !request.wholeWord || IsWholeWord(text, start, length);
}

} // namespace

TextMatch FindInText(QStringView text, const SearchRequest& request, qsizetype from)
{
    const qsizetype length = request.findWhat.size();
    if (length == 0 || length > text.size())
        return {};
    const qsizetype lastStart = text.size() - length;
    from = qBound<qsizetype>(0, from, text.size());
    qsizetype found = -1;
    bool wrapped = false;
    if (request.up) {
        found = LastMatch(text, request, 0, from - length);
        if (found < 0) {
            found = LastMatch(text, request, qMax<qsizetype>(0, from - length + 1), lastStart);
            wrapped = true;
        }
    } else {
        found = FirstMatch(text, request, from, lastStart);
        if (found < 0) {
            found = FirstMatch(text, request, 0, qMin(from - 1, lastStart));
            wrapped = true;
        }
    }
    if (found < 0)
        return {};
    return TextMatch { found, length, wrapped };
}

std::vector<TextMatch> FindAllInText(QStringView text, const SearchRequest& request)
{
    std::vector<TextMatch> matches;
    const qsizetype length = request.findWhat.size();
    if (length == 0)
        return matches;
    for (qsizetype at = 0; at + length <= text.size();) {
        const qsizetype found = FirstMatch(text, request, at, text.size() - length);
        if (found < 0)
            break;
        matches.push_back(TextMatch { found, length, false });
        at = found + length;
    }
    return matches;
}

bool FindNextInEditor(QPlainTextEdit& editor, const SearchRequest& request)
{
    TextControl control(&editor);
    int start = 0;
    int end = 0;
    control.GetSel(start, end);
    const TextMatch match = FindInText(control.GetPlainText(), request, request.up ? start : end);
    if (!match.found())
        return false;
    control.SetSel(int(match.start), int(match.start + match.length));
    return true;
}

bool ReplaceInEditor(QPlainTextEdit& editor, const SearchRequest& request)
{
    TextControl control(&editor);
    int start = 0;
    int end = 0;
    control.GetSel(start, end);
    if (IsMatchAt(control.GetPlainText(), request, start, end - start)) {
        control.ReplaceRange(start, end, request.replaceWith);
        if (request.up)
            // Searching up goes on from in front of the replacement, not from inside it.
            control.SetSel(start, start);
    }
    return FindNextInEditor(editor, request);
}

int ReplaceAllInEditor(QPlainTextEdit& editor, const SearchRequest& request)
{
    TextControl control(&editor);
    std::vector<std::pair<int, int>> ranges;
    for (const TextMatch& match : FindAllInText(control.GetPlainText(), request))
        ranges.emplace_back(int(match.start), int(match.length));
    control.ReplaceEach(ranges, request.replaceWith);
    return int(ranges.size());
}
