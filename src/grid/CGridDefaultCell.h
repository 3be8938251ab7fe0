#pragma once

#include <QFont>

// What every cell of the grid shares: the font of its text, the margin beside
// the text, and the size a new row or column gets.
class CGridDefaultCell {
public:
    // The system's user-interface font. Needs the application object
    // (QGuiApplication) to measure the font.
    CGridDefaultCell();

    // Takes the font and measures from it the margin (the width of one
    // character, the terminating null of an empty text) and the size of a
    // cell of thirteen characters.
    void SetFont(const QFont& font);
    const QFont& GetFont() const { return m_font; }
    int GetMargin() const { return m_margin; }

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }

private:
    QFont m_font;
    int m_margin = 3;
    int m_width = 30;
    int m_height = 10;
};
