#pragma once

#include <QString>

#include <functional>

class QObject;

// The system clipboard as the editor's commands use it: Unicode text in, Unicode
// text out.

// Replaces the clipboard's contents by `text`. Returns whether the clipboard
// now holds exactly that text: another program may hold on to the clipboard,
// so a caller must never paste after a false answer.
bool CopyTextToClipboard(const QString& text);

// The clipboard's text, or an empty string when it holds none. It is read in
// one call, never by asking the clipboard's data question after question, so
// a clipboard whose owner answers once and is gone gives its text or nothing.
QString GetClipboardText();

// Whether the clipboard offers text, asked of its formats without reading it.
bool ClipboardHasText();

// The text last selected, which a middle click pastes where the system keeps
// such a selection (X11); an empty string elsewhere.
QString GetSelectionText();

// Runs `action` whenever the clipboard's contents change, for as long as
// `context` lives: commands that paste follow the clipboard with it.
void WhenClipboardChanges(QObject* context, std::function<void()> action);
