// Faults the monkey (tests/monkey) found in the main window, each reduced to the few actions
// that show it.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "WindowFixture.h"

namespace {

class MonkeyFindings : public WindowTest {
protected:
    void Choose(const char* list, int index) {
        auto* box = Find<QComboBox>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void Click(const char* name, QWidget* in = nullptr) {
        auto* button = (in ? in : window.get())->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    // Time passes: every running timer of the window fires once.
    void TimePasses() {
        for (QTimer* timer : window->findChildren<QTimer*>())
            if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    }
    bool Moving() { return Find<QGroupBox>("fraStopPauseResume")->isVisible(); }
    QString NewestHistoryEntry() {
        auto* history = Find<QComboBox>("cboHistory");
        return history->itemText(history->count() - 1);
    }
};

}  // namespace

// Convert reads the calendar from the entry and marks it, then refuses the moment (out of
// range, or nothing to do) without drawing the time line again: after a QLW step the time line
// stays six hours behind, marked "QLW", with CE the entry calendar. Search does the same with a
// typed start when it then finds nothing or has no eclipse for a saros search. Fix: end those
// refusals, as the entry errors end, with the focus rule that redraws the time line
// (SetTheFocus).
TEST_F(MonkeyFindings, TheTimeLineFollowsTheEntryCalendarWhenConvertRefuses) {
    Compute("2000-01-01 CE 12:00");
    Choose("cboMoveStep", 17);  // 1 QLW week: QLW becomes the entry calendar
    Click("cmdMove");
    ASSERT_EQ(Text("lblTime_1").toStdString(), "06:00 (local QLW)");
    Compute("9000-01-01 CE");
    ASSERT_EQ(LastMessage().toStdString(), "Resulting date is later than 6000-01-01 CE.");
    EXPECT_EQ(ForeColour(Find<QLabel>("lblCommonEraDate_0")), QColor(255, 255, 255));
    EXPECT_EQ(Text("lblTime_1").toStdString(), "12:00 (local=GMT)");
}

// The repeated move enters its result into the history when it stops, made of the date text of
// its last step with the time line and frame of the moment of stopping. The Greenwich/Local
// options (and the zone list and the date titles) stay usable while it runs: after a change
// the entry names another day (or a CJD with a time, which does not read back), and choosing it
// shows a moment that was never on show. Fix: the entry of what is shown when the move ends
// (History::EntryTextOf of the display of the moment on show).
TEST_F(MonkeyFindings, ARepeatedMoveEntersTheMomentShownWhenItStops) {
    Choose("cboTimeZone", 40);  // GMT + 08:00, local time
    Compute("2000-01-01 CE 04:00");
    Find<QCheckBox>("chkRepeatedly")->click();
    Click("cmdMove");  // the first step at once: 2000-01-02 04:00 local, 2000-01-01 20:00 GMT
    ASSERT_TRUE(Moving());
    Find<QRadioButton>("optGreenwich")->click();
    ASSERT_TRUE(Text("lblCommonEraDate_1").startsWith("2000-01-01 CE"));
    Click("cmdStop");
    EXPECT_EQ(NewestHistoryEntry().toStdString(), "2000-01-01 CE 20:00 (Greenwich; local = GMT+08:00)");
}

// Move reads a typed start without the range check that Convert and Search make, steps from
// it and only then says "Earliest date exceeded.": a typed AJD of 2,000 shows the year -4707,
// and further out the Moon's ephemeris refuses the moment ("Error-3 when calling GetPhase()")
// and history entries no longer read back. Fix: refuse a typed start outside the accepted range
// with Convert's message (RangeMessage) before the first step. The same holds with the date
// box empty, when the start is the moment a move's last step left beyond the range: a second
// DVG cycle took the moment nearly a thousand years out.
TEST_F(MonkeyFindings, MoveRefusesAStartOutsideTheRange) {
    Compute("2000-01-01 CE");
    const QString shown = Text("lblAstronomicalJulianDate_1");
    Find<QLineEdit>("txbDate")->setText("2,000.0 AJD");
    Click("cmdMove");
    EXPECT_EQ(LastMessage().toStdString(), "Resulting date is earlier than -3200-01-01 CE.");
    EXPECT_EQ(Text("lblAstronomicalJulianDate_1").toStdString(), shown.toStdString());

    Compute("5900-01-01 CE");
    auto* steps = Find<QComboBox>("cboMoveStep");
    Choose("cboMoveStep", steps->findText("1 DVG cycle"));
    Click("cmdMove");
    ASSERT_EQ(LastMessage().toStdString(), "Latest date exceeded.");
    const QString beyond = Text("lblAstronomicalJulianDate_1");
    dialogs->messages.clear();
    Find<QLineEdit>("txbDate")->clear();
    Click("cmdMove");
    EXPECT_EQ(LastMessage().toStdString(), "Resulting date is later than 6000-01-01 CE.");
    EXPECT_EQ(Text("lblAstronomicalJulianDate_1"), beyond);
}

// The saros series window stays usable while a repeated move runs. Showing a member there
// stopped the move's timer but left the move shown running with no step ever coming; then,
// with the timer kept, the steps went on from the member's moment under its eclipse data.
// Fix: the move ends first, as by Stop (as Now does), and the member's eclipse stays on show.
TEST_F(MonkeyFindings, ASarosMemberShownDuringARepeatedMoveEndsTheMove) {
    Compute("2000-01-01 CE");
    Choose("cboTarget", 8);  // total lunar eclipse: 2000-01-21
    Click("cmdSearch");
    Click("cmdSarosSeries");
    QWidget* series = window->findChild<QWidget*>("frmSarosSeries");
    ASSERT_NE(series, nullptr);
    Find<QCheckBox>("chkRepeatedly")->click();
    Click("cmdMove");
    ASSERT_TRUE(Moving());
    series->findChild<QTableWidget*>("tblMembers")->selectRow(0);
    Click("cmdShow", series);
    const QString shown = Text("lblAstronomicalJulianDate_1");
    const QString eclipse = Text("lblActualEclipseData");
    TimePasses();
    EXPECT_FALSE(Moving());
    EXPECT_EQ(Text("lblAstronomicalJulianDate_1"), shown);
    EXPECT_FALSE(eclipse.isEmpty());
    EXPECT_EQ(Text("lblActualEclipseData"), eclipse);
}
