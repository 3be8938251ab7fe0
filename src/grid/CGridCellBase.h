#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

// One cell of the grid as the grid sees it: its text, its own state flags, and
// the attributes it may set for itself. An attribute a cell leaves unset (a
// format of FORMAT_FROM_DEFAULT, an invalid colour, no font, a margin of -1) is
// taken from the default cell of its kind (CGridModel::GetDefaultCell).
class CGridCellBase {
public:
    static constexpr std::uint32_t FORMAT_FROM_DEFAULT = 0xFFFFFFFF;

    virtual ~CGridCellBase() = default;

    virtual const QString& GetText() const = 0;
    virtual void SetText(const QString& text) = 0;

    virtual std::uint32_t GetFormat() const = 0;
    virtual QColor GetTextColour() const = 0;
    virtual QColor GetBackColour() const = 0;
    virtual const QFont* GetFont() const = 0;
    virtual int GetMargin() const = 0;

    // Whether the cell takes `text` as the result of an edit.
    virtual bool ValidateEdit(const QString& text);

    // The flags the cell keeps itself: read-only and modified. Focus, selection
    // and fixedness follow from the cell's place and are the grid's
    // (CGridModel::GetItemState).
    std::uint32_t GetState() const { return m_state; }
    void SetState(std::uint32_t state) { m_state = state; }

private:
    std::uint32_t m_state = 0;
};
