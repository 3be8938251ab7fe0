#pragma once

#include "LineSource.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A LineSource over a whole text held in memory. CR LF, a lone LF and a lone
// CR each end a line, as the editor control splits text. The text is kept as
// it is given, line breaks as they stand, and the lines are places in it, so
// that a line costs two numbers and nothing is copied until it is read.
//
// Positions are ints, as the control's are: the text may hold at most
// INT_MAX characters.
class TextLineSource final : public LineSource {
public:
    explicit TextLineSource(std::u16string wholeText);
    // A text whose lines were found already, as a reader that split the
    // file's bytes into lines finds them: `lineOffsets` holds where each line
    // begins in `wholeText`, the first at 0 and each other right after the
    // line break (CR LF, LF or CR) that ends the line before it, exactly as
    // the constructor above would find them.
    TextLineSource(std::u16string wholeText, std::vector<int> lineOffsets);

    int lineCount() const override;
    std::u16string lineText(int line) const override;
    int lineStart(int line) const override;
    bool lineTextIs(int line, std::u16string_view text) const override;
    void appendLineText(int line, std::u16string& to) const override;

    // The line without its line break, as it stands in text().
    std::u16string_view lineContent(int line) const;
    // The text as given, and where in it a line begins.
    const std::u16string& text() const { return m_text; }
    std::size_t lineOffset(int line) const;
    // The line break that every line of the text but the last ends with (CR
    // LF, LF or CR); empty when they differ or the text has one line.
    std::u16string_view commonLineBreak() const;

    // The text as the control gives it out whole: every line break CR LF.
    std::u16string wholeText() const;

private:
    void SetCommonBreak(const std::size_t (&kinds)[3]);

    std::u16string m_text;
    std::vector<int> m_offsets; // where each line begins in m_text
    std::vector<int> m_starts; // and its position, a line break counting one
    std::u16string_view m_commonBreak;
};

// Appends `controlText`, in which every line break is a single CR as the
// control holds it, with each break written as CR LF, as the whole text
// carries it.
void AppendAsWholeText(std::u16string& whole, std::u16string_view controlText);
