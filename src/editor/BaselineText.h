#pragma once

#include "PackedText.h"
#include "TextSnapshot.h"

#include <QString>

#include <memory>

class TextControl;

// The text that counts as unchanged, in the control's own form (blocks
// joined by U+2029) and packed, so that a large text is not held twice over,
// and the part of the current text an edit may have made differ from it. Every change of the text is seen
// here, so that asking whether the text differs compares only what the edits since the last answer touched,
// not a whole large text; and a snapshot of the text copies only that part too.
class BaselineText {
public:
    // The control's text becomes the baseline.
    void Take(const TextControl& control);
    // A snapshot that has just been saved becomes the baseline, as
    // `controlText`, its text put together; false, and nothing taken, when
    // the text has changed since the snapshot.
    bool Take(const TextSnapshot& saved, const QString& controlText);

    // Positions `position` .. `position + added` of a text now `length`
    // long are new (the characters they replaced are gone).
    void SeeChange(int position, int added, int length);

    // Whether the control's text differs from the baseline.
    bool Differs(const TextControl& control);

    // The control's text as it stands.
    TextSnapshot Snapshot(const TextControl& control) const;

private:
    std::shared_ptr<const PackedText> text_ = PackedText::Pack({});
    // The current text's first `samePrefix_` and last `sameSuffix_`
    // characters are the baseline's, as far as the changes seen tell.
    int samePrefix_ = 0;
    int sameSuffix_ = 0;
    quint64 changes_ = 0;
};
