#pragma once

#include <functional>
#include <string>
#include <string_view>

// The one way both programs replace a file on disk, with the same promises:
// the file is never seen half written, a read-only file is refused, a
// symbolic link stays a link and its target gets the new contents, the
// target's permissions (and its owner, where that may be given) stay, and a
// failure leaves the file as it was and no temporary file behind.

// Writes a file's new contents to the descriptor it is given; false, with
// errno set, when a write fails.
using ContentsWriter = std::function<bool(int fd)>;

enum class SaveOutcome {
    Saved,
    // Nothing was changed: the folder holding the file lets no temporary
    // file be made in it. The file itself may still be writable in place.
    NoTemporaryFile,
    // Nothing was changed, for the reason given.
    Failed,
};

// Replaces the contents of the file at `path`, or makes it when there is
// none, with what `writeContents` writes: the bytes go to a new file beside
// the link's target, reach the disk, and that file is renamed over it. A file
// is read-only when its mode lets nobody write it (root too is refused such a
// file, where access() would let root through) or when the caller may not
// write it; that and what is no regular file are refused. The reason is in
// `error` unless the file was saved.
SaveOutcome SaveFileSafely(const std::string& path, const ContentsWriter& writeContents, std::string& error);

// Removes what a SaveFileSafely of the same file left behind when it was
// killed part way: the hidden temporary files beside the file's target that
// bear the name it gives them and that no running save holds.
void RemoveAbandonedTemporaries(const std::string& path);

// Writes all of `bytes` to `fd`, as a ContentsWriter does.
bool WriteAllBytes(int fd, std::string_view bytes);
