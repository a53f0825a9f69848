// Whole-file writes survive a kill at any point and failures leave the old file; reads of
// whatever stands in the file's place neither block nor fail loudly.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "core/SafeFile.h"

namespace {

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "safefile-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = folder + "/slvn.usr";
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    static std::string Contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // Names in the folder other than the file itself: temporary files left behind.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        DIR* dir = ::opendir(folder.c_str());
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name != "slvn.usr") names.push_back(name);
        }
        ::closedir(dir);
        return names;
    }

    std::string folder, path;
};

// Two versions of a file large enough that a kill often lands inside the writing.
std::string Version(char fill) { return std::string(256 * 1024, fill) + "\r\nend of version " + fill + "\r\n"; }

}  // namespace

TEST_F(SafeFileTest, WritesAndReplacesLeavingNothingElse) {
    EXPECT_EQ(SafeFile::WriteAtomically(path, "first"), "");
    EXPECT_EQ(SafeFile::WriteAtomically(path, "second"), "");
    EXPECT_EQ(Contents(path), "second");
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(SafeFileTest, FailuresLeaveTheOldFileAndNoTemporaryFile) {
    // A plain file where the folder should be, and a folder where the file should be.
    ASSERT_EQ(SafeFile::WriteAtomically(folder + "/plain", "x"), "");
    EXPECT_EQ(SafeFile::WriteAtomically(folder + "/plain/slvn.usr", "x"), "Not a directory");
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    EXPECT_EQ(SafeFile::WriteAtomically(path, "x"), "Is a directory");
    ::rmdir(path.c_str());
    ::unlink((folder + "/plain").c_str());
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(SafeFileTest, AMissingFolderIsMadeWithItsParents) {
    const std::string deep = folder + "/removed/since/start";
    EXPECT_EQ(SafeFile::WriteAtomically(deep + "/slvn.usr", "x"), "");
    EXPECT_EQ(Contents(deep + "/slvn.usr"), "x");
}

namespace {
// The system's calls, the n-th of them (counting from 0) failing as on a full disk; writes take
// at most 4 KiB at a time, so that a save makes several and one may fail after others wrote.
SafeFile::SaveCalls FullDiskAtCall(int& calls, int failing) {
    const auto due = [&calls, failing] { return calls++ == failing ? (errno = ENOSPC, true) : false; };
    SafeFile::SaveCalls save;
    save.makeTemporary = [due](char* name) { return due() ? -1 : SafeFile::SystemMakeTemporary(name); };
    save.write = [due](int fd, const char* data, size_t size) -> ssize_t {
        return due() ? -1 : SafeFile::SystemWrite(fd, data, std::min<size_t>(size, 4096));
    };
    save.flush = [due](int fd) { return due() ? -1 : SafeFile::SystemFlush(fd); };
    save.close = [due](int fd) {
        if (!due()) return SafeFile::SystemClose(fd);
        SafeFile::SystemClose(fd);
        errno = ENOSPC;
        return -1;
    };
    save.rename = [due](const char* from, const char* to) { return due() ? -1 : SafeFile::SystemRename(from, to); };
    return save;
}
}  // namespace

TEST_F(SafeFileTest, AFullDiskAtAnyCallOfASaveKeepsTheOldFile) {
    const std::string old = Version('o'), next = std::string(10000, 'n');
    ASSERT_EQ(SafeFile::WriteAtomically(path, old), "");
    int calls = 0;
    ASSERT_EQ(SafeFile::WriteAtomically(path, next, FullDiskAtCall(calls, -1)), "");
    ASSERT_EQ(SafeFile::WriteAtomically(path, old), "");
    const int callsOfASave = calls;
    ASSERT_GE(callsOfASave, 7);  // the temporary file, three writes, the flush, the close, the rename
    for (int failing = 0; failing < callsOfASave; ++failing) {
        calls = 0;
        EXPECT_EQ(SafeFile::WriteAtomically(path, next, FullDiskAtCall(calls, failing)), "No space left on device")
            << "call " << failing;
        EXPECT_TRUE(Contents(path) == old) << "call " << failing;
        EXPECT_TRUE(Leftovers().empty()) << "call " << failing;
    }
    EXPECT_EQ(SafeFile::WriteAtomically(path, next), "");
    EXPECT_TRUE(Contents(path) == next);
}

TEST_F(SafeFileTest, AFullDiskKeepsTheOldFile) {
    ASSERT_EQ(SafeFile::WriteAtomically(path, "old state"), "");
    // A file-size limit makes the write fail as a full disk would; the child reports the error.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(SafeFile::WriteAtomically(path, std::string(5000, 'n')) == "File too large" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Contents(path), "old state");
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(SafeFileTest, AKillDuringSavingLeavesTheOldOrTheNewFileWhole) {
    const std::string a = Version('a'), b = Version('b');
    ASSERT_EQ(SafeFile::WriteAtomically(path, a), "");
    constexpr int kKillPoints = 300;
    int killedMidSave = 0;
    for (int point = 0; point < kKillPoints; ++point) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned n = 0;; ++n) SafeFile::WriteAtomically(path, n % 2 ? a : b);
        }
        // Spread the kills over the first few saves, a few microseconds apart.
        ::usleep(static_cast<useconds_t>(point * 13 % 4000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string found = Contents(path);
        ASSERT_TRUE(found == a || found == b) << "kill point " << point << ": " << found.size() << " bytes";
        const auto leftovers = Leftovers();
        if (!leftovers.empty()) ++killedMidSave;
        for (const std::string& name : leftovers) ::unlink((folder + "/" + name).c_str());
    }
    std::cout << kKillPoints << " kills, " << killedMidSave << " inside a save\n";
    EXPECT_GT(killedMidSave, 0);
}

TEST_F(SafeFileTest, ReadsOnlyARegularFileAndOnlyItsStart) {
    ASSERT_EQ(SafeFile::WriteAtomically(path, "0123456789"), "");
    EXPECT_EQ(SafeFile::ReadStart(path, 4), "0123");
    EXPECT_EQ(SafeFile::ReadStart(path, 100), "0123456789");
    EXPECT_EQ(SafeFile::ReadStart(folder + "/missing", 100), std::nullopt);
    EXPECT_EQ(SafeFile::ReadStart(folder, 100), std::nullopt);
    // A pipe with no writer would block an ordinary open for ever.
    const std::string pipe = folder + "/pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(SafeFile::ReadStart(pipe, 100), std::nullopt);
}

TEST_F(SafeFileTest, AReadNeverWaitsForAnotherProgramOrAHungFolder) {
    ASSERT_EQ(SafeFile::WriteAtomically(path, "state"), "");
    // A lease (as a file server or a sync tool takes) holds an ordinary open until it is given up.
    const int leased = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(leased, 0);
    const auto breakSignal = ::signal(SIGIO, SIG_IGN);
    ASSERT_EQ(::fcntl(leased, F_SETLEASE, F_WRLCK), 0);
    EXPECT_EQ(SafeFile::ReadStart(path, 100), std::nullopt);
    ::fcntl(leased, F_SETLEASE, F_UNLCK);
    ::close(leased);
    ::signal(SIGIO, breakSignal);

    // A folder on a mount whose server no longer answers: the open never returns.
    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    SafeFile::ReadCalls hung;
    hung.open = [answered](const char* file, int flags) {
        answered.wait();
        return SafeFile::SystemOpen(file, flags);
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SafeFile::ReadStart(path, 100, std::chrono::milliseconds(200), hung), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    answer.set_value();  // the reading thread ends; its result is dropped
    EXPECT_EQ(SafeFile::ReadStart(path, 100), "state");
}
