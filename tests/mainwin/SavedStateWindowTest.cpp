// The saved state in the window: Save state, the restore at start-up (whole, cut short, bad or
// hostile files), Reset, and saving when the folder or file is not what it should be.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "core/SavedState.h"
#include "dates/ClockService.h"
#include "mainwin/frmMain.h"

namespace {
constexpr double kNoonJan1 = 2451545.0;  // the fixed clock's present moment

class StateWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<frmMain> Start() {
        auto window = std::make_unique<frmMain>(MainWindowServices{clock, dialogs, folder.path(), QString()});
        window->Form_Load();
        QApplication::processEvents();
        return window;
    }
    QString FilePath() const { return folder.filePath("slvn.usr"); }
    void WriteFile(const QByteArray& bytes) {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray FileBytes() const {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    template <typename T>
    static T* Find(frmMain& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void ExpectPresentMoment(frmMain& window) {
        EXPECT_EQ(window.OnShow().ajd, kNoonJan1);
        EXPECT_TRUE(window.OnShow().liveClock);
        EXPECT_TRUE(Find<QPushButton>(window, "cmdSaveState")->isEnabled());
    }

    QTemporaryDir folder;
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>("2000-01-01", "12:00:00", 0);
    std::shared_ptr<RecordingDialogService> dialogs = std::make_shared<RecordingDialogService>();
};

SavedState Sample() {
    SavedState s;
    s.dblCurrentAJDate = 2453005.1631944445;
    s.intEntryCalendar = CalendarTable::DVG;
    s.moveForward = false;
    s.plus = false;
    s.next = false;
    s.greenwich = true;
    s.moveStep = 13;
    s.target = 9;
    s.timeZone = 30;
    s.refreshPeriod = 0;
    s.logOn = true;
    s.eclipseData = "Total solar eclipse";
    s.logPreferences.calendarEqualsDate = false;
    s.logPreferences.SetAll(false);
    s.monthCalendar = 3;
    return s;
}
}  // namespace

TEST_F(StateWindowTest, SaveThenStartAgainShowsTheSameState) {
    double savedMoment = 0;
    {
        auto window = Start();
        frmMain& w = *window;
        Find<QComboBox>(w, "cboTimeZone")->setCurrentIndex(37);
        Find<QLineEdit>(w, "txbDate")->setText("2003-12-31 CE 15:55:17");
        Find<QPushButton>(w, "cmdCompute")->click();
        // An eclipse on show: the total lunar eclipse of 2004-05-04, six lines of data.
        Find<QComboBox>(w, "cboTarget")->setCurrentIndex(8);
        Find<QPushButton>(w, "cmdSearch")->click();
        Find<QRadioButton>(w, "optGreenwich")->click();
        Find<QRadioButton>(w, "optMoveDirection_1")->click();
        Find<QComboBox>(w, "cboMoveStep")->setCurrentIndex(17);
        Find<QComboBox>(w, "cboTarget")->setCurrentIndex(SearchTargets::RowOf(SearchTargets::kSameSaros));
        Find<QComboBox>(w, "cboMonthCalendar")->setCurrentIndex(4);
        Find<QCheckBox>(w, "chkRepeatedly")->click();
        Find<QCheckBox>(w, "chkLog")->click();
        savedMoment = w.OnShow().ajd;
        Find<QPushButton>(w, "cmdSaveState")->click();
        EXPECT_TRUE(dialogs->messages.empty());
        EXPECT_FALSE(Find<QPushButton>(w, "cmdSaveState")->isEnabled());
    }
    const QByteArray saved = FileBytes();
    EXPECT_TRUE(saved.endsWith("\r\n1\r\n0\r\n4\r\n\"\"\r\n")) << saved.toStdString();  // no place
    auto window = Start();
    frmMain& w = *window;
    EXPECT_EQ(w.OnShow().ajd, savedMoment);
    EXPECT_EQ(Find<QComboBox>(w, "cboTimeZone")->currentIndex(), 37);
    EXPECT_EQ(w.OnShow().frame.zoneOffsetMinutes, 390);
    EXPECT_TRUE(Find<QRadioButton>(w, "optGreenwich")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(w, "optMoveDirection_1")->isChecked());
    EXPECT_EQ(Find<QComboBox>(w, "cboMoveStep")->currentIndex(), 17);
    EXPECT_EQ(Find<QComboBox>(w, "cboTarget")->currentText(), "Lunar or solar eclipse");
    EXPECT_EQ(Find<QComboBox>(w, "cboMonthCalendar")->currentIndex(), 4);
    EXPECT_FALSE(Find<QCheckBox>(w, "chkRepeatedly")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(w, "chkLog")->isChecked());
    EXPECT_EQ(Find<QLabel>(w, "lblActualEclipseData")->text().count('\n'), 6);
    EXPECT_FALSE(Find<QPushButton>(w, "cmdSaveState")->isEnabled());
    EXPECT_FALSE(Find<QLabel>(w, "picCheck")->isVisible());
    EXPECT_FALSE(Find<QTimer>(w, "Clock")->isActive());
    // Saving the restored state writes the same file, but for the target and "repeatedly".
    ASSERT_EQ(w.WriteStateFile(), "");
    EXPECT_EQ(SavedStateFile::Read(FileBytes().toStdString()).state.eclipseData,
              SavedStateFile::Read(saved.toStdString()).state.eclipseData);
    EXPECT_EQ(SavedStateFile::Read(FileBytes().toStdString()).state.dblCurrentAJDate,
              SavedStateFile::Read(saved.toStdString()).state.dblCurrentAJDate);
}

TEST_F(StateWindowTest, EveryZoneAndTimeChoiceRestoresTheMomentUnmoved) {
    auto saving = Start();
    // A typed moment: the live clock would put the present moment back at its next tick.
    Find<QLineEdit>(*saving, "txbDate")->setText("2003-12-31 CE 15:55");
    Find<QPushButton>(*saving, "cmdCompute")->click();
    ASSERT_FALSE(saving->OnShow().liveClock);
    for (int zone = 0; zone < TimeZones::kZoneCount; ++zone) {
        for (const char* choice : {"optLocal", "optGreenwich"}) {
            Find<QComboBox>(*saving, "cboTimeZone")->setCurrentIndex(zone);
            Find<QRadioButton>(*saving, choice)->click();
            ASSERT_EQ(saving->WriteStateFile(), "");
            auto restored = Start();
            EXPECT_EQ(restored->OnShow().ajd, saving->OnShow().ajd) << zone << choice;
            EXPECT_EQ(Find<QComboBox>(*restored, "cboTimeZone")->currentIndex(), zone);
            EXPECT_EQ(restored->OnShow().frame.zoneOffsetMinutes, saving->OnShow().frame.zoneOffsetMinutes);
            EXPECT_TRUE(Find<QRadioButton>(*restored, choice)->isChecked()) << zone << choice;
            EXPECT_EQ(Find<QLabel>(*restored, "lblTime_1")->text(), Find<QLabel>(*saving, "lblTime_1")->text());
        }
    }
}

TEST_F(StateWindowTest, AFileCutShortOrWithABadValueRestoresWhatCameBefore) {
    // Restored before the cut: Greenwich (line 6), the step (7) and the zone (9, not the computer's).
    clock = std::make_shared<FixedClock>("2000-01-01", "13:00:00", -3600);
    const std::string whole = SavedStateFile::Write(Sample());
    size_t tenth = 0;
    for (int line = 0; line < 10; ++line) tenth = whole.find("\r\n", tenth) + 2;
    WriteFile(QByteArray::fromStdString(whole.substr(0, tenth)));
    auto cut = Start();
    ExpectPresentMoment(*cut);
    EXPECT_EQ(Find<QComboBox>(*cut, "cboTimeZone")->currentIndex(), 30);
    EXPECT_EQ(cut->OnShow().frame.zoneOffsetMinutes, 180);
    EXPECT_TRUE(Find<QRadioButton>(*cut, "optGreenwich")->isChecked());
    EXPECT_EQ(Find<QComboBox>(*cut, "cboMoveStep")->currentIndex(), 13);
    EXPECT_EQ(Find<QComboBox>(*cut, "cboRefreshPeriod")->currentIndex(), 0);
    EXPECT_FALSE(Find<QCheckBox>(*cut, "chkLog")->isChecked());
    EXPECT_TRUE(dialogs->messages.empty());

    std::string badStep = whole;
    badStep.replace(badStep.find("\r\n13\r\n"), 6, "\r\n25\r\n");
    WriteFile(QByteArray::fromStdString(badStep));
    auto bad = Start();
    ExpectPresentMoment(*bad);
    EXPECT_TRUE(Find<QRadioButton>(*bad, "optGreenwich")->isChecked());
    EXPECT_EQ(Find<QComboBox>(*bad, "cboMoveStep")->currentIndex(), MoveSteps::kDefault);
    EXPECT_EQ(Find<QComboBox>(*bad, "cboTimeZone")->currentIndex(), 26);  // the computer's GMT + 01:00
}

TEST_F(StateWindowTest, HostileFilesStartAtThePresentMoment) {
    const std::string whole = SavedStateFile::Write(Sample());
    const std::pair<const char*, QByteArray> files[] = {
        {"empty", ""},
        {"a 10 MB line", QByteArray(10 * 1024 * 1024, '9')},
        {"binary junk", QByteArray::fromHex("00ff13a7c0de0d0a0d0a22ff00")},
        {"NUL bytes", QByteArray(5000, '\0')},
        {"quote never closed", "2451545\r\n0\r\n-1\r\n-1\r\n-1\r\n0\r\n2\r\n11\r\n24\r\n2\r\n0\r\n0\r\n\"open"},
        {"moment 1e308", QByteArray::fromStdString("1e308" + whole.substr(whole.find("\r\n")))},
        {"moment NaN", QByteArray::fromStdString("NaN" + whole.substr(whole.find("\r\n")))},
        {"moment -0", QByteArray::fromStdString("-0" + whole.substr(whole.find("\r\n")))},
        {"index NaN", "2451545.25\r\nNaN\r\n"},
        {"markup", QByteArray::fromStdString(whole).replace("Total solar eclipse", "<b>bold</b><img src=x>")},
    };
    for (const auto& [name, bytes] : files) {
        WriteFile(bytes);
        dialogs->messages.clear();
        auto window = Start();
        const double ajd = window->OnShow().ajd;
        EXPECT_TRUE(ajd >= 552283.0 && ajd <= 3912515.0) << name;
        EXPECT_TRUE(dialogs->messages.empty()) << name;
        if (QByteArray(name) == "markup") {
            auto* label = Find<QLabel>(*window, "lblActualEclipseData");
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->text(), "<b>bold</b><img src=x>");
        } else if (QByteArray(name) == "index NaN") {
            EXPECT_EQ(ajd, kNoonJan1) << "the moment restored, then the present one shown";
        } else {
            ExpectPresentMoment(*window);
        }
    }
    // A folder or a pipe in the file's place.
    QFile::remove(FilePath());
    ASSERT_TRUE(QDir(folder.path()).mkdir("slvn.usr"));
    ExpectPresentMoment(*Start());
    ASSERT_TRUE(QDir(folder.path()).rmdir("slvn.usr"));
    ASSERT_EQ(::mkfifo(FilePath().toLocal8Bit().constData(), 0600), 0);
    ExpectPresentMoment(*Start());
}

TEST_F(StateWindowTest, AFailedSaveSaysWhyAndKeepsTheButton) {
    auto window = Start();
    Find<QPushButton>(*window, "cmdSaveState")->click();
    const QByteArray before = FileBytes();
    ASSERT_FALSE(before.isEmpty());
    // A folder where the file should be.
    QFile::remove(FilePath());
    ASSERT_TRUE(QDir(folder.path()).mkdir("slvn.usr"));
    Find<QPushButton>(*window, "cmdSaveState")->setEnabled(true);
    Find<QPushButton>(*window, "cmdSaveState")->click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "Save state");
    EXPECT_EQ(dialogs->messages[0].text, "Error when attempting to save the state: Is a directory");
    EXPECT_EQ(dialogs->messages[0].icon, DialogService::Icon::Warning);
    EXPECT_TRUE(Find<QPushButton>(*window, "cmdSaveState")->isEnabled());
    // The folder gone since start-up is made again.
    ASSERT_TRUE(QDir(folder.path()).removeRecursively());
    Find<QPushButton>(*window, "cmdSaveState")->click();
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(FileBytes(), before);
    // A plain file where the folder should be.
    ASSERT_TRUE(QDir(folder.path()).removeRecursively());
    QFile plain(folder.path());
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    window->SaveState();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].text, "Error when attempting to save the state: Not a directory");
    QFile::remove(folder.path());
}

TEST_F(StateWindowTest, ClosingTheWindowSaves) {
    auto window = Start();
    window->close();
    EXPECT_EQ(SavedStateFile::Read(FileBytes().toStdString()).state.dblCurrentAJDate, kNoonJan1);
    EXPECT_TRUE(SavedStateFile::Read(FileBytes().toStdString()).Complete());
}

TEST_F(StateWindowTest, ResetReturnsTheChoicesAndAsksAboutTheLogPreferences) {
    for (bool yes : {false, true}) {
        WriteFile(QByteArray::fromStdString(SavedStateFile::Write(Sample())));
        dialogs->messages.clear();
        dialogs->answerYes = yes;
        auto window = Start();
        frmMain& w = *window;
        Find<QPushButton>(w, "cmdReset")->click();
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, "Reset");
        EXPECT_EQ(dialogs->messages[0].text, "Reset log preferences also?");
        for (const char* chosen : {"optLocal", "optNext", "optPlus", "optMoveDirection_0"})
            EXPECT_TRUE(Find<QRadioButton>(w, chosen)->isChecked()) << chosen;
        EXPECT_FALSE(Find<QCheckBox>(w, "chkLog")->isChecked());
        EXPECT_EQ(Find<QComboBox>(w, "cboMoveStep")->currentIndex(), 2);
        EXPECT_EQ(Find<QComboBox>(w, "cboRefreshPeriod")->currentIndex(), 2);
        EXPECT_EQ(Find<QComboBox>(w, "cboTarget")->currentIndex(), 0);
        // Not reset: the zone, the entry calendar and the file.
        EXPECT_EQ(Find<QComboBox>(w, "cboTimeZone")->currentIndex(), 30);
        EXPECT_EQ(w.OnShow().entryCalendar, CalendarTable::DVG);
        EXPECT_EQ(FileBytes().toStdString(), SavedStateFile::Write(Sample()));
        ExpectPresentMoment(w);
        const LogPreferences& prefs = w.LogPreferencesInEffect();
        EXPECT_EQ(prefs.calendarEqualsDate, yes);
        for (int calendar = 0; calendar < CalendarRegistry::Count(); ++calendar)
            EXPECT_EQ(prefs.Includes(calendar), yes && calendar != CalendarTable::QLW) << calendar;
        EXPECT_EQ(prefs.phaseOfMoon && prefs.lunationAndAge, yes);
    }
}
