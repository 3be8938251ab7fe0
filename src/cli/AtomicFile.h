#pragma once

#include <string>
#include <string_view>

// Replaces the contents of an existing file with `bytes` so that the file is
// never seen half written: the bytes go to a new file beside it, reach the
// disk, and that file is renamed over the old one, keeping its permissions
// (and its owner, where that is allowed). A symbolic link stays a link and
// its target is replaced. A file the caller may not write is refused. False,
// with the reason, when any step fails; the old file is then as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);
