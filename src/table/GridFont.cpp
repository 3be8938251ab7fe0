#include "table/GridFont.h"

QFont MakeGridFont(const QFont& editorFont, int points, int logicalDpiY)
{
    QFont font(editorFont.family());
    font.setStyleHint(editorFont.styleHint());
    // points * dpi / 72, to the nearest pixel.
    font.setPixelSize((points * logicalDpiY + 36) / 72);
    return font;
}
