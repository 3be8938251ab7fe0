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
    m_text = packed.Finish();
    m_samePrefix = length;
    m_sameSuffix = length;
}

bool BaselineText::Take(const TextSnapshot& saved, const QString& controlText)
{
    if (saved.revision != m_changes)
        return false;
    m_text = PackedText::Pack(controlText);
    m_samePrefix = static_cast<int>(m_text->size());
    m_sameSuffix = static_cast<int>(m_text->size());
    return true;
}

void BaselineText::SeeChange(int position, int added, int length)
{
    ++m_changes;
    m_samePrefix = std::clamp(position, 0, m_samePrefix);
    m_sameSuffix = std::clamp(length - position - added, 0, m_sameSuffix);
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
    if (length != m_text->size())
        return true;
    const auto [start, end] = Changed(length, m_samePrefix, m_sameSuffix);
    if (control.GetControlText(start, end) != m_text->Mid(start, end - start))
        return true;
    // Equal again as a whole: later edits are compared from here on.
    m_samePrefix = length;
    m_sameSuffix = length;
    return false;
}

TextSnapshot BaselineText::Snapshot(const TextControl& control) const
{
    const int length = control.GetTextLength();
    const auto [start, end] = Changed(length, m_samePrefix, m_sameSuffix);
    return { m_text, start, control.GetControlText(start, end), length - end, m_changes };
}
