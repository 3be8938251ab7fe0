#pragma once

#include <QString>
#include <QStringView>

#include <vector>

class QPlainTextEdit;

// One Find or Replace request, as the Find and Replace dialog gathers it.
struct SearchRequest {
    QString findWhat;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false; // the match may not touch a letter, digit or '_' on either side
    bool up = false; // search towards the start of the text

    bool operator==(const SearchRequest&) const = default;
};

// Where a search found its text; start is -1 when it found nothing.
struct TextMatch {
    qsizetype start = -1;
    qsizetype length = 0;
    bool wrapped = false; // found only after going round the end of the text

    bool found() const { return start >= 0; }
};

// Searches `text` from position `from`. Down, the first match that starts at or
// after `from`; up, the last match that ends at or before `from`. When there is
// none, the search goes round once from the other end of the text, so that a
// match before the caret (down) or after it (up) is still found, with `wrapped`
// set. An empty findWhat finds nothing.
TextMatch FindInText(QStringView text, const SearchRequest& request, qsizetype from);

// Every match from the start of the text to its end, without overlaps: what
// Replace All replaces.
std::vector<TextMatch> FindAllInText(QStringView text, const SearchRequest& request);

// The editor's side of Find and Replace. Each works on the editor's text and
// selection as they stand.

// Selects the next match after the selection (before it, searching up); false
// when there is none, and the selection stays.
bool FindNextInEditor(QPlainTextEdit& editor, const SearchRequest& request);

// Replaces the selection when it is a match, as one undoable edit, then selects
// the next match; false when no further match is found.
bool ReplaceInEditor(QPlainTextEdit& editor, const SearchRequest& request);

// Replaces every match in the whole text, whatever the selection and direction,
// as one undoable edit; returns how many were replaced.
int ReplaceAllInEditor(QPlainTextEdit& editor, const SearchRequest& request);
