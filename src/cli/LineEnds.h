#pragma once

#include "Arguments.h"
#include "Output.h"

#include <string_view>

// The line end that output for `input` uses: the one `choice` names, or, as
// the input's own, its first line end (CR LF, LF or a lone CR), CR LF for a
// text without one.
std::u16string_view OutputLineEnd(LineEnds choice, std::u16string_view input);

// Puts a text whose line breaks are all CR LF, with each written as `lineEnd`.
void PutWithLineEnds(std::u16string_view crlfText, std::u16string_view lineEnd, TextSink& sink);
