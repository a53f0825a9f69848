// The soak (scripts/soak.sh): the window's repeated move at the shortest refresh period for an
// hour, with "Log all results" on and every log preference ticked, driven through the controls
// as a user would. A repeated move writes to the log only when it ends; so that the log reaches
// its limit within the hour, the zone is changed back and forth ten times a second while the
// move runs (each change is logged, and the move goes on). Measured: the resident memory after
// the first minute and at the end, the log's question and what follows "Yes", the answer time of
// a probe event posted to the window's thread from another thread, and before the hour the CPU
// time used with the live clock idle and with a repeated move paused.
//   selvanor_soak [--minutes 60] [--idle-seconds 60] [--paused-seconds 60]
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "monkey/WindowGlue.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Answers the log's two questions with Yes and OK, and keeps count of every message.
class SoakDialogs final : public DialogService {
public:
    Answer Show(QWidget*, Icon, const QString& title, const QString& text, Buttons buttons) override {
        if (text == "Log is full.  Clear log?") {
            ++logFull;
            // The log holds the same 4 MiB at each question: what else the process holds shows
            // as a difference between them.
            atLogFull.push_back(ResidentMiB());
        } else if (text == "Erase all data in the log?") {
            ++clearConfirmed;
        } else {
            ++others;
            std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    int logFull = 0, clearConfirmed = 0, others = 0;
    std::vector<double> atLogFull;  // resident MiB
};

void RunFor(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// The CPU the process uses over some seconds of its event loop, in percent of one core, after
// two seconds in which the work of the last click (the step shown, its repaints) is done.
double CpuPercentOver(double seconds) {
    RunFor(2.0);
    const double before = CpuSeconds();
    RunFor(seconds);
    return 100.0 * (CpuSeconds() - before) / seconds;
}

// Posts an event to the window's thread every 200 ms from a thread of its own and times its
// answer.
class Probe : public QObject {
public:
    Probe() : thread_([this] { Loop(); }) {}
    ~Probe() override {
        stop_ = true;
        answered_.notify_all();
        thread_.join();
    }
    double WorstMilliseconds() const { return worst_.load(); }
    // Seconds after the probe's start of the worst answer.
    double WorstAt() const { return worstAt_.load(); }
    long Count() const { return count_.load(); }
    long Late() const { return late_.load(); }

protected:
    bool event(QEvent* e) override {
        if (e->type() != kType) return QObject::event(e);
        const std::lock_guard<std::mutex> lock(mutex_);
        answered = true;
        answered_.notify_all();
        return true;
    }

private:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 25);
    void Loop() {
        while (!stop_) {
            std::unique_lock<std::mutex> lock(mutex_);
            answered = false;
            const auto posted = Clock::now();
            QCoreApplication::postEvent(this, new QEvent(kType));
            answered_.wait(lock, [this] { return answered || stop_.load(); });
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - posted).count();
            lock.unlock();
            if (stop_) break;
            ++count_;
            if (ms > 100) ++late_;
            if (ms > worst_) {
                worst_ = ms;
                worstAt_ = std::chrono::duration<double>(posted - started_).count();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
    std::mutex mutex_;
    std::condition_variable answered_;
    bool answered = false;
    std::atomic<bool> stop_{false};
    std::atomic<long> count_{0}, late_{0};
    std::atomic<double> worst_{0}, worstAt_{0};
    const Clock::time_point started_ = Clock::now();
    std::thread thread_;
};

template <typename T = QWidget>
T* Control(QWidget* main, const char* name) {
    T* w = main->findChild<T*>(QString::fromLatin1(name));
    if (!w) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    return w;
}

void Choose(QWidget* main, const char* list, int index) {
    auto* box = Control<QComboBox>(main, list);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    double minutes = 60, idleSeconds = 60, pausedSeconds = 60;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--minutes"))
            minutes = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--idle-seconds"))
            idleSeconds = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--paused-seconds"))
            pausedSeconds = std::atof(argv[i + 1]);
    }
    QTemporaryDir folder;
    auto dialogs = std::make_shared<SoakDialogs>();
    std::unique_ptr<QWidget> main = Glue::StartMainWindow(nullptr, dialogs, folder.filePath("Selvanor"));
    QWidget* w = main.get();

    // The first start shows the present moment with the live clock.
    std::printf("idle with the live clock: %.2f %% of one core over %.0f s\n", CpuPercentOver(idleSeconds),
                idleSeconds);

    Choose(w, "cboRefreshPeriod", 0);  // 0.2 s
    Choose(w, "cboMoveStep", 1);       // 1 hour
    Control<QCheckBox>(w, "chkRepeatedly")->click();
    Control<QPushButton>(w, "cmdMove")->click();
    Control<QPushButton>(w, "cmdPauseResume")->click();
    std::printf("repeated move paused: %.2f %% of one core over %.0f s\n", CpuPercentOver(pausedSeconds),
                pausedSeconds);
    Control<QPushButton>(w, "cmdStop")->click();

    Control<QCheckBox>(w, "chkLog")->click();
    Control<QPushButton>(w, "cmdLogPreferences")->click();
    Control<QPushButton>(Glue::TopLevel("frmLogPreferences"), "cmdSetALL")->click();
    Control<QPushButton>(Glue::TopLevel("frmLogPreferences"), "cmdClose")->click();

    auto* ajd = Control<QLabel>(w, "lblAstronomicalJulianDate_1");
    QWidget* stopFrame = Control(w, "fraStopPauseResume");
    Control<QPushButton>(w, "cmdMove")->click();
    long steps = 0, zoneChanges = 0, changesAfterClear = 0, restarts = 0;
    QString shown = ajd->text();
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (ajd->text() != shown) ++steps;
        if (!stopFrame->isVisible()) {  // the move ended on its own: it should not
            ++restarts;
            Control<QPushButton>(w, "cmdMove")->click();
        }
        Choose(w, "cboTimeZone", zoneChanges % 2 ? 26 : 28);  // GMT + 01:00, GMT + 02:00
        ++zoneChanges;
        if (dialogs->clearConfirmed > 0) ++changesAfterClear;
        shown = ajd->text();
    });
    driver.start(100);

    Probe probe;
    const auto start = Clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    double firstMinute = 0, peak = 0;
    long logChars = 0;
    while (elapsed() < minutes * 60) {
        RunFor(10);
        const double rss = ResidentMiB();
        if (firstMinute == 0 && elapsed() >= 60) firstMinute = rss;
        peak = std::max(peak, rss);
        if (auto* log = Glue::TopLevel("frmLog"))
            logChars = Control<QPlainTextEdit>(log, "txbText")->document()->characterCount();
        std::printf("%6.0f s: %ld steps, log %ld characters, resident %.1f MiB, log full asked %d\n", elapsed(), steps,
                    logChars, rss, dialogs->logFull);
        std::fflush(stdout);
    }
    driver.stop();
    Control<QPushButton>(w, "cmdStop")->click();
    const double end = ResidentMiB();
    if (firstMinute == 0) firstMinute = end;
    std::printf("soak: %.0f min at 0.2 s, %ld steps, %ld zone changes logged, the move ended on its own %ld times\n",
                elapsed() / 60, steps, zoneChanges, restarts);
    std::printf(
        "resident memory after the first minute %.1f MiB, at the end %.1f MiB (growth %.1f %%), highest %.1f MiB\n",
        firstMinute, end, 100 * (end - firstMinute) / firstMinute, peak);
    std::printf(
        "log full: asked %d times, Yes, clear confirmed %d times; %ld changes logged after the first clear, "
        "%ld characters in the log at the end\n",
        dialogs->logFull, dialogs->clearConfirmed, changesAfterClear, logChars);
    std::printf("resident memory at the log's questions:");
    for (double rss : dialogs->atLogFull) std::printf(" %.1f MiB", rss);
    std::printf("\n");
    std::printf("probe: %ld events, worst answer %.1f ms (at %.0f s), %ld over 100 ms\n", probe.Count(),
                probe.WorstMilliseconds(), probe.WorstAt(), probe.Late());
    std::printf("other messages: %d\n", dialogs->others);
    main.reset();
    return dialogs->others == 0 && restarts == 0 ? 0 : 1;
}
