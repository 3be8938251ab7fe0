#pragma once

#include <QString>

#include <cstdint>
#include <utility>

// One cell of the grid: its text and the flags it keeps itself, read-only and
// modified (CellState). Focus, selection and fixedness follow from the cell's
// place and are the grid's (CGridModel::GetItemState).
class CGridCell {
public:
    const QString& GetText() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }
    void SetText(QString&& text) { m_text = std::move(text); }
    // Sets the text and hands back the one it had.
    QString ExchangeText(QString&& text) { return std::exchange(m_text, std::move(text)); }

    std::uint32_t GetState() const { return m_state; }
    void SetState(std::uint32_t state) { m_state = state; }

private:
    QString m_text;
    std::uint32_t m_state = 0;
};
