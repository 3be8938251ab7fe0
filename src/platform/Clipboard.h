#pragma once

#include <QString>

// The system clipboard as the editor's commands use it: Unicode text in, Unicode
// text out.

// Replaces the clipboard's contents by `text`. Returns whether the clipboard
// now holds exactly that text; a command that gets false writes its text
// through the control instead of pasting whatever the clipboard holds.
bool CopyTextToClipboard(const QString& text);

// The clipboard's text, or an empty string when it holds none.
QString GetClipboardText();
