#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>

#include <QTimer>

#include "WindowFixture.h"

namespace {
const QColor kWhite(255, 255, 255), kGrey(200, 200, 200);
}

TEST_F(WindowTest, ListsAndTheirDefaults) {
    auto* zones = Find<QComboBox>("cboTimeZone");
    ASSERT_EQ(zones->count(), 49);
    const std::pair<int, const char*> rows[] = {{0, "GMT - 12:00"}, {1, "GMT - 11:30"}, {23, "GMT - 00:30"},
                                                {24, "GMT"},         {25, "GMT + 00:30"}, {47, "GMT + 11:30"},
                                                {48, "GMT + 12:00"}};
    for (const auto& [index, text] : rows) EXPECT_EQ(zones->itemText(index), text);
    EXPECT_EQ(zones->currentIndex(), 24);

    auto* steps = Find<QComboBox>("cboMoveStep");
    EXPECT_EQ(steps->count(), 20);
    EXPECT_EQ(steps->currentText(), "1 day");
    EXPECT_EQ(steps->itemText(19), "1 QLW year");
    EXPECT_EQ(Find<QComboBox>("cboRefreshPeriod")->currentText(), "1");

    auto* targets = Find<QComboBox>("cboTarget");
    ASSERT_EQ(targets->count(), 16);
    EXPECT_EQ(targets->currentIndex(), 11);
    EXPECT_EQ(targets->currentText(), "Total solar eclipse");
    EXPECT_EQ(targets->itemData(0).toInt(), 2);
    EXPECT_EQ(targets->itemData(1).toInt(), 0);
    EXPECT_EQ(targets->itemData(3).toInt(), 3);
    EXPECT_FALSE(targets->itemData(4).isValid());
    EXPECT_EQ(targets->itemText(5), "");
    EXPECT_EQ(targets->itemText(15), "Coincidence of 1sts of month");

    auto* months = Find<QComboBox>("cboMonthCalendar");
    EXPECT_EQ(months->count(), 5);
    EXPECT_EQ(months->currentText(), "Archetypes Calendar dates");
}

TEST_F(WindowTest, EveryControlIsNamed) {
    for (const char* name :
         {"fraDates", "fraTime", "fraConvert", "fraMove", "fraMoveStep", "fraMoveDirection", "fraStopPauseResume",
          "fraSearch", "fraHistory", "cmdNow", "picCheck", "picMoon", "txbDate", "txbPlusMinus", "cmdClearDate",
          "cmdCompute", "cmdReset", "cmdMove", "cmdStop", "cmdPauseResume", "cmdSearch", "cmdLogThisResult",
          "cmdViewLog", "cmdLogPreferences", "cmdSaveState", "cmdHelp", "cmdQuit", "cmdDisplayCalendar",
          "lblSearching", "lblActualEclipseData", "lblOnlineDocumentation", "lblTimeSystem", "lblTimeZone",
          "lblEnterDateTime", "lblDays", "lblRefreshPeriod", "optMoveDirection_0", "optMoveDirection_1",
          "lblCommonEraDate_0", "lblCommonEraDate_1", "lblQuillonLWCDate_1", "lblTime_1", "lblDeltaT_0",
          "lblPhaseOfMoon_1", "lblAgeOfMoon_0"})
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(window->windowTitle(), "Selvanor");
    EXPECT_EQ(Find<QPushButton>("cmdCompute")->text().remove(QChar('&')), "Convert");  // shown with its Alt+letter
    EXPECT_EQ(Text("lblDVGDate_0"), "Dunhale-Varnel Goddess");
}

TEST_F(WindowTest, ColoursOfChosenOptionsAndTheEntryCalendar) {
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optLocal")), kWhite);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optGreenwich")), kGrey);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optNext")), kWhite);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optPrevious")), kGrey);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optPlus")), kWhite);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optMoveDirection_0")), kWhite);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optMoveDirection_1")), kGrey);
    EXPECT_EQ(ForeColour(Find<QCheckBox>("chkLog")), kGrey);
    EXPECT_EQ(ForeColour(Find<QLabel>("lblCommonEraDate_0")), kWhite);
    EXPECT_EQ(ForeColour(Find<QLabel>("lblJulianCalendarDate_0")), kGrey);
    EXPECT_EQ(ForeColour(Find<QLabel>("lblCommonEraDate_1")), QColor(255, 255, 128));

    Find<QRadioButton>("optGreenwich")->click();
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optGreenwich")), kWhite);
    EXPECT_EQ(ForeColour(Find<QRadioButton>("optLocal")), kGrey);
    Find<QCheckBox>("chkRepeatedly")->click();
    EXPECT_EQ(ForeColour(Find<QCheckBox>("chkRepeatedly")), kWhite);
}

TEST_F(WindowTest, FirstRunShowsNowWithTheLiveClock) {
    EXPECT_TRUE(Find<QLabel>("picCheck")->isVisible());
    EXPECT_TRUE(window->OnShow().liveClock);
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, 2451545.0);
    EXPECT_EQ(Text("lblTime_1"), "12:00 (local=GMT)");
    EXPECT_TRUE(Find<QTimer>("Clock")->isActive());
    EXPECT_EQ(Find<QTimer>("Clock")->interval(), 5000);
    EXPECT_TRUE(Find<QPushButton>("cmdSaveState")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("cmdViewLog")->isEnabled());  // the log is empty

    // The clock moves on: a tick shows the new present moment and restarts nothing else.
    clock->Set("2000-01-01", "13:30:00");
    QMetaObject::invokeMethod(Find<QTimer>("Clock"), "timeout", Qt::DirectConnection);
    EXPECT_NEAR(window->OnShow().ajd, 2451545.0 + 1.5 / 24, 1e-9);
    EXPECT_EQ(Text("lblTime_1"), "13:30 (local=GMT)");
}

TEST_F(WindowTest, NowAfterComputeRestartsTheClockAndFixesTheSarosTarget) {
    Compute("2003-12-31 CE 15:55");
    EXPECT_FALSE(Find<QLabel>("picCheck")->isVisible());
    EXPECT_FALSE(window->OnShow().liveClock);
    Find<QTimer>("Clock")->stop();
    Find<QComboBox>("cboTarget")->setCurrentIndex(SearchTargets::RowOf(SearchTargets::kSameSaros));
    Find<QPushButton>("cmdNow")->click();
    EXPECT_TRUE(Find<QLabel>("picCheck")->isVisible());
    EXPECT_TRUE(Find<QTimer>("Clock")->isActive());
    EXPECT_EQ(Find<QTimer>("Clock")->interval(), 5000);
    EXPECT_EQ(Find<QComboBox>("cboTarget")->currentIndex(), SearchTargets::RowOf(SearchTargets::kAnyEclipse));
    EXPECT_TRUE(Find<QLineEdit>("txbDate")->text().isEmpty());
}

TEST_F(WindowTest, FocusRules) {
    window->activateWindow();
    QApplication::processEvents();
    window->SetTheFocus();
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("txbDate"));
    window->FocusMoveOrQuit();
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("cmdMove"));
    Find<QPushButton>("cmdMove")->setEnabled(false);
    window->FocusMoveOrQuit();
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("cmdQuit"));
    window->FocusSearchOrQuit();
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("cmdSearch"));
    Find<QLineEdit>("txbDate")->setEnabled(false);
    window->SetTheFocus();
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("cmdQuit"));
}

namespace {
QWidget* HelpWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmHelp" && w->isVisible()) return w;
    return nullptr;
}
}  // namespace

TEST_F(WindowTest, HelpOpensWithoutBlockingFromTheButtonAndF1) {
    Find<QPushButton>("cmdHelp")->click();
    QWidget* help = HelpWindowShown();
    ASSERT_NE(help, nullptr);
    help->close();
    EXPECT_EQ(HelpWindowShown(), nullptr);
    QKeyEvent f1(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(Find<QLineEdit>("txbDate"), &f1);
    ASSERT_NE(HelpWindowShown(), nullptr);
    HelpWindowShown()->showMinimized();
    QApplication::sendEvent(Find<QPushButton>("cmdMove"), &f1);
    EXPECT_FALSE(HelpWindowShown()->isMinimized());
    HelpWindowShown()->close();
}

TEST_F(WindowTest, DateBoxIsTrimmedWhenItLosesTheFocus) {
    auto* box = Find<QLineEdit>("txbDate");
    box->setText("  2003-12-31 CE  ");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(box, &out);
    EXPECT_EQ(box->text(), "2003-12-31 CE");
    Find<QLineEdit>("txbPlusMinus")->setText("5");
    Find<QPushButton>("cmdClearDate")->click();
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(Find<QLineEdit>("txbPlusMinus")->text().isEmpty());
}
