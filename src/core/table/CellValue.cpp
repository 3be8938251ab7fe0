#include "core/table/CellValue.h"

#include <cstddef>

std::u16string CellValue(std::u16string_view written)
{
    std::u16string value;
    value.reserve(written.size());
    for (std::size_t at = 0; at < written.size(); ++at) {
        const char16_t c = written[at];
        const char16_t next = at + 1 < written.size() ? written[at + 1] : u'\0';
        if (c == u'\\' && (next == u'|' || next == u'\\' || next == u'n')) {
            value += next == u'n' ? u'\n' : next;
            ++at;
            continue;
        }
        value += c;
    }
    return value;
}

std::u16string WrittenCell(std::u16string_view value)
{
    std::u16string written;
    written.reserve(value.size());
    for (std::size_t at = 0; at < value.size(); ++at) {
        const char16_t c = value[at];
        const char16_t next = at + 1 < value.size() ? value[at + 1] : u'\0';
        switch (c) {
        case u'|':
            written += u"\\|";
            break;
        case u'\r':
            if (next == u'\n')
                ++at;
            written += u"\\n";
            break;
        case u'\n':
            written += u"\\n";
            break;
        case u'\\':
            // Every character that follows as an escape starts with one of these.
            written += next == u'\\' || next == u'|' || next == u'n' || next == u'\n' || next == u'\r'
                ? u"\\\\"
                : u"\\";
            break;
        default:
            written += c;
        }
    }
    return written;
}
