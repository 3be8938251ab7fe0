#pragma once

#include "Arguments.h"

#include <string>
#include <string_view>

// The line end that output for `input` uses: the one `choice` names, or, as
// the input's own, its first line end (CR LF, LF or a lone CR), CR LF for a
// text without one.
std::u16string_view OutputLineEnd(LineEnds choice, std::u16string_view input);

// A text whose line breaks are all CR LF, with each written as `lineEnd`.
std::u16string WithLineEnds(std::u16string crlfText, std::u16string_view lineEnd);
