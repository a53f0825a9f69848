#include "core/SafeFile.h"


#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace SafeFile {

int SystemMakeTemporary(char* nameTemplate) { return ::mkostemp(nameTemplate, O_CLOEXEC); }
ssize_t SystemWrite(int fd, const char* data, size_t size) { return ::write(fd, data, size); }
int SystemFlush(int fd) { return ::fsync(fd); }
int SystemClose(int fd) { return ::close(fd); }
int SystemRename(const char* from, const char* to) { return ::rename(from, to); }
int SystemOpen(const char* path, int flags) { return ::open(path, flags); }

namespace {

std::string Describe(int error) { return std::error_code(error, std::generic_category()).message(); }

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes folder and the parents it lacks; 0, or the error of the first that could not be made.
int MakeFolder(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 || errno != ENOENT) return 0;  // there, or the save says why
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string level = folder.substr(0, slash);
        if (::mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) return errno;
        if (slash == std::string::npos) return 0;
    }
}

bool WriteAll(int fd, std::string_view data, const SaveCalls& calls) {
    while (!data.empty()) {
        const ssize_t n = calls.write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The rename is durable only once the folder's entry is on the disk; a failure here loses
// nothing that was there before, so it is not reported.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<std::string> ReadNow(const std::string& path, size_t maxBytes, const ReadCalls& calls) {
    // Without O_NONBLOCK a pipe in the file's place would stop the start until a writer came
    // (and a file leased by another program until the lease was given up).
    const int fd = calls.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string text(maxBytes, '\0');
    size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(fd, text.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    text.resize(got);
    return text;
}

}  // namespace

std::string WriteAtomically(const std::string& path, std::string_view contents, const SaveCalls& calls) {
    const std::string folder = FolderOf(path);
    // The folder may have been removed since the start, or never made.
    if (const int error = MakeFolder(folder)) return Describe(error);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) return Describe(errno);
    const std::string name = path.substr(path.rfind('/') + 1);
    // Hidden and unique: two programs saving at once never share a temporary file.
    std::string temp = folder + "/." + name + ".XXXXXX";
    const int fd = calls.makeTemporary(temp.data());
    if (fd < 0) return Describe(errno);
    if (!WriteAll(fd, contents, calls) || calls.flush(fd) != 0) {
        const int error = errno;
        calls.close(fd);
        ::unlink(temp.c_str());
        return Describe(error);
    }
    // A network file system may report a failed write only when the file is closed.
    if (calls.close(fd) != 0 || calls.rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Describe(error);
    }
    SyncFolder(folder);
    return {};
}

namespace {

// What work gives, if it ends within limit; work runs on a thread of its own and is left to end
// there when it does not.
std::optional<std::string> Bounded(std::function<std::optional<std::string>()> work, std::chrono::milliseconds limit) {
    struct Pending {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;
        std::optional<std::string> text;
    };
    const auto pending = std::make_shared<Pending>();
    try {
        std::thread([pending, work] {
            std::optional<std::string> text = work();
            const std::lock_guard<std::mutex> lock(pending->mutex);
            pending->text = std::move(text);
            pending->done = true;
            pending->ended.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the work here, unbounded, rather than not at all.
        return work();
    }
    std::unique_lock<std::mutex> lock(pending->mutex);
    if (!pending->ended.wait_for(lock, limit, [&] { return pending->done; })) return std::nullopt;
    return std::move(pending->text);
}

}  // namespace

std::optional<std::string> ReadStart(const std::string& path, size_t maxBytes, std::chrono::milliseconds limit,
                                     const ReadCalls& calls) {
    return Bounded([path, maxBytes, calls] { return ReadNow(path, maxBytes, calls); }, limit);
}

std::optional<std::string> MakeFolderAndReadStart(const std::string& path, size_t maxBytes,
                                                  std::chrono::milliseconds limit, const ReadCalls& calls) {
    return Bounded(
        [path, maxBytes, calls] {
            ::mkdir(FolderOf(path).c_str(), 0777);  // there already, or the save will say why not
            return ReadNow(path, maxBytes, calls);
        },
        limit);
}

}  // namespace SafeFile
