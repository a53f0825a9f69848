#include <QComboBox>
#include <QRadioButton>

#include "WindowFixture.h"

TEST_F(WindowTest, TypedEntryIsNormalisedAndShown) {
    Compute("2003-12-31 ce 15:55");
    ASSERT_TRUE(dialogs->messages.empty()) << LastMessage().toStdString();
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2003-12-31 CE 15:55");
    EXPECT_EQ(Text("lblCommonEraDate_1"), "2003-12-31 CE (Wednesday, December 31, 2003)");
    EXPECT_EQ(Text("lblJulianCalendarDate_1"), "2003-12-18 JC (Wednesday, December 18, 2003)");
    EXPECT_EQ(Text("lblAstronomicalJulianDate_1"), "2,453,005.1632 AJD");
    EXPECT_EQ(Text("lblChronologicalJulianDate_1"), "2,453,005.6632 CJD");
    EXPECT_EQ(Text("lblTime_1"), "15:55 (local=GMT)");
    EXPECT_EQ(Find<QLabel>("lblCommonEraDate_1")->toolTip(),
              "The 31st day of December in the year 2003 in the Common Era Calendar");
}

TEST_F(WindowTest, EntryInTheEntryCalendarAndNothingToDo) {
    Find<QLabel>("lblJulianCalendarDate_0");
    Compute("2003-12-31 JC");
    EXPECT_EQ(window->OnShow().entryCalendar, 1);
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2003-12-31 JC 12:00");
    EXPECT_EQ(ForeColour(Find<QLabel>("lblJulianCalendarDate_0")), QColor(255, 255, 255));
    Compute("2003-12-31");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "Compute date");
    EXPECT_EQ(LastMessage(), "Nothing to do!");
    // With a days value of 0 the same entry is computed again.
    Compute("2003-12-31 JC", "0");
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(WindowTest, PlusAndMinusDays) {
    Compute("2000-01-01 CE", "2.5");
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, 2451547.5);
    Find<QRadioButton>("optMinus")->click();
    Compute("2000-01-01 CE", "+1,000");
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, 2451545.0 - 1000);
    const double before = window->OnShow().ajd;
    Compute("2000-01-01 CE", "1-2");
    EXPECT_EQ(LastMessage(), "Value for addition or subtraction is invalid.");
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2000-01-01 CE");  // not parsed
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, before);
    // An empty date box with a days value moves the moment on show.
    Compute("", "1");
    EXPECT_EQ(LastMessage(), "No date given.");
    Find<QLineEdit>("txbDate")->clear();
    Find<QLineEdit>("txbPlusMinus")->setText("1");
    emit Find<QLineEdit>("txbPlusMinus")->returnPressed();  // needs both boxes
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, before);
}

TEST_F(WindowTest, RejectedEntriesLeaveTheMomentAlone) {
    const double before = window->OnShow().ajd;
    const std::pair<const char*, const char*> rows[] = {
        {"2003-12-31 15:55", "Calendar must be specified (one of CE, JC, ARC, VO, LLT, DVG, CJD, AJD and QLW)."},
        {"2003/12/31 CE", "Date separator must be a dash, '-'."},
        {"-3201-12-30 CE", "Resulting date is earlier than -3200-01-01 CE."},
        {"6000-01-02 CE", "Resulting date is later than 6000-01-01 CE."},
        {"1:30 CE", "Invalid time specification.  Times must be, e.g., 23:50."},
        {"", "No date given."}};
    for (const auto& [entry, message] : rows) {
        Compute(entry);
        EXPECT_EQ(LastMessage(), message) << entry;
        EXPECT_DOUBLE_EQ(window->OnShow().ajd, before) << entry;
        EXPECT_EQ(window->OnShow().entryCalendar, 0) << entry;
    }
    EXPECT_EQ(dialogs->messages[2].title, "Date out of range");
    EXPECT_EQ(dialogs->messages[0].title, "Invalid date/time entry");
    Compute("-3201-12-31 CE");  // the earliest moment itself is accepted
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, 552283.0);
}

TEST_F(WindowTest, LabelClicksCopyDatesAndChooseTheEntryCalendar) {
    Compute("2001-12-31 CE 14:28");
    emit Find<ClickableLabel>("lblJulianCalendarDate_0")->clicked();
    EXPECT_EQ(window->OnShow().entryCalendar, 1);
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2001-12-31 CE 14:28");  // title click: box untouched
    emit Find<ClickableLabel>("lblJulianCalendarDate_1")->clicked();
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2001-12-18 JC 14:28");
    emit Find<ClickableLabel>("lblAstronomicalJulianDate_1")->clicked();
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2,452,275.1028 AJD");
    EXPECT_EQ(window->OnShow().entryCalendar, 7);
    // The copied text reads back as the same moment.
    Compute(Find<QLineEdit>("txbDate")->text(), "0");
    EXPECT_NEAR(window->OnShow().ajd, 2452275.1028, 1e-9);
    // Time line click: the displayed time replaces the typed one; an empty box stays empty.
    Find<QLineEdit>("txbDate")->setText("2003-12-31 CE 09:00");
    emit Find<ClickableLabel>("lblTime_1")->clicked();
    EXPECT_EQ(Find<QLineEdit>("txbDate")->text(), "2003-12-31 CE 14:28");
    Find<QLineEdit>("txbDate")->setText("1:30 CE");
    emit Find<ClickableLabel>("lblTime_1")->clicked();  // must not fail
}

TEST_F(WindowTest, ZoneChangeKeepsTheLocalTime) {
    Compute("2000-01-01 CE 12:00");
    const double before = window->OnShow().ajd;
    auto* zones = Find<QComboBox>("cboTimeZone");
    zones->setCurrentIndex(28);  // GMT + 02:00
    EXPECT_EQ(Text("lblTime_1"), "12:00 (local)");
    EXPECT_NEAR(window->OnShow().ajd, before - 2 / 24.0, 1e-9);
    zones->setCurrentIndex(24);
    EXPECT_NEAR(window->OnShow().ajd, before, 1e-9);
    // Greenwich shows the same moment in GMT without moving it.
    zones->setCurrentIndex(35);  // GMT + 05:30
    Find<QRadioButton>("optGreenwich")->click();
    EXPECT_EQ(Text("lblTime_1"), "06:30 (GMT)");
    EXPECT_NEAR(window->OnShow().ajd, before - 5.5 / 24, 1e-9);
}
