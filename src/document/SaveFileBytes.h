#pragma once

#include <QByteArrayView>
#include <QString>

// Writes `bytes` over the file at `path` so that no failure costs the file's
// former contents, and says why a save failed in the system's own words ("No
// space left on device", "Permission denied").
//
// The bytes go to a temporary file beside the old one, which replaces it only
// once they are all written: SaveFileSafely (core/file/SafeSave.h), as the
// command line saves, with its promises for read-only files, links and
// permissions. A folder that does not let us create that
// temporary file may still hold a file we may write: then the old bytes are
// first copied into `backupFolder` (see SaveCopy.h) and the file is written in
// place. Should that write fail half-way, the old bytes are put back from the
// copy; only when even that fails does the copy stay, and the reason names it.
// After a good save the copy is removed; after a crash it is left for the
// next start to offer.
//
// False on failure, with the reason in `reason`.
bool SaveFileBytes(const QString& path, QByteArrayView bytes, const QString& backupFolder, QString& reason);
