#pragma once

#include "core/language/LineType.h"

// The colours of the editor, one to a role; the interface gives each its
// character format.
enum class LineColour { Default, Heading, Step, Tag, Table, DocString, Comment };

// "default", "heading", ...
const char* LineColourName(LineColour colour);

// The part of a line painted in a colour of its own, start .. end - 1 in
// UTF-16 units of the line without its break; everything else is painted in
// the default colour. Headings, steps and Examples lines colour their keyword
// alone, so that the name after it reads plain; tags, table rows, doc strings
// and comments colour the line from the keyword or marker to its end. The
// blanks in front are never coloured. A line of a plain type (text, include,
// never analysed) has an empty span at its end.
struct ColourSpan {
    int start = 0;
    int end = 0;
    LineColour colour = LineColour::Default;
    bool operator==(const ColourSpan&) const = default;
};

// The span of a line of `lineLength` units, its keyword of `keywordLength`
// found at `keywordPosition`: the span never leaves the line, whatever the
// tables say of the keyword.
ColourSpan ColourSpanOf(LineType type, int keywordPosition, int keywordLength, int lineLength);
