// The window on a computer whose clock is not on Greenwich time: the first start picks the
// computer's zone, and the live clock shows the moment's time in whatever zone is chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "dates/ClockService.h"
#include "mainwin/frmMain.h"

namespace {
struct Window {
    explicit Window(int secondsWestOfGreenwich)
        : clock(std::make_shared<FixedClock>("2003-12-31", "08:07:00", secondsWestOfGreenwich)) {
        window = std::make_unique<frmMain>(
            MainWindowServices{clock, std::make_shared<RecordingDialogService>(), folder.path(), QString()});
        window->Form_Load();
        QApplication::processEvents();
    }
    QString Text(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    QComboBox* Zones() { return window->findChild<QComboBox*>("cboTimeZone"); }

    QTemporaryDir folder;
    std::shared_ptr<FixedClock> clock;
    std::unique_ptr<frmMain> window;
};
}  // namespace

TEST(ComputerZone, FirstStartSelectsTheComputersZoneWhenTheListHasIt) {
    const std::pair<int, const char*> rows[] = {
        {5 * 3600, "GMT - 05:00"}, {-(5 * 3600 + 1800), "GMT + 05:30"}, {0, "GMT"},
        // A quarter-hour zone is not in the list: GMT it is.
        {-(5 * 3600 + 2700), "GMT"}};
    for (const auto& [west, zone] : rows) {
        Window w(west);
        EXPECT_EQ(w.Zones()->currentText(), zone) << west;
    }
    Window newYork(5 * 3600);
    EXPECT_EQ(newYork.Text("lblTime_1"), "08:07 (local)");
    EXPECT_EQ(newYork.Text("lblCommonEraDate_1").left(13), "2003-12-31 CE");
}

TEST(ComputerZone, TheLiveClockShowsTheMomentInTheChosenZone) {
    Window newYork(5 * 3600);  // 08:07 in New York is 13:07 GMT
    newYork.Zones()->setCurrentIndex(TimeZones::kGmtIndex);
    newYork.window->findChild<QPushButton*>("cmdNow")->click();
    EXPECT_NEAR(newYork.window->OnShow().ajd, 2453005.5 + 13 / 24.0 + 7 / 1440.0 - 1, 1e-9);
    EXPECT_EQ(newYork.Text("lblTime_1"), "13:07 (local=GMT)");
    // Greenwich time in a zone east of Greenwich: still the moment's Greenwich time.
    newYork.Zones()->setCurrentIndex(TimeZones::kGmtIndex + 2);
    newYork.window->findChild<QPushButton*>("cmdNow")->click();
    newYork.window->findChild<QWidget*>("optGreenwich")->setProperty("checked", true);
    QMetaObject::invokeMethod(newYork.window->findChild<QObject*>("optGreenwich"), "clicked");
    EXPECT_EQ(newYork.Text("lblTime_1"), "13:07 (GMT)");
}
