#include "BaselineText.h"

#include "platform/TextControl.h"

#include <algorithm>

void BaselineText::Take(const TextControl& control)
{
    // Read a piece at a time: a large text is not copied whole beside itself.
    const int length = control.GetTextLength();
    PackedText::Builder packed;
    for (int start = 0; start < length; start += int(PackedText::PIECE))
        packed.Append(control.GetControlText(start, std::min(length, start + int(PackedText::PIECE))));
    text_ = packed.Finish();
    samePrefix_ = length;
    sameSuffix_ = length;
}

bool BaselineText::Take(const TextSnapshot& saved, const QString& controlText)
{
    if (saved.revision != changes_)
        return false;
    text_ = PackedText::Pack(controlText);
    samePrefix_ = static_cast<int>(text_->size());
    sameSuffix_ = static_cast<int>(text_->size());
    return true;
}

void BaselineText::SeeChange(int position, int added, int length)
{
    ++changes_;
    samePrefix_ = std::clamp(position, 0, samePrefix_);
    sameSuffix_ = std::clamp(length - position - added, 0, sameSuffix_);
}

namespace {
// The stretch start .. end of a text `length` long that changes may have made
// differ from the baseline.
struct Stretch {
    int start;
    int end;
};
Stretch Changed(int length, int samePrefix, int sameSuffix)
{
    const int start = std::min(samePrefix, length);
    return { start, std::max(start, length - sameSuffix) };
}
} // namespace

bool BaselineText::Differs(const TextControl& control)
{
    // The control keeps its length, so a length that differs (the usual case
    // after an edit) settles it without reading the text.
    const int length = control.GetTextLength();
    if (length != text_->size())
        return true;
    const auto [start, end] = Changed(length, samePrefix_, sameSuffix_);
    if (control.GetControlText(start, end) != text_->Mid(start, end - start))
        return true;
    // Equal again as a whole: later edits are compared from here on.
    samePrefix_ = length;
    sameSuffix_ = length;
    return false;
}

TextSnapshot BaselineText::Snapshot(const TextControl& control) const
{
    const int length = control.GetTextLength();
    const auto [start, end] = Changed(length, samePrefix_, sameSuffix_);
    return { text_, start, control.GetControlText(start, end), length - end, changes_ };
}
