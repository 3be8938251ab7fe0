#include "table/DialogLayout.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// a * b / c rounded to the nearest integer, as dialog units are converted.
int MulDiv(int a, int b, int c)
{
    return (a * b + c / 2) / c;
}

} // namespace

QSize DialogUnitsToPixels(const QWidget& dialog, QSize units)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(dialog.font());
    const int baseX = MulDiv(metrics.horizontalAdvance(alphabet), 1, 52);
    const int baseY = metrics.height();
    return { MulDiv(units.width(), baseX, 4), MulDiv(units.height(), baseY, 8) };
}

QPushButton* NewDialogButton(const QString& text, QWidget& dialog)
{
    auto* button = new QPushButton(text, &dialog);
    button->resize(DialogUnitsToPixels(dialog, { 50, 14 }).expandedTo(button->sizeHint()));
    return button;
}

void PlaceDialogButton(QWidget& button, const QRect& client, int rightMargin)
{
    button.move(client.x() + client.width() - rightMargin - button.width(),
        client.y() + client.height() - BUTTON_BOTTOM_MARGIN - button.height());
}

QRect MainControlRect(const QRect& client, const QWidget& okButton)
{
    return { client.x(), client.y(), client.width(), std::max(0, okButton.y() - CONTROL_GAP - client.y()) };
}

QSize BoundedToScreen(const QWidget& dialog, QSize size)
{
    const QScreen* screen = dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return size;
    const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return size.boundedTo(screen->availableGeometry().size() - QSize(0, titleBar));
}
