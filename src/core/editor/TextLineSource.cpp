#include "TextLineSource.h"

TextLineSource::TextLineSource(const std::u16string& wholeText)
{
    text_.reserve(wholeText.size());
    starts_.push_back(0);
    for (std::size_t i = 0; i < wholeText.size(); ++i) {
        const char16_t c = wholeText[i];
        if (c == u'\r' || c == u'\n') {
            // CR LF is one break; a lone CR or LF is one too.
            if (c == u'\r' && i + 1 < wholeText.size() && wholeText[i + 1] == u'\n')
                ++i;
            text_.push_back(u'\r');
            starts_.push_back(static_cast<int>(text_.size()));
        } else {
            text_.push_back(c);
        }
    }
}

int TextLineSource::lineCount() const
{
    return static_cast<int>(starts_.size());
}

std::u16string TextLineSource::lineText(int line) const
{
    if (line < 0 || line >= lineCount())
        return {};
    const std::size_t begin = starts_[line];
    const std::size_t end = line + 1 < lineCount() ? starts_[line + 1] : text_.size();
    return text_.substr(begin, end - begin);
}

int TextLineSource::lineStart(int line) const
{
    if (line < 0 || line >= lineCount())
        return -1;
    return starts_[line];
}

std::u16string TextLineSource::wholeText() const
{
    std::u16string whole;
    whole.reserve(text_.size() + starts_.size());
    AppendAsWholeText(whole, text_);
    return whole;
}

void AppendAsWholeText(std::u16string& whole, std::u16string_view controlText)
{
    for (char16_t c : controlText) {
        whole.push_back(c);
        if (c == u'\r')
            whole.push_back(u'\n');
    }
}
