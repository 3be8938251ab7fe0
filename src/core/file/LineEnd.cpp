#include "LineEnd.h"

#include "Utf8.h"
#include "core/LineBreaks.h"

#include <cstddef>

std::u16string_view FirstLineEnd(std::u16string_view text)
{
    const std::size_t at = FindLineBreak(text, 0);
    if (at == text.size())
        return WHOLE_TEXT_LINE_BREAK;
    if (LineBreakLength(text, at) == 2)
        return u"\r\n";
    return text[at] == u'\n' ? u"\n" : u"\r";
}

void FirstLineEndFinder::See(std::u16string_view piece)
{
    if (!m_found.empty() || piece.empty())
        return;
    if (m_crAtEnd) {
        m_found = piece.front() == u'\n' ? u"\r\n" : u"\r";
        return;
    }
    const std::size_t at = piece.find_first_of(u"\r\n");
    if (at == std::u16string_view::npos)
        return;
    if (piece[at] == u'\r' && at + 1 == piece.size())
        m_crAtEnd = true;
    else
        m_found = FirstLineEnd(piece.substr(at));
}

std::u16string_view FirstLineEndFinder::LineEnd() const
{
    if (!m_found.empty())
        return m_found;
    return m_crAtEnd ? u"\r" : u"\r\n";
}

std::string EncodeWithLineEnds(std::u16string_view text, char16_t lineBreak, std::u16string_view lineEnd)
{
    const std::string end = Utf16ToUtf8(lineEnd);
    // Measured first, so that a large text is encoded into one allocation.
    std::size_t length = 0;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(lineBreak, from);
        length += Utf8Length(text.substr(from, at - from));
        if (at == std::u16string_view::npos)
            break;
        length += end.size();
        from = at + 1;
    }
    std::string bytes(length, '\0');
    char* out = bytes.data();
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(lineBreak, from);
        out = EncodeUtf8(text.substr(from, at - from), out);
        if (at == std::u16string_view::npos)
            break;
        out += end.copy(out, end.size());
        from = at + 1;
    }
    return bytes;
}
