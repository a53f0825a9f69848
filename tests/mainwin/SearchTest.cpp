// The window's Search: eclipses one after another with their data, the saros search and its
// target, coincidences, the messages, and a search that meets the range end.
#include <QComboBox>
#include <QRadioButton>

#include "WindowFixture.h"
#include "astro/Syzyg.h"

namespace {

class SearchWindowTest : public WindowTest {
protected:
    void SearchFor(int target, bool next = true) {
        Find<QComboBox>("cboTarget")->setCurrentIndex(target);
        Find<QRadioButton>(next ? "optNext" : "optPrevious")->click();
        Find<QPushButton>("cmdSearch")->click();
    }
    QString ShownEclipse() { return Text("lblActualEclipseData"); }
    double Moment() { return window->OnShow().ajd; }
};

TEST_F(SearchWindowTest, LunarEclipsesOneAfterAnother) {
    Compute("2000-01-01 CE 06:00");
    SearchFor(7);
    ASSERT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
    EXPECT_TRUE(ShownEclipse().startsWith("Total lunar eclipse\nLunation number = 0\nSaros number = 124\n"))
        << ShownEclipse().toStdString();
    EXPECT_EQ(window->OnShow().lastFound.lunation, 0);
    EXPECT_EQ(window->OnShow().lastFound.phase, 2);
    EXPECT_TRUE(window->OnShow().lastFound.lunar);
    // The date box shows the result to the minute; searching again starts from the eclipse
    // itself, which comes minutes before its full moon, and finds the next one.
    EXPECT_TRUE(Find<QLineEdit>("txbDate")->text().startsWith("2000-01-21 CE 04:4"));
    const double first = Moment();
    SearchFor(7);
    EXPECT_TRUE(ShownEclipse().contains("Lunation number = 6\n")) << ShownEclipse().toStdString();
    SearchFor(7, false);
    EXPECT_DOUBLE_EQ(Moment(), first);
    SearchFor(7, false);
    EXPECT_LT(Moment(), first);
    EXPECT_TRUE(ShownEclipse().contains("lunar eclipse\n")) << ShownEclipse().toStdString();
}

TEST_F(SearchWindowTest, SarosSearchKeepsItsTarget) {
    Compute("2000-01-01 CE 06:00");
    SearchFor(11);  // the total solar eclipse of 2001-06-21
    ASSERT_TRUE(ShownEclipse().contains("Saros number = 127\n")) << ShownEclipse().toStdString();
    const double found = Moment();
    SearchFor(SearchTargets::RowOf(SearchTargets::kSameSaros));
    ASSERT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
    EXPECT_TRUE(ShownEclipse().contains("Saros number = 127\n")) << ShownEclipse().toStdString();
    EXPECT_NEAR(Moment() - found, 6585.3, 0.5);
    EXPECT_EQ(Find<QComboBox>("cboTarget")->currentIndex(), SearchTargets::RowOf(SearchTargets::kSameSaros));
    EXPECT_FALSE(window->OnShow().lastFound.lunar);
}

TEST_F(SearchWindowTest, Refusals) {
    Compute("2000-01-01 CE 06:00");
    const double before = Moment();
    SearchFor(5);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "Search");
    EXPECT_EQ(LastMessage(), "Please specify target for search.");
    SearchFor(SearchTargets::RowOf(SearchTargets::kSameSaros));  // no eclipse on display
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].title, "No eclipse displayed");
    EXPECT_TRUE(LastMessage().endsWith("the next or previous eclipse in the same saros series."));
    Find<QLineEdit>("txbDate")->setText("2000-13-40 CE");
    SearchFor(0);
    EXPECT_EQ(dialogs->messages.size(), 3u);
    Find<QLineEdit>("txbDate")->setText("7000-01-01 CE");
    SearchFor(0);
    ASSERT_EQ(dialogs->messages.size(), 4u);
    EXPECT_EQ(dialogs->messages[3].title, "Date out of range");
    EXPECT_DOUBLE_EQ(Moment(), before);
}

TEST_F(SearchWindowTest, RangeEndLeavesEverythingAsItWas) {
    Compute("5999-06-01 CE");
    SearchFor(7);  // an eclipse on display, then none of its kind before the end
    SearchFor(8);
    const double before = Moment();
    const QString data = ShownEclipse(), box = Find<QLineEdit>("txbDate")->text();
    SearchFor(11);
    ASSERT_FALSE(dialogs->messages.empty());
    EXPECT_EQ(dialogs->messages.back().title, "Search");
    EXPECT_EQ(dialogs->messages.back().icon, DialogService::Icon::Warning);
    EXPECT_EQ(LastMessage(), "No eclipse of this kind before the latest date.");
    EXPECT_DOUBLE_EQ(Moment(), before);
    EXPECT_EQ(ShownEclipse(), data);
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), box);
    // A typed start that meets the range end does not become the moment either.
    Find<QLineEdit>("txbDate")->setText("5999-12-31 CE");
    SearchFor(11);
    EXPECT_EQ(LastMessage(), "No eclipse of this kind before the latest date.");
    EXPECT_DOUBLE_EQ(Moment(), before);
}

TEST_F(SearchWindowTest, CoincidenceAndPhases) {
    Find<QComboBox>("cboTimeZone")->setCurrentIndex(35);  // GMT + 05:30
    Compute("2000-01-01 CE 06:00");
    SearchFor(SearchTargets::RowOf(SearchTargets::kCoincidence));
    ASSERT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
    EXPECT_FALSE(Find<QLabel>("lblSearching")->isVisible());
    EXPECT_EQ(Text("lblTime_1"), "12:00 (local)");
    EXPECT_TRUE(ShownEclipse().isEmpty());
    const double coincidence = Moment();
    SearchFor(SearchTargets::RowOf(SearchTargets::kCoincidence));
    SearchFor(SearchTargets::RowOf(SearchTargets::kCoincidence), false);
    EXPECT_DOUBLE_EQ(Moment(), coincidence);
    // A full moon that is eclipsed: a phase search shows no eclipse data.
    Compute("2000-01-01 CE 06:00");
    SearchFor(0);
    ::EclipseData record{};
    EXPECT_DOUBLE_EQ(Moment(), Syzyg::PhaseTime(0, 2, record));
    EXPECT_TRUE(ShownEclipse().isEmpty());
    EXPECT_EQ(window->OnShow().lastFound.lunation, kNoEclipseLunation);
}

}  // namespace
