#pragma once

#include "LineSource.h"

#include <string>
#include <string_view>
#include <vector>

// A LineSource over a whole text held in memory. CR LF, a lone LF and a lone
// CR each end a line, as the editor control splits text.
class TextLineSource final : public LineSource {
public:
    explicit TextLineSource(const std::u16string& wholeText);

    int lineCount() const override;
    std::u16string lineText(int line) const override;
    int lineStart(int line) const override;

    // The text as the control gives it out whole: every line break CR LF.
    std::u16string wholeText() const;

private:
    std::u16string text_; // line breaks normalised to one CR each
    std::vector<int> starts_; // start of each line in text_
};

// Appends `controlText`, in which every line break is a single CR as the
// control holds it, with each break written as CR LF, as the whole text
// carries it.
void AppendAsWholeText(std::u16string& whole, std::u16string_view controlText);
