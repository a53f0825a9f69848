// The program started on a state folder whose file system never answers, as a network mount
// whose server has gone: a FUSE mount that nobody serves, in a user namespace of its own (no
// privileges needed where the system allows those). The window must reach its event loop.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>


namespace {

constexpr int kNoHungMount = 77;

// The system call the process's main thread waits in, or -1 while it runs.
long MainThreadCall(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/syscall");
    std::string first;
    file >> first;
    return first.empty() || first == "running" ? -1 : std::strtol(first.c_str(), nullptr, 10);
}

bool InEventLoop(long call) {
#ifdef SYS_poll
    if (call == SYS_poll) return true;
#endif
    return call == SYS_ppoll;
}

}  // namespace

TEST(HungFolder, TheWindowAppearsAlthoughTheStateFolderNeverAnswers) {
    std::string mount = ::testing::TempDir() + "hung-XXXXXX";
    ASSERT_NE(::mkdtemp(mount.data()), nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(kNoHungMount);
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
        // The program inherits the connection and never reads from it: every request waits.
        const int fuse = ::open("/dev/fuse", O_RDWR);
        const std::string options = "fd=" + std::to_string(fuse) + ",rootmode=40000,user_id=0,group_id=0";
        if (fuse < 0 || ::mount("hung", mount.c_str(), "fuse", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
            ::_exit(kNoHungMount);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const std::string folder = mount + "/Selvanor";
        ::execl(SELVANOR_PROGRAM, SELVANOR_PROGRAM, "--state-dir", folder.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto start = std::chrono::steady_clock::now();
    bool shown = false, exited = false;
    int status = 0;
    long call = -1;
    while (!shown && !exited && std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        exited = ::waitpid(child, &status, WNOHANG) == child;
        call = MainThreadCall(child);
        shown = !exited && InEventLoop(call);
    }
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (!exited) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ::rmdir(mount.c_str());
    if (exited && WIFEXITED(status) && WEXITSTATUS(status) == kNoHungMount) GTEST_SKIP() << "no FUSE mounts here";
    EXPECT_TRUE(shown) << "still waiting in system call " << call << " after " << waited.count() << " ms";
    if (shown) std::printf("in its event loop after %lld ms\n", static_cast<long long>(waited.count()));
}
