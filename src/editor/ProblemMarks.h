#pragma once

#include "core/gherkin/GherkinCheck.h"
#include "core/language/KeywordDictionary.h"

#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTimer>

#include <string>
#include <vector>

class QPlainTextEdit;

// What Cucumber would reject in the text, and what it would run wrongly,
// marked in the view while the user types: a red wavy line under each error, an
// amber one under each warning, and the message as the tooltip over it.
//
// The whole text is checked, however long, and not only the lines the editor
// analyses. A short text is checked once the change that was made is over; a
// long one when the user pauses, so that a keystroke costs no more than
// before. The marks are extra selections of the view: no part of the text,
// its undo history, its modified state or what is copied, and drawn over the
// colours of the lines without changing them.
class ProblemMarks : public QObject {
    Q_OBJECT
public:
    struct Mark {
        GherkinProblem problem;
        // The characters marked; empty at the end of a text that has no line to mark.
        QTextCursor span;
        int line = 0; // the block the mark is in, from 0
    };

    // A text without a language line is checked in `language`, the editor's,
    // which outlives the marks.
    ProblemMarks(QPlainTextEdit& view, const Language& language);
    ~ProblemMarks() override;

    // Checks the whole text now, and marks what is found.
    void CheckNow();

    // The problems of a large text found before it goes into the view, while
    // it is whole outside it, so that it is not copied out of the view again
    // to be checked once it is in.
    struct Found {
        std::vector<GherkinProblem> problems;
        const GherkinDialect* dialect = nullptr; // the one a text without a language line was read in
    };
    // Every line break the view reads in `text` (a lone CR, a paragraph or
    // frame mark) is made an LF there, which the view reads the same.
    Found CheckBeforeLoad(std::u16string& text) const;
    // Marks what was found once that text is in the view, unless the editor's
    // language has changed since (the text's language line chose another),
    // in which case the text is checked as after any change.
    void ShowFound(Found found);
    const std::vector<Mark>& Marks() const { return m_marks; }
    int ErrorCount() const { return m_errors; }
    int WarningCount() const { return m_warnings; }

    // The first mark starting after `position`, or the first of all after the
    // last; the last starting before it, or the last of all before the first.
    // Nullptr when there is none.
    const Mark* Next(int position) const;
    const Mark* Previous(int position) const;
    // The mark over the character at `position`, or nullptr.
    const Mark* At(int position) const;

    // "2 errors, 1 warning"; empty when there are none.
    static QString Summary(int errors, int warnings);
    // A text this long waits for a pause in the typing before it is checked.
    static constexpr int PAUSE_LENGTH = 16384;
    static constexpr int PAUSE_MS = 300;

signals:
    // The problems found differ from the last ones.
    void marksChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Schedule();
    void Show(std::vector<GherkinProblem> problems);

    QPlainTextEdit& m_view;
    const Language& m_language;
    QTimer m_timer;
    std::vector<Mark> m_marks;
    int m_errors = 0;
    int m_warnings = 0;
};
