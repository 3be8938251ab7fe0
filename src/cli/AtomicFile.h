#pragma once

#include <functional>
#include <string>
#include <string_view>

// Writes a file's new contents to the descriptor it is given; false, with
// errno set, when a write fails.
using ContentsWriter = std::function<bool(int fd)>;

// Replaces the contents of an existing file with what `writeContents`
// writes, so that the file is never seen half written: the bytes go to a new
// file beside it, reach the disk, and that file is renamed over the old one,
// keeping its permissions (and its owner, where that is allowed). A symbolic
// link stays a link and its target is replaced. A file the caller may not
// write, and what is no regular file, are refused. False, with the reason,
// when any step fails; the old file is then as it was.
bool WriteFileAtomically(const std::string& path, const ContentsWriter& writeContents, std::string& error);

// Removes what a WriteFileAtomically of the same file left behind when it was
// killed part way: the hidden temporary files beside the file's target that bear
// the name it gives them and that no running write holds.
void RemoveAbandonedTemporaries(const std::string& path);

// Writes all of `bytes` to `fd`, as a ContentsWriter does.
bool WriteAllBytes(int fd, std::string_view bytes);
