#pragma once

#include <QString>

// True when no file goes by `path` only because the real name of the file
// meant is not valid UTF-8: Qt reads such a name with U+FFFD for each bad byte
// and cannot give the bytes back, so the editor could neither read that file
// by this path nor save over it, and a save would make a second file.
bool IsUndecodableFileName(const QString& path);
