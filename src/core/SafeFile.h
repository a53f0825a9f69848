// Whole-file writes that leave either the old file or the new one, never a part of either, and
// bounded reads that never block: the saved state is written on every quit and read on every
// start, so a kill, a full disk or a strange file in its place must cost nothing.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace SafeFile {

// The system's own calls, the defaults of SaveCalls and ReadCalls.
int SystemMakeTemporary(char* nameTemplate);
ssize_t SystemWrite(int fd, const char* data, size_t size);
int SystemFlush(int fd);
int SystemClose(int fd);
int SystemRename(const char* from, const char* to);
int SystemOpen(const char* path, int flags);

// The calls a save makes, each replaceable so that a test can fail any one of them as a full
// disk or a failing device would (returning -1 with errno set).
struct SaveCalls {
    std::function<int(char* nameTemplate)> makeTemporary = SystemMakeTemporary;  // mkostemp
    std::function<ssize_t(int fd, const char* data, size_t size)> write = SystemWrite;
    std::function<int(int fd)> flush = SystemFlush;  // fsync
    std::function<int(int fd)> close = SystemClose;
    std::function<int(const char* from, const char* to)> rename = SystemRename;
};

// Writes contents to a new file in path's folder (made first when missing, with its parents),
// flushes it to the disk and renames it over path. Empty on success; otherwise the system's
// description of the failure, and path is as it was. A file at path that this user may not
// write to is refused as writing into it would be ("Permission denied"), although renaming
// over it would succeed: a read-only file is kept.
std::string WriteAtomically(const std::string& path, std::string_view contents, const SaveCalls& calls = {});

// How long a read may take. A local disk answers within milliseconds, also with the file
// system busy; a folder on a network mount whose server has stopped answering would hold the
// start-up for ever, so a read that has not ended by then counts as no file.
inline constexpr std::chrono::milliseconds kReadLimit{1000};

// The open of a read, replaceable so that a test can stand in for a path that never answers.
struct ReadCalls {
    std::function<int(const char* path, int flags)> open = SystemOpen;
};

// The first maxBytes (at most) of the regular file at path; nullopt when there is none, it
// cannot be read, or the reading has not ended within limit (the read is then left to end on
// a thread of its own, and its result is dropped). A folder, a pipe or a device in its place
// counts as none.
std::optional<std::string> ReadStart(const std::string& path, size_t maxBytes,
                                     std::chrono::milliseconds limit = kReadLimit, const ReadCalls& calls = {});

// As ReadStart, after making the file's folder when it is missing (that folder only, not its
// parents), on the reading's thread too: a folder that never answers holds up neither.
std::optional<std::string> MakeFolderAndReadStart(const std::string& path, size_t maxBytes,
                                                  std::chrono::milliseconds limit = kReadLimit,
                                                  const ReadCalls& calls = {});

}  // namespace SafeFile
