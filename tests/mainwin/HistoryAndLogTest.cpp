// The history list and the log, driven through the window as a user would.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>

#include "WindowFixture.h"
#include "log/frmLog.h"

namespace {
class HistoryAndLog : public WindowTest {
protected:
    QComboBox* History() { return Find<QComboBox>("cboHistory"); }
    void Choose(int index) {
        History()->setCurrentIndex(index);
        emit History()->activated(index);
    }
    frmLog* Log() { return window->findChild<frmLog*>("frmLog"); }
    QString LogText() { return Log() ? Log()->LogText() : QString(); }
    void LogAll() { Find<QCheckBox>("chkLog")->click(); }
};
}  // namespace

TEST_F(HistoryAndLog, KeepsTheEightNewestResults) {
    // Start-up's Now is the first entry.
    ASSERT_EQ(History()->count(), 1);
    EXPECT_EQ(History()->itemText(0), "2000-01-01 CE 12:00 (local = GMT)");
    for (int day = 1; day <= 9; ++day) Compute(QString("2001-01-%1 CE").arg(day, 2, 10, QChar('0')));
    ASSERT_EQ(History()->count(), 8);
    EXPECT_EQ(History()->itemText(0), "2001-01-02 CE 12:00 (local = GMT)");
    EXPECT_EQ(History()->itemText(7), "2001-01-09 CE 12:00 (local = GMT)");
    EXPECT_EQ(History()->currentIndex(), 7);
    // A, B, A: an older entry comes again; only a repeat of the newest is skipped.
    Compute("2001-01-02 CE");
    EXPECT_EQ(History()->itemText(7), "2001-01-02 CE 12:00 (local = GMT)");
    Compute("2001-01-02 CE", "0");  // the same result again
    EXPECT_EQ(History()->itemText(6), "2001-01-09 CE 12:00 (local = GMT)");
}

TEST_F(HistoryAndLog, ChoosingAnEntryRestoresItsFrameAndMoment) {
    Find<QComboBox>("cboTimeZone")->setCurrentIndex(35);  // GMT + 05:30
    Compute("2003-12-31 CE 15:55");
    const double moment = window->OnShow().ajd;
    EXPECT_EQ(History()->currentText(), "2003-12-31 CE 15:55 (local = GMT+05:30)");
    Find<QRadioButton>("optGreenwich")->click();
    Find<QComboBox>("cboTimeZone")->setCurrentIndex(8);  // GMT - 08:00
    Compute("2,455,900.92 AJD");
    EXPECT_EQ(History()->currentText(), "2,455,900.9200 AJD (Greenwich; local = GMT-08:00)");

    const int first = History()->findText("2003-12-31 CE 15:55 (local = GMT+05:30)");
    Choose(first);
    EXPECT_TRUE(Find<QRadioButton>("optLocal")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cboTimeZone")->currentIndex(), 35);
    EXPECT_NEAR(window->OnShow().ajd, moment, 1e-9);
    EXPECT_EQ(Text("lblTime_1"), "15:55 (local)");
    EXPECT_TRUE(Find<QLineEdit>("txbDate")->text().isEmpty());
    const int entries = History()->count();
    Choose(first);  // already on show: nothing happens
    EXPECT_EQ(History()->count(), entries);

    Choose(History()->findText("2,455,900.9200 AJD (Greenwich; local = GMT-08:00)"));
    EXPECT_TRUE(Find<QRadioButton>("optGreenwich")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cboTimeZone")->currentIndex(), 8);
    EXPECT_NEAR(window->OnShow().ajd, 2455900.92, 1e-9);
    EXPECT_EQ(window->OnShow().entryCalendar, CalendarTable::AJD);
}

TEST_F(HistoryAndLog, LoggingOnWritesTheHeaderOnceAndEveryResult) {
    EXPECT_FALSE(Find<QPushButton>("cmdViewLog")->isEnabled());
    LogAll();
    Compute("2012-12-21 CE 06:00");
    Compute("2012-12-22 CE 06:00");
    const QString text = LogText();
    EXPECT_TRUE(text.startsWith("Selvanor\r\n")) << text.toStdString();
    EXPECT_EQ(text.count("Selvanor\r\n"), 1);
    EXPECT_TRUE(text.contains("Convert date\r\n2012-12-21 CE 06:00 (local = GMT)\r\nJC=2012-12-08  ARC="));
    EXPECT_TRUE(text.contains("Convert date\r\n2012-12-22 CE 06:00 (local = GMT)\r\n"));
    EXPECT_TRUE(text.endsWith(".\r\n\r\n"));
    EXPECT_TRUE(Find<QPushButton>("cmdViewLog")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("cmdLogThisResult")->isEnabled());
}

TEST_F(HistoryAndLog, LogThisResultLogsThePendingResultOnce) {
    Compute("2012-12-21 CE");
    auto* logThis = Find<QPushButton>("cmdLogThisResult");
    EXPECT_TRUE(logThis->isEnabled());
    EXPECT_TRUE(LogText().isEmpty());
    Compute("2012-12-24 CE");  // replaces the pending result
    logThis->click();
    EXPECT_FALSE(logThis->isEnabled());
    EXPECT_EQ(LogText().count("Convert date"), 1);
    EXPECT_TRUE(LogText().contains("2012-12-24 CE 12:00"));
    EXPECT_FALSE(Find<QCheckBox>("chkLog")->isChecked());
}

TEST_F(HistoryAndLog, TheLogWindowCopiesClearsAndDiscards) {
    Find<QPushButton>("cmdViewLog")->setEnabled(true);
    Find<QPushButton>("cmdViewLog")->click();
    EXPECT_EQ(LastMessage(), "Log is empty");
    EXPECT_EQ(dialogs->messages.back().title, "View Log");

    LogAll();
    Compute("2012-12-21 CE");
    Find<QPushButton>("cmdViewLog")->click();
    ASSERT_NE(Log(), nullptr);
    EXPECT_TRUE(Log()->isVisible());
    EXPECT_EQ(Log()->windowTitle(), "Log for Selvanor");
    auto* text = Log()->findChild<QPlainTextEdit*>("txbText");
    EXPECT_EQ(text->textCursor().position(), text->document()->characterCount() - 1);  // caret at the end

    Log()->findChild<QPushButton*>("cmdCopyToClipboard")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), LogText());
    QTextCursor selection(text->document());
    selection.setPosition(0);
    selection.setPosition(8, QTextCursor::KeepAnchor);
    text->setTextCursor(selection);
    Log()->findChild<QPushButton*>("cmdCopyToClipboard")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "Selvanor");

    dialogs->answerOk = false;  // Cancel keeps the log
    Log()->findChild<QPushButton*>("cmdClear")->click();
    EXPECT_FALSE(LogText().isEmpty());
    dialogs->answerOk = true;
    Log()->findChild<QPushButton*>("cmdClear")->click();
    EXPECT_EQ(dialogs->messages.back().text, "Erase all data in the log?");
    EXPECT_TRUE(LogText().isEmpty());
    EXPECT_FALSE(Find<QPushButton>("cmdViewLog")->isEnabled());

    // Close keeps the log; the system close box discards it.
    Compute("2012-12-22 CE");
    Find<QPushButton>("cmdViewLog")->click();
    Log()->findChild<QPushButton*>("cmdClose")->click();
    EXPECT_FALSE(Log()->isVisible());
    EXPECT_FALSE(LogText().isEmpty());
    Find<QPushButton>("cmdViewLog")->click();
    Log()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Log(), nullptr);
    EXPECT_FALSE(Find<QPushButton>("cmdViewLog")->isEnabled());
}

TEST_F(HistoryAndLog, PreferencesChooseWhatAnEntryHolds) {
    Find<QPushButton>("cmdLogPreferences")->click();
    auto* preferences = window->findChild<QWidget*>("frmLogPreferences");
    ASSERT_NE(preferences, nullptr);
    EXPECT_EQ(preferences->findChild<QCheckBox*>("chkIncludeAJD")->text().remove(QChar('&')), "AJD (Astronomical Julian Date)");
    EXPECT_TRUE(preferences->findChild<QCheckBox*>("chkIncludeAJD")->font().bold());
    EXPECT_FALSE(preferences->findChild<QCheckBox*>("chkIncludeQLWC")->isChecked());
    preferences->findChild<QPushButton*>("cmdClearAll")->click();
    preferences->findChild<QCheckBox*>("chkIncludeLunationAndAgeOfMoon")->click();
    preferences->findChild<QRadioButton*>("optLogFormat_1")->click();
    EXPECT_FALSE(window->LogPreferencesInEffect().calendarEqualsDate);
    preferences->findChild<QPushButton*>("cmdClose")->click();
    EXPECT_FALSE(preferences->isVisible());

    LogAll();
    Compute("2012-12-21 CE");
    EXPECT_TRUE(LogText().contains("2012-12-21 CE 12:00 (local = GMT)\r\nLunation and age = [")) << LogText().toStdString();
    Find<QPushButton>("cmdLogPreferences")->click();
    preferences->findChild<QPushButton*>("cmdSetALL")->click();
    const LogPreferences& all = window->LogPreferencesInEffect();
    for (int calendar = 0; calendar < CalendarRegistry::Count(); ++calendar) EXPECT_TRUE(all.Includes(calendar));
    EXPECT_TRUE(all.phaseOfMoon && all.lunationAndAge);
}

TEST_F(HistoryAndLog, AnEclipseEntryShowsItsDataAgainInAnotherZone) {
    LogAll();
    Compute("2000-01-01 CE");
    Find<QComboBox>("cboTarget")->setCurrentIndex(8);  // "Total lunar eclipse"
    Find<QPushButton>("cmdSearch")->click();
    const QString eclipseData = Text("lblActualEclipseData");
    ASSERT_TRUE(eclipseData.contains("Total lunar eclipse")) << eclipseData.toStdString();
    const QString entry = History()->currentText();
    EXPECT_EQ(History()->currentData().toInt(), 10);

    Find<QComboBox>("cboTimeZone")->setCurrentIndex(30);  // GMT + 03:00: the eclipse label is emptied
    EXPECT_TRUE(Text("lblActualEclipseData").isEmpty());
    Compute("2005-05-05 CE");
    Choose(History()->findText(entry));
    EXPECT_EQ(Find<QComboBox>("cboTimeZone")->currentIndex(), 24);  // the entry's own zone, GMT
    EXPECT_EQ(Text("lblActualEclipseData").toStdString(), eclipseData.toStdString());
    EXPECT_TRUE(LogText().contains("Selection from history\r\n" + entry + "\r\n"));
    EXPECT_TRUE(LogText().contains("Total lunar eclipse, lunation number = "));
}
