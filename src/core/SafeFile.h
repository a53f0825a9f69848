// Whole-file writes that leave either the old file or the new one, never a part of either, and
// bounded reads that never block: the saved state is written on every quit and read on every
// start, so a kill, a full disk or a strange file in its place must cost nothing.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace SafeFile {

// Writes contents to a new file in path's folder, flushes it to the disk and renames it over
// path. Empty on success; otherwise the system's description of the failure, and path is as it
// was.
std::string WriteAtomically(const std::string& path, std::string_view contents);

// The first maxBytes (at most) of the regular file at path; nullopt when there is none or it
// cannot be read. A folder, a pipe or a device in its place counts as none.
std::optional<std::string> ReadStart(const std::string& path, size_t maxBytes);

}  // namespace SafeFile
