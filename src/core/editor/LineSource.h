#pragma once

#include <string>
#include <string_view>

// Where the analysis reads lines from: the editor's text control in the UI, a
// plain buffer in tests and in the command-line tool.
//
// Invariant the analysis relies on: for every line i but the last,
//   lineStart(i) + lineText(i).size() == lineStart(i + 1),
// because lineText(i) ends with the line's paragraph mark, a carriage return,
// and a line break counts as one position.
class LineSource {
public:
    virtual ~LineSource() = default;

    // Number of lines; an empty text has one (empty) line.
    virtual int lineCount() const = 0;
    // The line's text, ending with U+000D on every line but the last.
    virtual std::u16string lineText(int line) const = 0;
    // Position of the line's first character, counting a line break as one.
    virtual int lineStart(int line) const = 0;
    // Whether lineText(line) is `text`; a source that holds its text can
    // say so without making a copy of the line.
    virtual bool lineTextIs(int line, std::u16string_view text) const { return lineText(line) == text; }
    // Appends lineText(line) to `to`; a source that holds its text can do so
    // without making a copy of the line first.
    virtual void appendLineText(int line, std::u16string& to) const { to += lineText(line); }
};
