#pragma once

#include <QLineEdit>
#include <QRect>
#include <QString>

// What opened an in-place editor: the left button (a click on the focused
// cell, a double click, F2), a key, or text the user typed on the cell.
struct EditStartKey {
    static constexpr int LEFT_BUTTON = 1;

    int key = LEFT_BUTTON; // LEFT_BUTTON or a Qt::Key
    QString text; // what the key typed, when it types

    static EditStartKey LeftButton() { return {}; }
    static EditStartKey Key(int key) { return { key, {} }; }
    static EditStartKey Typed(int key, const QString& text) { return { key, text }; }
};

// Home, End, the arrows, Page Up and Page Down: the keys that move between
// cells, and that open an editor with its whole text selected.
bool IsNavigationKey(int key);

// The one-line editor laid over a cell while its text is edited.
//
// How it starts depends on what opened it: the left button or Enter puts the
// caret at the end of the text; Backspace does so and deletes the last
// character; Tab, Space and the navigation keys select the whole text; typed
// text replaces it. Tab and Enter end the edit keeping the text, Esc ends it
// with the text it started with; the arrow and page keys end it too when it was
// opened by a key or when Ctrl is held (otherwise they move the caret). Losing
// the focus ends it. At the end it reports editEnded once and closes.
//
// The text shows on one line, each line break as its mark (CellText.h);
// Alt+Enter types one. Its clipboard commands go through the clipboard layer,
// and a pasted text's line breaks show as marks, but for the one that ends it.
class CInPlaceEdit : public QLineEdit {
    Q_OBJECT

public:
    // Opens over `rect` of `parent` without a frame of its own (the grid
    // frames it), focused, showing the text in `font` `textLeft` pixels from
    // its left edge; it may widen with its text up to `maxRight`, the right
    // edge of the grid's client area.
    CInPlaceEdit(QWidget* parent, const QRect& rect, const QFont& font, int textLeft, int row, int col,
        const QString& text, const EditStartKey& start, int maxRight);

    int GetRow() const { return m_row; }
    int GetColumn() const { return m_col; }

    // Ends the edit keeping the text, as losing the focus does.
    void EndEdit() { End(0, Qt::NoModifier); }

    // The clipboard's text in place of the selection, its line breaks as marks.
    void PasteClipboardText();

signals:
    // The edit ended with `text`; `key` is the key that ended it (a Qt::Key),
    // 0 when it ended otherwise.
    void editEnded(int row, int col, const QString& text, int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Start(const EditStartKey& start);
    void End(int key, Qt::KeyboardModifiers modifiers);
    void Widen();
    void CopySelectedText();
    void CutSelectedText();

    int m_row;
    int m_col;
    QString m_initialText;
    QRect m_cellRect;
    int m_maxRight;
    // Arrow keys end the edit only when a key opened it; after a click they
    // move the caret.
    bool m_exitOnArrows;
    bool m_ended = false;
};
