#pragma once

#include <QFont>

// The font of the table dialog's cells: the face of the editor's font, in a
// size of `points` on a display of `logicalDpiY` dots per inch, rounded to
// whole pixels as the editor has always sized it. Nothing else of the
// editor's font carries over (no weight, no slant).
QFont MakeGridFont(const QFont& editorFont, int points, int logicalDpiY);
