#pragma once

#include "grid/CGridCell.h"

// The attributes of one kind of cell (normal, in a fixed row, in a fixed
// column, or both) that its cells do not set themselves, and the size a new
// row or column of the grid gets.
class CGridDefaultCell : public CGridCell {
public:
    // Left-aligned single-line text in the system's user-interface font. Needs
    // the application object (QGuiApplication) to measure the font.
    CGridDefaultCell();

    // Takes the font and measures from it the margin (the width of one
    // character, the terminating null of an empty text) and the size of a
    // cell of thirteen characters.
    void SetFont(const QFont& font) override;

    // A default cell always has a font.
    const QFont& GetDefaultFont() const { return *GetFont(); }

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }

private:
    int m_width = 30;
    int m_height = 10;
};
