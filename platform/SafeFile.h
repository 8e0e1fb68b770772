// Whole-file reading and the one save routine of charts, settings and printed pages.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace Platform {

// The whole of the regular file at `path`, or nothing when it is missing, is not a
// regular file (a FIFO, a device), cannot be read or is larger than `maxBytes`.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` by `content` through a uniquely named temporary file in
// the same folder, renamed over the target, so a failed write leaves the old file as
// it was. When the folder refuses a new file but the target itself is writable, the
// target is rewritten in place instead. A target that is not writable is refused.
// False on any failure.
bool ReplaceFile(const std::string& path, const std::string& content);

}  // namespace Platform
