#pragma once

#include "PackedText.h"

#include <QString>

#include <memory>

// The view's text at one moment, taken in a moment whatever its size: what
// the edits since the baseline left alone is the baseline's own characters,
// shared with it rather than copied (and unpacked only when the text is put
// together), and only the stretch the edits touched is copied. A snapshot only reads shared strings, so a
// worker thread may put it together while the user goes on typing.
struct TextSnapshot {
    std::shared_ptr<const PackedText> baseline;
    // The text is the baseline's first `head` characters, then `middle`, then
    // the baseline's last `tail` characters.
    qsizetype head = 0;
    QString middle;
    qsizetype tail = 0;
    // The count of the view's changes when the snapshot was taken.
    quint64 revision = 0;

    // The text with its lines joined by U+2029, as the control holds it.
    QString ControlText() const;
    // The text with every line break CR LF.
    QString WholeText() const;
};
