#include "LineEnds.h"

#include <cstddef>

std::u16string_view OutputLineEnd(LineEnds choice, std::u16string_view input)
{
    if (choice == LineEnds::Lf)
        return u"\n";
    const std::size_t at = input.find_first_of(u"\r\n");
    if (choice == LineEnds::CrLf || at == std::u16string_view::npos)
        return u"\r\n";
    if (input[at] == u'\n')
        return u"\n";
    return at + 1 < input.size() && input[at + 1] == u'\n' ? u"\r\n" : u"\r";
}

void PutWithLineEnds(std::u16string_view crlfText, std::u16string_view lineEnd, TextSink& sink)
{
    if (lineEnd == u"\r\n") {
        sink.Put(crlfText);
        return;
    }
    std::size_t at = 0;
    for (std::size_t end; (end = crlfText.find(u"\r\n", at)) != std::u16string_view::npos; at = end + 2) {
        sink.Put(crlfText.substr(at, end - at));
        sink.Put(lineEnd);
    }
    sink.Put(crlfText.substr(at));
}
