#pragma once

// A spreadsheet of 10,000 rows by 20 columns as the table benchmarks paste it.

#include <QString>

namespace bench {

constexpr int SHEET_ROWS = 10000;
constexpr int SHEET_COLS = 20;

// Texts of the kinds spreadsheets hold: names, numbers, dates, addresses,
// flags; `variant` changes every one of them.
inline QString SheetCellText(int row, int col, int variant)
{
    const int n = row * SHEET_COLS + col + variant * 7;
    switch (col % 5) {
    case 0:
        return QStringLiteral("Customer %1").arg(n);
    case 1:
        return QString::number(n * 37 % 100000);
    case 2:
        return QStringLiteral("2024-%1-%2")
            .arg(n % 12 + 1, 2, 10, QChar(u'0'))
            .arg(n % 28 + 1, 2, 10, QChar(u'0'));
    case 3:
        return QStringLiteral("%1 Main Street, Springfield").arg(n % 997);
    default:
        return n % 3 == 0 ? QStringLiteral("yes") : QStringLiteral("no %1").arg(variant);
    }
}

// The whole sheet as a spreadsheet copies it: tab-separated, CR LF after each row.
inline QString SheetText(int variant)
{
    QString text;
    for (int row = 0; row < SHEET_ROWS; ++row) {
        for (int col = 0; col < SHEET_COLS; ++col) {
            if (col > 0)
                text += u'\t';
            text += SheetCellText(row, col, variant);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace bench
