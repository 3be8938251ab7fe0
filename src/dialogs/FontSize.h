#pragma once

// The editor's font size, in points, until the Settings command sets
// another: the view starts with it, and the application reads it when the
// profile holds none.
inline constexpr int DEFAULT_FONT_SIZE = 12;
