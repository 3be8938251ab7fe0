#include "LineColours.h"

#include <algorithm>

const char* LineColourName(LineColour colour)
{
    switch (colour) {
    case LineColour::Default:
        return "default";
    case LineColour::Heading:
        return "heading";
    case LineColour::Step:
        return "step";
    case LineColour::Tag:
        return "tag";
    case LineColour::Table:
        return "table";
    case LineColour::DocString:
        return "doc string";
    case LineColour::Comment:
        return "comment";
    }
    return "unknown";
}

namespace {

struct Paint {
    LineColour colour;
    bool keywordOnly;
};

Paint PaintOf(LineType type)
{
    switch (type) {
    case FEATURE_LINE:
    case SCENARIO_LINE:
    case BACKGROUND_LINE:
    case SCENARIO_OUTLINE_LINE:
        return { LineColour::Heading, true };
    case STEP_LINE:
    case EXAMPLES_LINE:
        return { LineColour::Step, true };
    case TAG_LINE:
        return { LineColour::Tag, false };
    case TABLE_LINE:
        return { LineColour::Table, false };
    case DOC_STRING_DELIMITER_LINE:
    case DOC_STRING_LINE:
        return { LineColour::DocString, false };
    case COMMENT_LINE:
        return { LineColour::Comment, false };
    case TEXT_LINE:
    case INCLUDE_LINE:
    case NOT_ANALYSED:
        break;
    }
    return { LineColour::Default, false };
}

} // namespace

ColourSpan ColourSpanOf(LineType type, int keywordPosition, int keywordLength, int lineLength)
{
    const Paint paint = PaintOf(type);
    if (paint.colour == LineColour::Default)
        return { lineLength, lineLength, LineColour::Default };
    const int start = std::clamp(keywordPosition, 0, lineLength);
    const int end = paint.keywordOnly ? std::clamp(start + keywordLength, start, lineLength) : lineLength;
    return { start, end, paint.colour };
}
