#include "BaselineText.h"

#include "platform/TextControl.h"

#include <algorithm>

void BaselineText::Take(const TextControl& control)
{
    text_ = control.GetControlText();
    samePrefix_ = static_cast<int>(text_.size());
    sameSuffix_ = static_cast<int>(text_.size());
}

void BaselineText::SeeChange(int position, int added, int length)
{
    samePrefix_ = std::clamp(position, 0, samePrefix_);
    sameSuffix_ = std::clamp(length - position - added, 0, sameSuffix_);
}

bool BaselineText::Differs(const TextControl& control)
{
    // The control keeps its length, so a length that differs (the usual case
    // after an edit) settles it without reading the text.
    const int length = control.GetTextLength();
    if (length != text_.size())
        return true;
    const int start = std::min(samePrefix_, length);
    const int end = std::max(start, length - sameSuffix_);
    if (control.GetControlText(start, end) != QStringView(text_).sliced(start, end - start))
        return true;
    // Equal again as a whole: later edits are compared from here on.
    samePrefix_ = length;
    sameSuffix_ = length;
    return false;
}
