// Moving through time in the window: single moves, the range exits, and the repeated move's
// states (running, paused, stopped) driven by its own timer.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

#include "WindowFixture.h"
#include "core/WindowLists.h"

namespace {

class MoveTest : public WindowTest {
protected:
    void Move(const QString& entry, const char* step, bool forward = true, bool repeatedly = false) {
        Find<QLineEdit>("txbDate")->setText(entry);
        Find<QComboBox>("cboMoveStep")->setCurrentIndex(Find<QComboBox>("cboMoveStep")->findText(step));
        Find<QRadioButton>(forward ? "optMoveDirection_0" : "optMoveDirection_1")->click();
        Find<QCheckBox>("chkRepeatedly")->setChecked(repeatedly);
        Find<QPushButton>("cmdMove")->click();
    }
    // Lets events run until the condition holds or the time is up.
    template <typename Condition>
    bool WaitFor(Condition condition, int milliseconds) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!condition() && elapsed.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 5);
        return condition();
    }
    void Idle(int milliseconds) {
        WaitFor([] { return false; }, milliseconds);
    }
    double Ajd() const { return window->OnShow().ajd; }
    QTimer* Clock() { return window->findChild<QTimer*>("MoveTimer"); }
    void ExpectIdleControls() {
        EXPECT_FALSE(window->Moving());
        EXPECT_FALSE(Find<QGroupBox>("fraStopPauseResume")->isVisible());
        for (const char* name : {"cmdMove", "cmdCompute", "cmdSearch", "cmdHelp", "cmdQuit", "cmdReset"})
            EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
        EXPECT_TRUE(Find<QGroupBox>("fraHistory")->isEnabled());
        EXPECT_FALSE(Clock()->isActive());
    }
};

TEST_F(MoveTest, SingleMovesClampAndKeepTheTimeOfDay) {
    struct Row {
        const char* entry;
        const char* step;
        bool forward;
        const char* dateBox;
    } rows[] = {
        {"2003-01-31 CE 15:55", "1 CE month", true, "2003-02-28 CE 15:55"},
        {"2004-03-31 CE 15:55", "1 CE month", false, "2004-02-29 CE 15:55"},
        {"2004-02-29 CE 15:55", "1 CE year", true, "2005-02-28 CE 15:55"},
        {"2000-02-29 CE 15:55", "1 CE century", true, "2100-02-28 CE 15:55"},
        {"2000-01-01 CE 15:55", "1 DVG year", true, "1-95-08-25 DVG 15:55"},
    };
    Find<QComboBox>("cboTimeZone")->setCurrentIndex(35);  // GMT + 05:30
    for (const Row& row : rows) {
        Move(row.entry, row.step, row.forward);
        EXPECT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
        EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), row.dateBox) << row.step;
        ExpectIdleControls();
    }
    EXPECT_EQ(window->OnShow().entryCalendar, CalendarTable::DVG);
    EXPECT_EQ(window->OnShow().lastFound.lunation, kNoEclipseLunation);
    EXPECT_EQ(ForeColour(Find<QLabel>("lblDVGDate_0")), QColor(255, 255, 255));
    EXPECT_EQ(ForeColour(Find<QLabel>("lblCommonEraDate_0")), QColor(200, 200, 200));
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optMoveDirection_0")), QColor(255, 255, 255));
}

TEST_F(MoveTest, MovesFromTheTypedDateOrTheExactMomentOnShow) {
    Compute("2003-12-31 CE 15:55");
    const double shown = Ajd() + 20.0 / 86400;  // 20 seconds past the minute on show
    Find<QLineEdit>("txbDate")->setText("2,453,005.1634 AJD");
    Find<QPushButton>("cmdCompute")->click();
    ASSERT_NEAR(Ajd(), shown, 1e-4);
    const double exact = Ajd();
    Move("2003-12-31 CE 15:55", "1 hour");  // within a minute of the moment on show
    EXPECT_DOUBLE_EQ(Ajd(), exact + 1.0 / 24);
    Move("2003-12-30 CE 15:55", "1 hour", false);
    EXPECT_TRUE(Text("lblCommonEraDate_1").startsWith("2003-12-30 CE")) << Text("lblCommonEraDate_1").toStdString();
    EXPECT_EQ(Text("lblTime_1"), "14:55 (local=GMT)");
    // The typed date's calendar is the entry calendar, as after Convert; a length of time keeps it.
    EXPECT_EQ(window->OnShow().entryCalendar, CalendarTable::CE);
    const double before = Ajd();
    Move("2003-02-30 CE", "1 day");
    EXPECT_EQ(dialogs->messages.back().title, "Invalid date/time entry");
    EXPECT_EQ(Ajd(), before);
}

TEST_F(MoveTest, LeavingTheRangeEndsTheRepeatedMoveWithAWarning) {
    Move("5950-01-01 CE", "1 CE century", true, true);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "Out of range");
    EXPECT_EQ(dialogs->messages[0].text, "Latest date exceeded.");
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "6050-01-01 CE 12:00");  // the moment stays beyond
    ExpectIdleControls();
    Move("-3200-01-01 CE", "1 VO cycle", false);
    EXPECT_EQ(dialogs->messages.back().text, "Earliest date exceeded.");
}

// Running, Pause (no ticks reach the move), a new period chosen while paused, Resume, Stop.
TEST_F(MoveTest, RepeatedMovePausesResumesAndStops) {
    Find<QComboBox>("cboRefreshPeriod")->setCurrentIndex(0);  // 0.2 s
    Move("2000-01-01 CE", "1 day", true, true);
    const double start = 2451545.0;
    EXPECT_DOUBLE_EQ(Ajd(), start + 1);  // the first step at once
    EXPECT_TRUE(Find<QGroupBox>("fraStopPauseResume")->isVisible());
    for (const char* name : {"cmdMove", "cmdCompute", "cmdQuit", "cmdViewLog", "cmdLogThisResult", "cboRefreshPeriod"})
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_EQ(Clock()->interval(), 200);
    ASSERT_TRUE(WaitFor([&] { return Ajd() >= start + 3; }, 5000));

    QPushButton* pause = Find<QPushButton>("cmdPauseResume");
    pause->click();
    EXPECT_EQ(pause->text().remove(QChar('&')), "Resume");
    EXPECT_FALSE(Clock()->isActive());
    EXPECT_TRUE(Find<QComboBox>("cboRefreshPeriod")->isEnabled());
    const double paused = Ajd();
    Idle(600);
    EXPECT_EQ(Ajd(), paused);
    Find<QComboBox>("cboRefreshPeriod")->setCurrentIndex(1);
    emit Find<QComboBox>("cboRefreshPeriod")->activated(1);
    EXPECT_EQ(Clock()->interval(), 500);
    EXPECT_FALSE(Clock()->isActive());

    pause->click();
    EXPECT_EQ(pause->text().remove(QChar('&')), "Pause");
    EXPECT_TRUE(Clock()->isActive());
    EXPECT_FALSE(Find<QComboBox>("cboRefreshPeriod")->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return Ajd() > paused; }, 5000));
    Find<QPushButton>("cmdStop")->click();
    ExpectIdleControls();
    const double stopped = Ajd();
    Idle(700);
    EXPECT_EQ(Ajd(), stopped);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MoveTest, StopWhilePausedNowAndClosingEndTheMove) {
    Move("2000-01-01 CE", "1 hour", false, true);
    Find<QPushButton>("cmdPauseResume")->click();
    Find<QPushButton>("cmdStop")->click();
    ExpectIdleControls();

    Move("2000-01-01 CE", "1 QLW week", true, true);
    Find<QPushButton>("cmdNow")->click();
    EXPECT_FALSE(window->Moving());
    EXPECT_FALSE(Find<QGroupBox>("fraStopPauseResume")->isVisible());
    EXPECT_FALSE(Clock()->isActive());
    EXPECT_TRUE(window->findChild<QTimer*>("Clock")->isActive());  // the live clock's

    Move("2000-01-01 CE", "1 minute", true, true);
    window->close();
    EXPECT_FALSE(window->Moving());
    EXPECT_FALSE(Clock()->isActive());
}

// A fast timer: every tick makes exactly one step (none queued behind a slow one), and once
// stopped no step is left over.
TEST_F(MoveTest, HundredFastStepsLeaveNoBacklog) {
    int ticks = 0;
    QObject::connect(Clock(), &QTimer::timeout, [&ticks] { ++ticks; });
    Move("2000-01-01 CE", "1 day", true, true);
    Clock()->setInterval(1);  // faster than a step with its display can be made
    const double start = Ajd() - 1;
    ASSERT_TRUE(WaitFor([&] { return ticks >= 100; }, 120000));
    EXPECT_DOUBLE_EQ(Ajd() - start, ticks + 1.0);
    Find<QPushButton>("cmdStop")->click();
    const double stopped = Ajd();
    Idle(200);
    EXPECT_EQ(Ajd(), stopped);
}

}  // namespace
