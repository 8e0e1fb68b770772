// Whole-file reading and the one save routine of charts, settings and printed pages.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace Platform {

// The whole of the regular file at `path`, or nothing when it is missing, is not a
// regular file (a FIFO, a device), cannot be read, is larger than `maxBytes` or grows
// while it is read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` (the file a link points to, keeping the link) by `content`:
// written to a short temporary name in the same folder, synced, renamed over the target,
// the folder synced, so a failed save leaves the old file byte for byte. The new file gets the
// old one's owner and group. Only when the folder refuses a new file, the target has other
// hard links, or its owner and group cannot be given to a new file, is the target (a writable
// regular file) rewritten in place, with the room reserved before anything is overwritten.
// A target that is not writable is refused. Temporary files that earlier saves of this user
// left in the folder, untouched for ten minutes, are removed. False on any failure.
bool ReplaceFile(const std::string& path, const std::string& content);

}  // namespace Platform
