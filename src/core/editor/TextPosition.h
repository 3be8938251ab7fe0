#pragma once

#include <compare>

// Two ways of counting the characters of a text. They part by one at every
// line break, so neither is ever taken for the other.

// A position in the editor's control, which holds a line break as one
// character: what its selection and the per-line tables count.
struct ControlPosition {
    int value = 0;
    friend auto operator<=>(const ControlPosition&, const ControlPosition&) = default;
};

// An offset in a whole text as it is given out, saved and pasted, where every
// line break is CR LF, two characters.
struct WholeTextOffset {
    int value = 0;
    friend auto operator<=>(const WholeTextOffset&, const WholeTextOffset&) = default;
};

struct ControlRange {
    ControlPosition start;
    ControlPosition end;
    friend bool operator==(const ControlRange&, const ControlRange&) = default;
};

// Where the character `offset` into a whole text put in at `at` stands in the
// control, when `lineBreaksBefore` of that text's CR LF breaks lie in front of it.
constexpr ControlPosition PositionInControl(ControlPosition at, WholeTextOffset offset, int lineBreaksBefore)
{
    return ControlPosition { at.value + offset.value - lineBreaksBefore };
}
