// The window as an ordinary user on folders and disks that refuse: a save says why and keeps the
// old file, a later save succeeds once the cause is gone; a start-up on a hostile folder shows
// the window at once and says nothing until a save is asked for.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "Unprivileged.h"
#include "core/SavedState.h"
#include "dates/ClockService.h"
#include "mainwin/frmMain.h"

namespace {

class BadDisks : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Unprivileged::Running()) GTEST_SKIP() << "root is refused nothing";
        ASSERT_TRUE(home.isValid());
    }
    void TearDown() override {
        window.reset();
        // Whatever a row left refusing, so that the folder can go.
        for (const QString& path : {home.path(), Folder(), File(), home.filePath("home")})
            ::chmod(QFile::encodeName(path).constData(), 0700);
    }
    QString Folder() const { return home.filePath("Selvanor"); }
    QString File() const { return home.filePath("Selvanor/slvn.usr"); }
    QByteArray Bytes() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static void Mode(const QString& path, mode_t mode) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
    }

    // Starts the window on the folder; the milliseconds until it is shown.
    qint64 Start(const QString& folder) {
        QElapsedTimer shown;
        shown.start();
        window = std::make_unique<frmMain>(MainWindowServices{clock, dialogs, folder, QString()});
        window->Form_Load();
        QApplication::processEvents();
        return shown.elapsed();
    }
    QPushButton* Button(const char* name) { return window->findChild<QPushButton*>(name); }
    // Something new to save, then Save state.
    void Save() {
        Button("cmdNow")->click();
        Button("cmdSaveState")->click();
    }
    QString LastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }

    QTemporaryDir home;
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>("2000-01-01", "12:00:00", 0);
    std::shared_ptr<RecordingDialogService> dialogs = std::make_shared<RecordingDialogService>();
    std::unique_ptr<frmMain> window;
};

const QString kSaveError = "Error when attempting to save the state: ";

// A file-size limit fails the writing as a full disk would, with the system's own message.
void LimitFileSize(rlim_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

TEST_F(BadDisks, ASaveThatFailsSaysWhyAndKeepsTheOldFileUntilTheCauseIsGone) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct Row {
        const char* name;
        std::function<void()> cause, cure;
        const char* reason;
    } rows[] = {
        {"read-only folder", [&] { Mode(Folder(), 0555); }, [&] { Mode(Folder(), 0700); }, "Permission denied"},
        {"read-only file", [&] { Mode(File(), 0444); }, [&] { Mode(File(), 0600); }, "Permission denied"},
        {"full disk", [] { LimitFileSize(16); }, [] { LimitFileSize(RLIM_INFINITY); }, "File too large"},
        {"folder removed, none may be made",
         [&] {
             ASSERT_TRUE(QDir(Folder()).removeRecursively());
             Mode(home.path(), 0555);
         },
         [&] { Mode(home.path(), 0700); }, "Permission denied"},
    };
    Start(Folder());
    for (const Row& row : rows) {
        Save();
        const QByteArray before = Bytes();
        ASSERT_TRUE(SavedStateFile::Read(before.toStdString()).Complete()) << row.name;
        dialogs->messages.clear();
        row.cause();
        Save();
        ASSERT_EQ(dialogs->messages.size(), 1u) << row.name;
        EXPECT_EQ(dialogs->messages[0].title, "Save state") << row.name;
        EXPECT_EQ(LastMessage(), kSaveError + row.reason) << row.name;
        EXPECT_EQ(Bytes(), QString(row.name).startsWith("folder removed") ? QByteArray("(none)") : before) << row.name;
        EXPECT_TRUE(window->isVisible()) << row.name;
        EXPECT_TRUE(Button("cmdSaveState")->isEnabled()) << row.name;
        row.cure();
        Button("cmdSaveState")->click();
        EXPECT_EQ(dialogs->messages.size(), 1u) << row.name << ": " << LastMessage().toStdString();
        EXPECT_TRUE(SavedStateFile::Read(Bytes().toStdString()).Complete()) << row.name;
    }
}

TEST_F(BadDisks, AHostileFolderStartsAtOnceAndSaysNothingUntilASave) {
    const QString readOnlyHome = home.filePath("home");
    struct Row {
        const char* name;
        std::function<void()> make;
        QString folder;
        const char* reason;  // of the save asked for afterwards; empty: it succeeds
    } rows[] = {
        {"a file in the folder's place",
         [&] {
             QFile file(Folder());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         Folder(), "Not a directory"},
        {"a folder without access",
         [&] {
             ASSERT_TRUE(QDir().mkpath(Folder()));
             Mode(Folder(), 0000);
         },
         Folder(), "Permission denied"},
        {"an unreadable file",
         [&] {
             ASSERT_TRUE(QDir().mkpath(Folder()));
             QFile file(File());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(QByteArray::fromStdString(SavedStateFile::Write(SavedState{})));
             file.close();
             Mode(File(), 0000);
         },
         Folder(), "Permission denied"},
        {"a home folder that is not writable",
         [&] {
             ASSERT_TRUE(QDir().mkpath(readOnlyHome));
             Mode(readOnlyHome, 0555);
         },
         readOnlyHome + "/.local/share/Selvanor", "Permission denied"},
    };
    for (const Row& row : rows) {
        row.make();
        dialogs->messages.clear();
        const qint64 milliseconds = Start(row.folder);
        std::printf("%s: shown after %lld ms\n", row.name, static_cast<long long>(milliseconds));
        EXPECT_TRUE(window->isVisible()) << row.name;
        EXPECT_TRUE(window->findChild<QLabel*>("picCheck")->isVisible()) << row.name << ": the present moment";
        EXPECT_TRUE(dialogs->messages.empty()) << row.name << ": " << LastMessage().toStdString();
        Button("cmdSaveState")->click();
        EXPECT_EQ(LastMessage(), kSaveError + row.reason) << row.name;
        window.reset();
        for (const QString& path : {Folder(), File(), readOnlyHome}) ::chmod(QFile::encodeName(path).constData(), 0700);
        QFile::remove(Folder());
        QDir(Folder()).removeRecursively();
    }
}

// Another program holding a lease on the file (as a file server or a sync tool may) would hold
// an ordinary open until it gives the lease up.
TEST_F(BadDisks, AFileLeasedByAnotherProgramStartsAtOnce) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(SavedStateFile::Write(SavedState{})));
    file.close();
    int held[2];
    ASSERT_EQ(::pipe(held), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::signal(SIGIO, SIG_IGN);  // told of the break, it keeps the lease
        const int fd = ::open(QFile::encodeName(File()).constData(), O_WRONLY);
        const bool leased = fd >= 0 && ::fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
        const char answer = leased ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(held[1], &answer, 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 'n';
    ASSERT_EQ(::read(held[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'y');
    Start(Folder());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->findChild<QLabel*>("picCheck")->isVisible());
    EXPECT_TRUE(dialogs->messages.empty());
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(held[0]);
    ::close(held[1]);
}
