// The program itself, offscreen: SIGTERM and SIGINT end it as Quit does, the state saved.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "core/SafeFile.h"
#include "core/SavedState.h"

namespace {

// True once the process catches the signal: its handlers are in place.
bool Catches(pid_t pid, int number) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (number - 1) & 1) != 0;
    return false;
}

// Starts the program on folder, sends the signal once it is caught, and gives the exit status.
int RunAndSignal(const std::string& folder, int number) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::execl(SELVANOR_PROGRAM, SELVANOR_PROGRAM, "--state-dir", folder.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    for (int tries = 0; tries < 3000 && !Catches(child, number); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ::kill(child, number);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(SystemEnd, ASignalSavesTheStateAndEndsTheProgram) {
    for (int number : {SIGTERM, SIGINT}) {
        std::string folder = ::testing::TempDir() + "systemend-XXXXXX";
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        const std::string path = folder + "/" + SavedStateFile::kFileName;
        SavedState saved;
        saved.dblCurrentAJDate = 2453005.1631944445;
        saved.timeZone = 40;
        saved.greenwich = true;
        saved.eclipseData = "Total solar eclipse\nSaros 152";
        // Both come back otherwise, so the file read afterwards is the program's own.
        saved.target = SearchTargets::RowOf(SearchTargets::kSameSaros);
        saved.repeatedly = true;
        ASSERT_EQ(SafeFile::WriteAtomically(path, SavedStateFile::Write(saved)), "");
        EXPECT_EQ(RunAndSignal(folder, number), 0) << number;
        saved.target = SearchTargets::RowOf(SearchTargets::kAnyEclipse);
        saved.repeatedly = false;
        const auto text = SafeFile::ReadStart(path, SavedStateFile::kMaxFileBytes);
        ASSERT_TRUE(text.has_value());
        const auto reading = SavedStateFile::Read(*text);
        EXPECT_TRUE(reading.Complete()) << *text;
        EXPECT_EQ(reading.state, saved) << *text;
        std::system(("rm -rf '" + folder + "'").c_str());
    }
}
