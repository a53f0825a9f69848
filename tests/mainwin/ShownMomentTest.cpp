// What the window shows comes from one value: the faults that state kept in widgets and flags
// once caused, as a user meets them, and where the window and its helpers are placed.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScreen>

#include "WindowFixture.h"
#include "core/SavedState.h"
#include "log/frmLog.h"
#include "lunation_calendar/frmCalendar.h"
#include "mainwin/frmSarosSeries.h"

namespace {

class ShownMomentTest : public WindowTest {
protected:
    void SearchFor(int target, bool next = true) {
        Find<QComboBox>("cboTarget")->setCurrentIndex(SearchTargets::RowOf(target));
        Find<QRadioButton>(next ? "optNext" : "optPrevious")->click();
        Find<QPushButton>("cmdSearch")->click();
    }
    void ChooseHistory(int index) {
        Find<QComboBox>("cboHistory")->setCurrentIndex(index);
        emit Find<QComboBox>("cboHistory")->activated(index);
    }
    QString Eclipse() { return Text("lblActualEclipseData"); }
};

constexpr int kTotalLunar = 7;

// The total lunar eclipse of 2000-01-21 (saros 124): one saros on is that of 2018-01-31.
TEST_F(ShownMomentTest, SarosSearchFindsTheKindOfTheEclipseOnShow) {
    // Restored from a saved state, with another search's kind never seen in this run.
    Compute("2000-01-01 CE");
    SearchFor(kTotalLunar);
    ASSERT_TRUE(Eclipse().contains("Saros number = 124")) << Eclipse().toStdString();
    ASSERT_EQ(window->WriteStateFile(), "");
    window.reset();
    MainWindowServices services{clock, dialogs, stateDir.path(), QString()};
    window = std::make_unique<frmMain>(services);
    window->Form_Load();
    ASSERT_TRUE(Eclipse().contains("Saros number = 124"));
    SearchFor(SearchTargets::kSameSaros);
    EXPECT_TRUE(Eclipse().startsWith("Total lunar eclipse\n")) << Eclipse().toStdString();
    EXPECT_TRUE(Eclipse().contains("Saros number = 124"));
    EXPECT_TRUE(Text("lblCommonEraDate_1").startsWith("2018-01-31 CE")) << Text("lblCommonEraDate_1").toStdString();

    // Chosen from the history after a solar search.
    SearchFor(SearchTargets::kSolarEclipse);
    ASSERT_TRUE(Eclipse().contains("solar eclipse"));
    ChooseHistory(0);  // the restored lunar eclipse
    ASSERT_TRUE(Eclipse().startsWith("Total lunar eclipse\n")) << Eclipse().toStdString();
    SearchFor(SearchTargets::kSameSaros);
    EXPECT_TRUE(Eclipse().contains("lunar eclipse\n") && Eclipse().contains("Saros number = 124"))
        << Eclipse().toStdString();
}

// A saved eclipse text that names no eclipse is shown as saved, and the saros search asks for
// an eclipse instead of guessing its kind.
TEST_F(ShownMomentTest, SavedDataNamingNoEclipseOffersNoSarosSearch) {
    SavedState crafted;
    crafted.dblCurrentAJDate = 2451000.0;
    crafted.eclipseData = "Looking for something\nelse";
    QDir().mkpath(stateDir.path());
    QFile file(QDir(stateDir.path()).filePath("slvn.usr"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(SavedStateFile::Write(crafted)));
    file.close();
    window = std::make_unique<frmMain>(MainWindowServices{clock, dialogs, stateDir.path(), QString()});
    window->Form_Load();
    EXPECT_EQ(Eclipse(), "Looking for something\nelse");
    EXPECT_FALSE(Find<QPushButton>("cmdSarosSeries")->isVisible());
    SearchFor(SearchTargets::kSameSaros);
    EXPECT_EQ(dialogs->messages.back().title, "No eclipse displayed");
    EXPECT_EQ(window->OnShow().ajd, 2451000.0);
}

// A move from a typed date in another calendar than the entry calendar goes on in the typed one.
TEST_F(ShownMomentTest, AMoveKeepsTheTypedCalendar) {
    Find<QCheckBox>("chkLog")->click();
    Find<QLineEdit>("txbDate")->setText("2003-12-31 JC 15:55");
    Find<QPushButton>("cmdMove")->click();  // one day forward
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2004-01-01 JC 15:55");
    EXPECT_EQ(Find<QComboBox>("cboHistory")->currentText(), "2004-01-01 JC 15:55 (local = GMT)");
    EXPECT_TRUE(window->findChild<frmLog*>("frmLog")->LogText().contains("Move forward 1 day.\r\n2004-01-01 JC 15:55"));
}

// The history shows the eclipse of an entry's latest syzygy also when the entry's moment is
// days after it; its saros series is that eclipse's.
TEST_F(ShownMomentTest, SarosSeriesOfAnEclipseShownFromTheHistory) {
    Compute("2000-01-25 CE");  // four days after the total lunar eclipse of 2000-01-21
    Compute("2000-03-01 CE");
    ChooseHistory(1);
    ASSERT_TRUE(Eclipse().startsWith("Total lunar eclipse\n")) << Eclipse().toStdString();
    Find<QPushButton>("cmdSarosSeries")->click();
    auto* series = window->findChild<frmSarosSeries*>("frmSarosSeries");
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->windowTitle(), "Saros series 124 (lunar eclipses)");
    EXPECT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
}

// Choosing an entry of another zone shows its own moment, not one the zone change moved.
TEST_F(ShownMomentTest, AHistoryEntryOfAnotherZoneShowsItsOwnMoment) {
    Find<QComboBox>("cboTimeZone")->setCurrentIndex(35);  // GMT + 05:30
    Compute("2003-12-31 CE 15:55");
    const double moment = window->OnShow().ajd;
    Find<QComboBox>("cboTimeZone")->setCurrentIndex(8);  // GMT - 08:00: the local time stays
    ChooseHistory(Find<QComboBox>("cboHistory")->count() - 2);
    EXPECT_EQ(window->OnShow().ajd, moment);
    EXPECT_EQ(Find<QComboBox>("cboTimeZone")->currentIndex(), 35);
    EXPECT_EQ(Text("lblTime_1"), "15:55 (local)");
}

// The lunation page's command stays usable while a move repeats; opening the page puts the main
// window at the left, 400 from the top.
TEST_F(ShownMomentTest, LunationCommandDuringARepeatedMoveAndTheWindowsPlaces) {
    Find<QCheckBox>("chkRepeatedly")->click();
    Find<QPushButton>("cmdMove")->click();
    ASSERT_TRUE(window->Moving());
    EXPECT_TRUE(Find<QPushButton>("cmdDisplayCalendar")->isEnabled());
    EXPECT_TRUE(Find<QComboBox>("cboMonthCalendar")->isEnabled());
    Find<QPushButton>("cmdStop")->click();
    Find<QPushButton>("cmdDisplayCalendar")->click();
    const int fits = window->screen()->availableGeometry().bottom() + 1 - window->frameGeometry().height();
    EXPECT_EQ(window->pos(), QPoint(0, std::min(400, std::max(0, fits))));
}

}  // namespace

namespace {

// A city chosen from the place list: the sky line of the day on show and the eclipse from the
// place; a bad text is refused and leaves the place; the place comes back after a restart.
TEST_F(ShownMomentTest, ThePlaceRowItsSkyAndItsRestore) {
    QComboBox* place = Find<QComboBox>("cboPlace");
    EXPECT_FALSE(Find<QLabel>("lblSky_1")->isVisible());
    EXPECT_FALSE(Find<QCheckBox>("chkSeenFromPlace")->isEnabled());
    place->setCurrentIndex(place->findText("Paris (France)"));
    emit place->activated(place->currentIndex());
    ASSERT_TRUE(window->OnShow().place);
    EXPECT_TRUE(Text("lblSky_1").startsWith("Sun: rises ")) << Text("lblSky_1").toStdString();
    EXPECT_TRUE(Find<QLabel>("lblSky_1")->toolTip().contains("azimuth"));

    place->setEditText("91 N, 2 E");
    emit place->activated(-1);
    EXPECT_EQ(dialogs->messages.back().title, "Place");
    EXPECT_EQ(place->currentText(), "Paris (France)");
    EXPECT_EQ(window->OnShow().place->name, "Paris (France)");

    // The total solar eclipse of 1999-08-11, partial in Paris.
    Compute("1999-08-01 CE");
    Find<QCheckBox>("chkSeenFromPlace")->click();
    Find<QComboBox>("cboTarget")->setCurrentIndex(SearchTargets::RowOf(SearchTargets::kSolarEclipse));
    Find<QPushButton>("cmdSearch")->click();
    EXPECT_TRUE(Eclipse().contains("Seen from Paris: partial")) << Eclipse().toStdString();

    ASSERT_EQ(window->WriteStateFile(), "");
    window = std::make_unique<frmMain>(
        MainWindowServices{clock, dialogs, stateDir.path(), QString(), SELVANOR_TEST_DATA "/zoneinfo"});
    window->Form_Load();
    EXPECT_EQ(Find<QComboBox>("cboPlace")->currentText(), "Paris (France)");
    EXPECT_TRUE(Eclipse().contains("Seen from Paris: partial")) << Eclipse().toStdString();
    place = Find<QComboBox>("cboPlace");
    place->setEditText("");
    emit place->activated(-1);
    EXPECT_FALSE(window->OnShow().place);
    EXPECT_FALSE(Find<QLabel>("lblSky_1")->isVisible());
}

}  // namespace
