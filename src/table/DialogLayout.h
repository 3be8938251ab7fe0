#pragma once

#include <QRect>
#include <QSize>

class QPushButton;
class QString;
class QWidget;

// How the table and doc-string dialogs size and place their controls. Sizes
// come in dialog units, which follow the dialog's font: a unit is a quarter of
// the font's average character width across and an eighth of its height down.
// On every resize the buttons keep their size and stand in a row at the
// bottom right, and the dialog's main control fills everything above them.

inline constexpr int BUTTON_BOTTOM_MARGIN = 5; // from the client area's bottom to every button's
inline constexpr int CANCEL_RIGHT_MARGIN = 10; // from the client area's right edge to Cancel's
inline constexpr int OK_RIGHT_MARGIN = 110; // ... to OK's
inline constexpr int HELP_RIGHT_MARGIN = 225; // ... to Help's
inline constexpr int CONTROL_GAP = 5; // between the main control and the top of OK

// A size in dialog units of `dialog`'s font, in pixels.
QSize DialogUnitsToPixels(const QWidget& dialog, QSize units);

// A push button of the dialog: 50 x 14 dialog units, or as large as its text
// needs when that is more.
QPushButton* NewDialogButton(const QString& text, QWidget& dialog);

// Moves `button`, keeping its size, so that its bottom edge stands
// BUTTON_BOTTOM_MARGIN pixels above `client`'s bottom edge and its right edge
// `rightMargin` pixels left of `client`'s right edge.
void PlaceDialogButton(QWidget& button, const QRect& client, int rightMargin);

// The main control's place: `client` from its top down to CONTROL_GAP pixels
// above `okButton`.
QRect MainControlRect(const QRect& client, const QWidget& okButton);

// `size` as large as it may be on the screen that shows `dialog`, its title
// bar allowed for.
QSize BoundedToScreen(const QWidget& dialog, QSize size);
