#pragma once

#include "grid/CGridCellBase.h"

#include <optional>

// The cell every position of the grid holds: an empty text and no attributes of
// its own until they are set.
class CGridCell : public CGridCellBase {
public:
    const QString& GetText() const override { return m_text; }
    void SetText(const QString& text) override { m_text = text; }

    std::uint32_t GetFormat() const override { return m_format; }
    QColor GetTextColour() const override { return m_textColour; }
    QColor GetBackColour() const override { return m_backColour; }
    const QFont* GetFont() const override { return m_font ? &*m_font : nullptr; }
    int GetMargin() const override { return m_margin; }

    void SetFormat(std::uint32_t format) { m_format = format; }
    void SetTextColour(const QColor& colour) { m_textColour = colour; }
    void SetBackColour(const QColor& colour) { m_backColour = colour; }
    virtual void SetFont(const QFont& font) { m_font = font; }
    void SetMargin(int margin) { m_margin = margin; }

private:
    QString m_text;
    std::uint32_t m_format = FORMAT_FROM_DEFAULT;
    QColor m_textColour;
    QColor m_backColour;
    std::optional<QFont> m_font;
    int m_margin = -1;
};
