#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <optional>

class QDropEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;

// A plain-text box whose every paste (the keys, the Paste command, a middle
// click, a drop of text) inserts text read once, through the clipboard layer
// or from the drop, as one edit that one Undo takes back.
//
// Qt's own paste asks the clipboard's data object again and again (for rich
// text, for HTML, for plain text). A clipboard whose owner answers only once,
// as some clipboard managers, remote desktops and `xclip -loops 1` do, can be
// gone between two of those questions, and the box then crashes on data that
// no longer exist. Here that clipboard gives an empty paste instead.
class GuardedPasteEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit GuardedPasteEdit(QWidget* parent = nullptr);

    // The Paste command: the clipboard's text in place of the selection.
    void PasteClipboardText();

protected:
    // Qt's paste() and drops end here; the data object is asked nothing
    // during a paste.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // `text` in place of the selection, its line breaks of any platform the
    // box's own, as one undoable edit; nothing for an empty text.
    void InsertPastedText(QString text);

    // While a drop is being inserted: its text, read once from the drag.
    std::optional<QString> m_droppedText;
};
