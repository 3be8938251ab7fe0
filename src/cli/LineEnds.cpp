#include "LineEnds.h"

#include "core/LineBreaks.h"
#include "core/file/LineEnd.h"

#include <cstddef>

std::u16string_view OutputLineEnd(LineEnds choice, std::u16string_view input)
{
    if (choice == LineEnds::Lf)
        return u"\n";
    if (choice == LineEnds::CrLf)
        return u"\r\n";
    return FirstLineEnd(input);
}

void PutWithLineEnds(std::u16string_view crlfText, std::u16string_view lineEnd, TextSink& sink)
{
    if (lineEnd == WHOLE_TEXT_LINE_BREAK) {
        sink.Put(crlfText);
        return;
    }
    std::size_t at = 0;
    for (std::size_t end; (end = crlfText.find(WHOLE_TEXT_LINE_BREAK, at)) != std::u16string_view::npos;
         at = end + WHOLE_TEXT_LINE_BREAK.size()) {
        sink.Put(crlfText.substr(at, end - at));
        sink.Put(lineEnd);
    }
    sink.Put(crlfText.substr(at));
}
