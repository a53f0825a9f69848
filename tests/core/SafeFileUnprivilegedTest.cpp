// Saving as an ordinary user onto a folder or file that refuses, and onto a full file system:
// each time the system's reason, the old file whole, and a save that succeeds once the cause is
// gone. (This program gives up root first, see Unprivileged.h.)
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "Unprivileged.h"
#include "core/SafeFile.h"

namespace {

std::string Contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class UnprivilegedSave : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "unprivileged-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        home = pattern;
        folder = home + "/Selvanor";
        path = folder + "/slvn.usr";
        ASSERT_EQ(SafeFile::WriteAtomically(path, kOld), "");
    }
    void TearDown() override {
        ::chmod(home.c_str(), 0700);
        ::chmod(folder.c_str(), 0700);
        std::system(("rm -rf '" + home + "'").c_str());
    }

    static constexpr const char* kOld = "old state\r\n";
    std::string home, folder, path;
};

}  // namespace

TEST_F(UnprivilegedSave, ARefusingFolderOrFileKeepsTheOldFileUntilTheCauseIsGone) {
    if (!Unprivileged::Running()) GTEST_SKIP() << "root is refused nothing";
    struct Row {
        const char* name;
        std::string target;
        mode_t refusing, allowing;
    } rows[] = {
        {"read-only folder", folder, 0555, 0700},
        {"read-only file", path, 0444, 0600},
        {"folder without access", folder, 0000, 0700},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(::chmod(row.target.c_str(), row.refusing), 0) << row.name;
        EXPECT_EQ(SafeFile::WriteAtomically(path, "new state"), "Permission denied") << row.name;
        ASSERT_EQ(::chmod(row.target.c_str(), row.allowing), 0) << row.name;
        EXPECT_EQ(Contents(path), kOld) << row.name;
        EXPECT_EQ(SafeFile::WriteAtomically(path, "new state"), "") << row.name;
        EXPECT_EQ(Contents(path), "new state") << row.name;
        ASSERT_EQ(SafeFile::WriteAtomically(path, kOld), "");
    }
}

TEST_F(UnprivilegedSave, AFolderRemovedWhereNoneMayBeMadeSaysSo) {
    if (!Unprivileged::Running()) GTEST_SKIP() << "root is refused nothing";
    ASSERT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
    ASSERT_EQ(::chmod(home.c_str(), 0555), 0);
    EXPECT_EQ(SafeFile::WriteAtomically(path, "new state"), "Permission denied");
    ASSERT_EQ(::chmod(home.c_str(), 0700), 0);
    EXPECT_EQ(SafeFile::WriteAtomically(path, "new state"), "");
    EXPECT_EQ(Contents(path), "new state");
}

// A real full file system without privileges: a small tmpfs in a user namespace of its own, in a
// child process (the namespace needs a process with one thread).
TEST_F(UnprivilegedSave, AFullFileSystemKeepsTheOldFile) {
    constexpr int kNoNamespaces = 77;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(kNoNamespaces);
        const auto put = [](const char* file, const std::string& text) { std::ofstream(file) << text; };
        put("/proc/self/setgroups", "deny");
        put("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
        put("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
        if (::mount("none", folder.c_str(), "tmpfs", 0, "size=64k") != 0) ::_exit(kNoNamespaces);
        const auto fail = [](const std::string& what) {
            std::fprintf(stderr, "%s\n", what.c_str());
            ::_exit(1);
        };
        if (const std::string reason = SafeFile::WriteAtomically(path, kOld); !reason.empty())
            fail("first save: " + reason);
        const std::string filler = folder + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
        const std::string reason = SafeFile::WriteAtomically(path, std::string(20000, 'n'));
        if (reason != "No space left on device") fail("full: " + reason);
        if (Contents(path) != kOld) fail("the old file changed");
        ::unlink(filler.c_str());
        if (const std::string reason = SafeFile::WriteAtomically(path, "new state"); !reason.empty())
            fail("no save after room was made: " + reason);
        ::_exit(Contents(path) == "new state" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kNoNamespaces) GTEST_SKIP() << "no user namespaces or tmpfs mounts here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
