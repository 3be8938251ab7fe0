#pragma once

#include <string>
#include <string_view>

// std::wregex works on std::wstring, whose wchar_t holds a whole code point
// on Linux. These convert the editor's UTF-16 text to and from that form
// without losing anything: a lone surrogate is carried over as it is.
std::wstring ToWide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);
