#include "monkey/Monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <iterator>
#include <functional>
#include <random>
#include <sstream>

#include "astro/Syzyg.h"
#include "core/DateDisplay.h"
#include "core/History.h"
#include "core/SafeFile.h"
#include "core/SavedState.h"
#include "core/WindowLists.h"
#include "core/search/EclipseDescription.h"
#include "dates/DatePr2.h"
#include "monkey/MonkeyEntries.h"
#include "monkey/WindowGlue.h"
#include "support/AcceptedRange.h"

namespace Monkey {
namespace {

using Glue::Shown;

// The AJD label has four decimals: the moment on show lies within half a unit of the last one.
constexpr double kLabelHalfUnit = 0.49999e-4;
// A time of day this close below a whole minute (in days) reads as that minute (FormatTimeOfDay).
constexpr double kMinuteNudge = 1e-8;
// A move may end one step beyond the accepted moments (the largest step, a DVG cycle of 470
// years, is under 172,000 days); no moment shown may lie further out.
constexpr double kOneStepBeyond = 200000.0;
// The log's question comes at this size.
constexpr qsizetype kLogLimit = 4 * 1024 * 1024;
constexpr size_t kTrail = 40;
const QString kSaveError = "Error when attempting to save the state: ";

// The controls that are enabled whenever no repeated move runs.
const char* const kEnabledWhenIdle[] = {
    "cmdNow",        "cmdMove",     "cmdCompute",   "cmdClearDate", "cmdReset",    "cmdSearch",          "cmdHelp",
    "cmdQuit",       "chkLog",      "chkRepeatedly", "txbDate",     "txbPlusMinus", "cboHistory",        "cboTimeZone",
    "optLocal",      "optGreenwich", "cboMoveStep", "cboTarget",    "cmdDisplayCalendar", "cboMonthCalendar",
    "cmdLogPreferences", "fraHistory", "fraConvert", "fraMove",     "fraSearch"};

// What a failed save says, by the trouble the state folder is in.
enum class Disk { Healthy, FolderIsAFile, FileIsAFolder };
const char* Reason(Disk disk) { return disk == Disk::FolderIsAFile ? "Not a directory" : "Is a directory"; }

// A text for the trail: one line, control characters written as \uNNNN.
QString Brief(const QString& text) {
    QString line;
    for (const QChar c : text)
        line += c.unicode() < 0x20 ? QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0')) : QString(c);
    return line.size() > 90 ? line.left(87) + "..." : line;
}

}  // namespace

struct Run::Impl {
    Impl(uint64_t seed, const std::string& corpus) : random(seed), entries(corpus) {
        // The offscreen platform tells of every window it cannot raise or size.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && !text.startsWith("This plugin does not support"))
                std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        stateFolder = home.filePath("Selvanor");
        SetClock();
        Start();
    }
    ~Impl() {
        window.reset();
        Cure();
    }

    // --- the world around the windows ---
    std::mt19937_64 random;
    Entries entries;
    QTemporaryDir home;
    QString stateFolder;
    long clockSeconds = 12 * 3600;  // since midnight of 2000-01-01, local time of the clock
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>("2000-01-01", "12:00:00", 0);
    std::shared_ptr<RecordingDialogService> dialogs = std::make_shared<RecordingDialogService>();
    std::unique_ptr<QWidget> window;
    Disk disk = Disk::Healthy;
    // The file as the last successful save left it, and what was shown then.
    QByteArray savedBytes;
    Shown saved;
    bool everSaved = false;
    bool exceededShown = false;  // this window has said "... date exceeded."

    // --- the run ---
    long done = 0;
    std::vector<Fault> faults;
    std::deque<std::string> trail;
    std::string step;  // what the action in hand did
    std::map<std::string, std::pair<long, qint64>> counts;
    long logFullAsked = 0;
    bool typedIntoLog = false;  // the action in hand typed into the log

    // --- helpers ---
    bool Chance(double p) { return std::bernoulli_distribution(p)(random); }
    int Uniform(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); }
    QWidget* Main() { return window.get(); }
    template <typename T = QWidget>
    T* Find(const char* name, QWidget* in = nullptr) {
        return (in ? in : Main())->findChild<T*>(QString::fromLatin1(name));
    }
    static bool Usable(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }
    void Note(const QString& text) { step += (step.empty() ? "" : "; ") + text.toStdString(); }

    bool Click(QAbstractButton* button, const char* what = nullptr) {
        if (!Usable(button)) return false;
        Note(QString("click %1").arg(what ? what : qPrintable(button->objectName())));
        button->click();
        return true;
    }
    bool Click(const char* name, QWidget* in = nullptr) { return Click(Find<QAbstractButton>(name, in), name); }
    bool Choose(QComboBox* list, int index) {
        if (!Usable(list) || index < 0 || index >= list->count()) return false;
        Note(QString("choose %1 #%2 '%3'").arg(list->objectName()).arg(index).arg(list->itemText(index)));
        list->setCurrentIndex(index);
        emit list->activated(index);
        return true;
    }
    bool ChooseAny(const char* name) {
        QComboBox* list = Find<QComboBox>(name);
        return list && Choose(list, Uniform(0, list->count() - 1));
    }
    void ClickLabel(QLabel* label) {
        if (!Usable(label)) return;
        Note("click label " + label->objectName());
        const QPointF at = QPointF(label->rect().center());
        QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(label, &press);
        QApplication::sendEvent(label, &release);
    }
    void Key(QWidget* target, int key) {
        if (!Usable(target)) return;
        Note(QString("key %1 on %2").arg(QKeySequence(key).toString()).arg(target->objectName()));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    void SetClock() {
        const long day = clockSeconds / 86400, second = clockSeconds % 86400;
        const CalendarDate date = DatePr2::DateOfJdn(static_cast<int32_t>(2451545 + day), DAYCALC_GREGORIAN);
        char dateText[32], timeText[16];
        std::snprintf(dateText, sizeof dateText, "%04d-%02d-%02d", date.year, date.month, date.day);
        std::snprintf(timeText, sizeof timeText, "%02ld:%02ld:%02ld", second / 3600, second / 60 % 60, second % 60);
        clock->Set(dateText, timeText);
    }
    QByteArray FileBytes() const {
        QFile file(stateFolder + "/slvn.usr");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int SaveMessages() const {
        int n = 0;
        for (const auto& m : dialogs->messages) n += m.title == "Save state";
        return n;
    }
    bool Said(const QString& text) const {
        for (const auto& m : dialogs->messages)
            if (m.text == text) return true;
        return false;
    }

    // --- the state folder's troubles (root is refused nothing, so they are made of misplaced
    // files and folders) ---
    void Trouble(Disk kind) {
        const QString file = stateFolder + "/slvn.usr";
        if (kind == Disk::FolderIsAFile) {
            QDir().rename(stateFolder, stateFolder + ".aside");
            QFile plain(stateFolder);
            plain.open(QIODevice::WriteOnly);
        } else {
            QDir().mkpath(stateFolder);
            QFile::rename(file, stateFolder + "/slvn.usr.aside");
            QDir().mkdir(file);
        }
        disk = kind;
    }
    void Cure() {
        if (disk == Disk::FolderIsAFile) {
            QFile::remove(stateFolder);
            QDir().rename(stateFolder + ".aside", stateFolder);
        } else if (disk == Disk::FileIsAFolder) {
            QDir().rmdir(stateFolder + "/slvn.usr");
            QFile::rename(stateFolder + "/slvn.usr.aside", stateFolder + "/slvn.usr");
        }
        disk = Disk::Healthy;
    }

    void Start() {
        dialogs->messages.clear();
        window = Glue::StartMainWindow(clock, dialogs, stateFolder);
        exceededShown = false;
    }

    // ======================= the actions =======================

    void TypeDate() {
        QLineEdit* box = Find<QLineEdit>("txbDate");
        if (!Usable(box)) return;
        const QString text = QString::fromStdString(entries.Date(random));
        Note("type '" + Brief(text) + "'");
        box->setText(text);
        if (Chance(0.4)) Key(box, Qt::Key_Return);
    }
    void TypeDays() {
        QLineEdit* box = Find<QLineEdit>("txbPlusMinus");
        if (!Usable(box)) return;
        const QString text = QString::fromStdString(entries.Days(random));
        Note("type days '" + text + "'");
        box->setText(text);
        if (Chance(0.3)) Key(box, Qt::Key_Return);
    }
    void DateLabel() {
        const int calendar = Uniform(0, CalendarTable::kBuiltInCount - 1);
        const auto& name = CalendarRegistry::Calendar(calendar).labelName;
        const QString label =
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + (Chance(0.5) ? "_0" : "_1");
        ClickLabel(Main()->findChild<QLabel*>(label));
    }
    void TimePasses() {
        if (Chance(0.5)) {
            clockSeconds += Uniform(1, 4000);
            SetClock();
            Note(QString("clock %1 %2")
                     .arg(QString::fromStdString(clock->DateText()), QString::fromStdString(clock->TimeText())));
        }
        Note("time passes");
        Glue::LetTimePass(Main());
    }
    void Search() {
        if (Chance(0.5)) {
            // Coincidences of month starts can lie centuries apart: searched for less often.
            int target = Uniform(0, static_cast<int>(SearchTargets::kTargets.size()) - 1);
            if (target == SearchTargets::kCoincidence && Chance(0.7)) target = SearchTargets::kAnyEclipse;
            Choose(Find<QComboBox>("cboTarget"), SearchTargets::RowOf(target));
        }
        if (Chance(0.2)) Click("chkSeenFromPlace");
        if (Chance(0.3)) Click(Chance(0.5) ? "optNext" : "optPrevious");
        Click("cmdSearch");
    }
    // A city of the list, or a text typed into it: cities in part, coordinates in every form, the
    // poles and the date line, and texts that name no place.
    void Place() {
        QComboBox* place = Find<QComboBox>("cboPlace");
        if (!Usable(place)) return;
        if (Chance(0.5)) {
            Choose(place, Uniform(0, place->count() - 1));
            return;
        }
        static const std::vector<QString> typed = {"", "paris", "New", "48.857 N, 2.352 E, 35 m", "-33.9, 18.4, 10",
                                                   "90, 0", "-90, 180", "0, -180", "40\u00b026'46\"N 79\u00b058'56\"W",
                                                   "91, 0", "x y", "48.857, 2.352, 99999 m"};
        const QString text = typed[static_cast<size_t>(Uniform(0, static_cast<int>(typed.size()) - 1))];
        Note("type place '" + text + "'");
        place->lineEdit()->setText(text);
        Key(place->lineEdit(), Qt::Key_Return);
    }
    void History() {
        QComboBox* history = Find<QComboBox>("cboHistory");
        if (history && history->count() > 0) Choose(history, Uniform(0, history->count() - 1));
    }
    void LogWindow() {
        QWidget* log = Glue::TopLevel("frmLog");
        if (!log || !log->isVisible()) {
            Click("cmdViewLog");
            return;
        }
        switch (Uniform(0, 6)) {
            case 0: Click("cmdCopyToClipboard", log); break;
            case 6:
                // The log is the user's to edit; a long paste brings the log's question nearer.
                if (auto* text = Find<QPlainTextEdit>("txbText", log)) {
                    const bool paste = Chance(0.25);
                    Note(paste ? "paste 4 MiB into the log" : "type into the log");
                    // 4 MiB as 65,536 lines of 64 characters.
                    const QString line = QString(63, QChar('x')) + "\n";
                    text->insertPlainText(paste ? line.repeated(65536) : QString("a note\n"));
                    typedIntoLog = true;
                }
                break;
            case 1: Click("cmdClear", log); break;
            case 2: Click("cmdClose", log); break;
            case 3: Key(log, Qt::Key_Escape); break;
            case 4:
                Note("close box of the log");
                log->close();
                break;
            default:
                if (auto* text = Find<QPlainTextEdit>("txbText", log)) {
                    Note("select the log");
                    text->selectAll();
                    Click("cmdCopyToClipboard", log);
                }
        }
    }
    void LogPreferences() {
        QWidget* preferences = Glue::TopLevel("frmLogPreferences");
        if (!preferences || !preferences->isVisible()) {
            Click("cmdLogPreferences");
            return;
        }
        static const char* const boxes[] = {
            "chkIncludeCE",  "chkIncludeJC",  "chkIncludeARC",  "chkIncludeVO",   "chkIncludeLLT", "chkIncludeDVG",
            "chkIncludeQLWC", "chkIncludeCJD", "chkIncludeAJD", "chkIncludePhaseOfMoonAndIllumination",
            "chkIncludeLunationAndAgeOfMoon", "optLogFormat_0", "optLogFormat_1", "cmdSetALL", "cmdClearAll",
            "cmdClose"};
        if (Chance(0.1))
            Key(preferences, Qt::Key_Escape);
        else
            Click(boxes[Uniform(0, static_cast<int>(std::size(boxes)) - 1)], preferences);
    }
    void Lunation() {
        QWidget* page = Glue::TopLevel("frmCalendar");
        if (!page || !page->isVisible() || Chance(0.3)) {
            if (Chance(0.5)) ChooseAny("cboMonthCalendar");
            if (Click("cmdDisplayCalendar")) {
                page = Glue::TopLevel("frmCalendar");
                auto* list = Find<QComboBox>("cboMonthCalendar");
                if (!page || !page->isVisible() || page->windowTitle() != list->currentText())
                    Fail("the lunation window is not shown with the calendar chosen");
            }
            return;
        }
        switch (Uniform(0, 3)) {
            case 0: Click("cmdShowPreviousOrNext_0", page); break;
            case 1: Click("cmdShowPreviousOrNext_1", page); break;
            case 2: Click("cmdClose", page); break;
            default: Key(page, Qt::Key_Escape);
        }
    }
    void Saros() {
        QWidget* series = Glue::TopLevel("frmSarosSeries");
        if (!series || !series->isVisible()) {
            Click("cmdSarosSeries");
            return;
        }
        auto* table = Find<QTableWidget>("tblMembers", series);
        if (table && table->rowCount() > 0 && Chance(0.7)) {
            const int row = Uniform(0, table->rowCount() - 1);
            Note(QString("select member %1").arg(row + 1));
            table->selectRow(row);
        }
        switch (Uniform(0, 3)) {
            case 0: Click("cmdShow", series); break;
            case 1: Key(series, Qt::Key_Return); break;
            case 2: Click("cmdClose", series); break;
            default: Key(series, Qt::Key_Escape);
        }
    }
    void Help() {
        QWidget* help = Glue::TopLevel("frmHelp");
        if (help && help->isVisible() && Chance(0.5)) {
            Note("close the help");
            help->close();
        } else if (Chance(0.3)) {
            Key(Find("txbDate"), Qt::Key_F1);
        } else if (Chance(0.3)) {
            ClickLabel(Find<QLabel>("lblOnlineDocumentation"));
        } else {
            Click("cmdHelp");
        }
    }
    void Reset() {
        if (!Click("cmdReset")) return;
        for (const char* chosen : {"optLocal", "optNext", "optPlus", "optMoveDirection_0"})
            if (!Find<QRadioButton>(chosen)->isChecked()) Fail(std::string("Reset left ") + chosen + " unchosen");
        for (const char* unticked : {"chkRepeatedly", "chkLog"})
            if (Find<QCheckBox>(unticked)->isChecked()) Fail(std::string("Reset left ") + unticked + " ticked");
        if (Find<QComboBox>("cboMoveStep")->currentIndex() != MoveSteps::kDefault ||
            Find<QComboBox>("cboRefreshPeriod")->currentIndex() != RefreshPeriods::kDefault ||
            Find<QComboBox>("cboTarget")->currentIndex() != 0)
            Fail("Reset left a list off its default");
    }
    void Save() {
        QAbstractButton* button = Find<QAbstractButton>("cmdSaveState");
        const Shown before = Glue::Read(Main());
        if (!Click(button, "Save state")) return;
        CheckSave(before, "Save state");
    }
    // After a save of what was shown: a healthy disk holds it, a troubled one says why and
    // keeps the old file.
    void CheckSave(const Shown& before, const char* how) {
        if (disk == Disk::Healthy) {
            if (SaveMessages() != 0) return Fail(std::string(how) + " on a healthy disk said something");
            savedBytes = FileBytes();
            saved = before;
            everSaved = true;
            const SavedStateFile::Reading reading = SavedStateFile::Read(savedBytes.toStdString());
            if (!reading.Complete()) return Fail(std::string(how) + " wrote no whole file");
            // A moment beyond the accepted ones is saved as the nearest of them.
            const double shown = std::clamp(before.ajd, dblEarliestAJD, dblLatestAJD);
            saved.ajdText = QString::fromStdString(
                FormatJulianNumber(reading.state.dblCurrentAJDate, Glue::DisplayFormat()) + " AJD");
            if (std::fabs(reading.state.dblCurrentAJDate - shown) > kLabelHalfUnit + 1e-7)
                return Fail(std::string(how) + " saved " + saved.ajdText.toStdString() + " with " +
                            before.ajdText.toStdString() + " on show");
        } else if (!Said(kSaveError + Reason(disk))) {
            Fail(std::string(how) + " onto a troubled disk did not say why");
        }
    }
    void Quit() {
        const Shown before = Glue::Read(Main());
        if (Chance(0.5)) {
            if (!Click("cmdQuit")) return;
        } else {
            Note("close box of the main window");
            Main()->close();
        }
        if (Main()->isVisible()) return Fail("the window is still shown after Quit");
        CheckSave(before, "Quit");
        window.reset();
        Glue::Settle();
        Start();
        Note("start again");
        const Shown restored = Glue::Read(Main());
        if (!dialogs->messages.empty())
            return Fail("the start-up said '" + dialogs->messages.front().text.toStdString() + "'");
        if (disk != Disk::Healthy || !everSaved) {
            if (!restored.liveClock) Fail("a start-up without a readable file shows no present moment");
            return;
        }
        if (restored.ajdText != saved.ajdText || restored.frame.greenwich != saved.frame.greenwich ||
            restored.frame.zoneOffsetMinutes != saved.frame.zoneOffsetMinutes ||
            restored.entryCalendar != saved.entryCalendar || restored.eclipse != saved.eclipse)
            Fail("the start-up restored " + restored.ajdText.toStdString() + " where " + saved.ajdText.toStdString() +
                 " was saved");
    }
    void DiskTrouble() {
        if (disk == Disk::Healthy) {
            Trouble(Chance(0.5) ? Disk::FolderIsAFile : Disk::FileIsAFolder);
            Note(disk == Disk::FolderIsAFile ? "a file in the state folder's place"
                                             : "a folder in the state file's place");
            return;
        }
        Cure();
        Note("the state folder mended");
        if (FileBytes() != savedBytes) Fail("the state file changed while the disk was in trouble");
    }

    struct Kind {
        const char* name;
        int weight;
        std::function<void(Impl&)> act;
    };
    const std::vector<Kind>& Kinds() {
        static const std::vector<Kind> kinds = {
            {"type a date", 100, [](Impl& m) { m.TypeDate(); }},
            {"type days", 25, [](Impl& m) { m.TypeDays(); }},
            {"Convert", 60, [](Impl& m) { m.Click("cmdCompute"); }},
            {"Now", 25, [](Impl& m) { m.Click("cmdNow"); }},
            {"Clear", 12, [](Impl& m) { m.Click("cmdClearDate"); }},
            {"plus or minus", 12, [](Impl& m) { m.Click(m.Chance(0.5) ? "optPlus" : "optMinus"); }},
            {"date label", 35, [](Impl& m) { m.DateLabel(); }},
            {"time line", 10, [](Impl& m) { m.ClickLabel(m.Find<QLabel>(m.Chance(0.5) ? "lblTime_0" : "lblTime_1")); }},
            {"zone", 25, [](Impl& m) { m.ChooseAny("cboTimeZone"); }},
            {"Greenwich or local", 25, [](Impl& m) { m.Click(m.Chance(0.5) ? "optGreenwich" : "optLocal"); }},
            {"move step", 25, [](Impl& m) { m.ChooseAny("cboMoveStep"); }},
            {"direction", 15, [](Impl& m) { m.Click(m.Chance(0.5) ? "optMoveDirection_0" : "optMoveDirection_1"); }},
            {"repeatedly", 25, [](Impl& m) { m.Click("chkRepeatedly"); }},
            {"Move", 70, [](Impl& m) { m.Click("cmdMove"); }},
            {"Stop", 25, [](Impl& m) { m.Click("cmdStop"); }},
            {"Pause or Resume", 25, [](Impl& m) { m.Click("cmdPauseResume"); }},
            {"refresh period", 12, [](Impl& m) { m.ChooseAny("cboRefreshPeriod"); }},
            {"time passes", 90, [](Impl& m) { m.TimePasses(); }},
            {"search", 45, [](Impl& m) { m.Search(); }},
            {"history", 45, [](Impl& m) { m.History(); }},
            {"place", 15, [](Impl& m) { m.Place(); }},
            {"Log all results", 15, [](Impl& m) { m.Click("chkLog"); }},
            {"Log this result", 12, [](Impl& m) { m.Click("cmdLogThisResult"); }},
            {"log window", 30, [](Impl& m) { m.LogWindow(); }},
            {"log preferences", 20, [](Impl& m) { m.LogPreferences(); }},
            {"Save state", 15, [](Impl& m) { m.Save(); }},
            {"Reset", 8, [](Impl& m) { m.Reset(); }},
            {"Quit", 3, [](Impl& m) { m.Quit(); }},
            {"disk trouble", 3, [](Impl& m) { m.DiskTrouble(); }},
            {"lunation page", 15, [](Impl& m) { m.Lunation(); }},
            {"saros series", 15, [](Impl& m) { m.Saros(); }},
            {"help", 5, [](Impl& m) { m.Help(); }},
        };
        return kinds;
    }

    // ======================= the invariants =======================

    void Fail(const std::string& what) {
        Fault fault;
        fault.action = done;
        fault.what = what;
        fault.trail.assign(trail.begin(), trail.end());
        fault.trail.push_back(step);
        if (Main() && Main()->isVisible()) {
            const Shown s = Glue::Read(Main());
            const auto* box = Find<QLineEdit>("txbDate");
            fault.trail.push_back(
                QString("then: %1 in %2 zone %3, entry calendar %4, time line '%5', date box '%6'%7%8")
                    .arg(s.ajdText, s.frame.greenwich ? "Greenwich" : "local")
                    .arg(s.frame.zoneOffsetMinutes)
                    .arg(s.entryCalendar)
                    .arg(s.timeLine, box ? Brief(box->text()) : QString(),
                         s.moving ? (s.paused ? ", move paused" : ", move running") : "",
                         s.liveClock ? ", live clock" : "")
                    .toStdString());
        }
        faults.push_back(std::move(fault));
    }

    // The dates, the CJD and the time line are those of a moment within the AJD label's last
    // digit, in the frame shown (the time line six hours behind when QLW is the entry calendar).
    // The texts change only where a minute (and with it a day) begins, and the time of day reads
    // a moment within kMinuteNudge below a minute as that minute: the moments tried are the
    // label's bounds and each side of those two edges of the one minute within them.
    const DateDisplay* Matching(const Shown& s, DateDisplay& display) {
        const CalendarDescriptor& entry = CalendarRegistry::Calendar(std::max(0, s.entryCalendar));
        const double minute = std::nearbyint(TimeZones::AjdToCjd(s.ajd, s.frame) * 1440) / 1440;
        const auto at = [&](double cjdOffset) { return TimeZones::CjdToAjd(minute + cjdOffset, s.frame); };
        for (double m : {s.ajd, s.ajd - kLabelHalfUnit, s.ajd + kLabelHalfUnit, at(-2 * kMinuteNudge),
                         at(-kMinuteNudge / 2), at(kMinuteNudge / 2)}) {
            display = ComputeAllDates(m, s.frame, Glue::DisplayFormat());
            bool same = QString::fromStdString(TimeZones::TimeLineText(m, s.frame, entry)) == s.timeLine;
            for (int i = 0; same && i < CalendarTable::kBuiltInCount; ++i)
                if (!CalendarRegistry::Calendar(i).julianDateCount)
                    same = QString::fromStdString(display.labels[static_cast<size_t>(i)].caption) ==
                           s.dates[static_cast<size_t>(i)];
            if (same) return &display;
        }
        return nullptr;
    }
    std::string DatesFault(const Shown& s) {
        double cjd = 0.0;
        if (!Glue::ReadJulianNumber(s.dates[CalendarTable::CJD], "CJD", cjd) ||
            std::fabs(cjd - TimeZones::AjdToCjd(s.ajd, s.frame)) > 1e-4 + 1e-7)  // both labels rounded
            return "the CJD " + s.dates[CalendarTable::CJD].toStdString() + " does not go with " +
                   s.ajdText.toStdString();
        DateDisplay display;
        if (Matching(s, display)) return {};
        const CalendarDescriptor& entry = CalendarRegistry::Calendar(std::max(0, s.entryCalendar));
        display = ComputeAllDates(s.ajd, s.frame, Glue::DisplayFormat());
        const QString line = QString::fromStdString(TimeZones::TimeLineText(s.ajd, s.frame, entry));
        if (line != s.timeLine)
            return "the time line '" + s.timeLine.toStdString() + "' is not '" + line.toStdString() + "' of " +
                   s.ajdText.toStdString();
        for (int i = 0; i < CalendarTable::kBuiltInCount; ++i) {
            const QString expected = QString::fromStdString(display.labels[static_cast<size_t>(i)].caption);
            if (!CalendarRegistry::Calendar(i).julianDateCount && expected != s.dates[static_cast<size_t>(i)])
                return "the date '" + s.dates[static_cast<size_t>(i)].toStdString() + "' is not '" +
                       expected.toStdString() + "' of " + s.ajdText.toStdString();
        }
        return "the dates are not those of " + s.ajdText.toStdString();
    }
    // The label describes an eclipse at a syzygy around the moment, its times in Greenwich or
    // local time of the zone shown.
    static bool IsEclipseData(const Shown& s) {
        const int32_t around = Syzyg::LunationAt(s.ajd);
        for (int32_t n = around - 1; n <= around + 1; ++n) {
            for (int phase : {0, 2}) {
                EclipseData record{};
                Syzyg::PhaseTime(n, phase, record);
                if (record.type == EclipseTypes::None) continue;
                const double greatest = record.greatest - Syzyg::DeltaTAt(record.greatest) / 1440.0;
                for (bool greenwich : {false, true})
                    for (double moment : {greatest, s.ajd}) {
                        const QString label = QString::fromStdString(
                            ::Search::EclipseDescription(record, moment, TimeFrame{greenwich, s.frame.zoneOffsetMinutes})
                                .label);
                        // With a place chosen, the eclipse seen from it follows.
                        const QString after = s.eclipse.startsWith(label) ? s.eclipse.mid(label.size()) : "-";
                        if (after.isEmpty() || after.startsWith("Seen from ") || after.startsWith("Not seen from "))
                            return true;
                    }
            }
        }
        return false;
    }

    void Check(const Shown& before, const Shown& after, const std::string& kind) {
        for (const auto& m : dialogs->messages) {
            if (m.text.endsWith("date exceeded.")) exceededShown = true;
            if (m.title == "Error") Fail("the message '" + m.text.toStdString() + "'");
        }
        if (!after.ajdRead) return Fail("the AJD label reads '" + after.ajdText.toStdString() + "'");
        if (after.entryCalendar < 0) return Fail("not one entry calendar is marked");
        const bool stepBeyond =
            !(after.ajd >= dblEarliestAJD - kOneStepBeyond && after.ajd <= dblLatestAJD + kOneStepBeyond);
        if (stepBeyond)
            Fail("the moment " + after.ajdText.toStdString() + " lies more than a step beyond the accepted range");
        else if ((after.ajd < dblEarliestAJD - 1 || after.ajd > dblLatestAJD + 1) && !exceededShown)
            Fail("the moment " + after.ajdText.toStdString() + " lies beyond the accepted range unannounced");
        if (const std::string dates = DatesFault(after); !dates.empty()) Fail(dates);
        if (!after.eclipse.isEmpty() && !IsEclipseData(after))
            Fail("the eclipse data '" + Brief(after.eclipse).toStdString() + "' are no eclipse's at " +
                 after.ajdText.toStdString());
        CheckHistory(before, after, kind);
        CheckControls(after);
        if (kind == "time passes") CheckTimePassed(before, after);
        // Only what the user types may take the log beyond its limit.
        if (after.logSize > kLogLimit && after.logSize > before.logSize && !typedIntoLog)
            Fail("an entry took the log beyond 4 MiB");
    }
    void CheckHistory(const Shown& before, const Shown& after, const std::string& kind) {
        if (after.history.size() > 8)
            return Fail("the history holds " + std::to_string(after.history.size()) + " entries");
        for (qsizetype i = 1; i < after.history.size(); ++i)
            if (after.history[i] == after.history[i - 1]) Fail("the history repeats " + after.history[i].toStdString());
        if (kind == "Quit" || after.history == before.history) return;
        // Entries are added at the end (two when Now or Reset ends a repeated move first), the
        // oldest going when there are eight.
        qsizetype dropped = 0;
        while (dropped < before.history.size() &&
               after.history.mid(0, before.history.size() - dropped) != before.history.mid(dropped))
            ++dropped;
        const qsizetype added = after.history.size() - (before.history.size() - dropped);
        if (added < 1 || added > 2 || (dropped > 0 && after.history.size() != 8))
            return Fail("the history changed other than by its newest entries");
        DateDisplay display;
        const DateDisplay* shown = Matching(after, display);
        if (!shown) return;  // reported with the dates
        const CalendarDescriptor& calendar = CalendarRegistry::Calendar(after.entryCalendar);
        // A CJD or AJD entry is the label as shown (the moment is known to its last digit only).
        const std::string date = calendar.julianDateCount
                                     ? after.dates[static_cast<size_t>(after.entryCalendar)].toStdString()
                                     : shown->labels[static_cast<size_t>(after.entryCalendar)].shortText;
        const QString expected = QString::fromStdString(
            History::EntryText(date, calendar.julianDateCount, after.timeLine.toStdString(), after.frame.greenwich,
                               History::CompactZoneText(after.frame.zoneOffsetMinutes)));
        if (after.history.back() != expected)
            Fail("the newest history entry '" + after.history.back().toStdString() + "' is not '" +
                 expected.toStdString() + "' on show");
        if (after.historyShown != after.history.size() - 1) Fail("the newest history entry is not the one chosen");
    }
    void CheckControls(const Shown& after) {
        if (!after.moving) {
            for (const char* name : kEnabledWhenIdle)
                if (QWidget* w = Find(name); !w || !w->isEnabled())
                    Fail(std::string(name) + " is disabled with no move running");
            if (after.logSize > 0 && !Find("cmdViewLog")->isEnabled()) Fail("View log is disabled with a log");
            return;
        }
        for (const char* name : {"cmdStop", "cmdPauseResume"})
            if (!Usable(Find(name))) Fail(std::string(name) + " cannot be used while a move runs");
        for (const char* name : {"cmdMove", "cmdCompute", "cmdQuit", "cmdSearch"})
            if (Find(name)->isEnabled()) Fail(std::string(name) + " is enabled while a move runs");
        if (Find("cboRefreshPeriod")->isEnabled() != after.paused)
            Fail("the refresh period can be chosen while the move runs, or not while it is paused");
    }
    void CheckTimePassed(const Shown& before, const Shown& after) {
        if (before.moving && !before.paused) {
            if (after.ajdText == before.ajdText && !exceededShown && dialogs->messages.empty())
                Fail("a running move made no step when time passed");
        } else if (before.liveClock) {
            const QString now =
                QString::fromStdString(FormatJulianNumber(DatePr2::CurrentAjd(*clock), Glue::DisplayFormat()) + " AJD");
            if (after.liveClock && after.ajdText != now)
                Fail("the live clock shows " + after.ajdText.toStdString() + " at " + now.toStdString());
        } else if (after.ajdText != before.ajdText) {
            Fail("the moment moved with time passing and no move running");
        }
    }

    void Once() {
        const std::vector<Kind>& kinds = Kinds();
        static const int total = [&] {
            int sum = 0;
            for (const Kind& k : kinds) sum += k.weight;
            return sum;
        }();
        int pick = Uniform(0, total - 1);
        size_t index = 0;
        while (pick >= kinds[index].weight) pick -= kinds[index++].weight;
        const Kind& kind = kinds[index];

        ++done;
        step = std::string("#") + std::to_string(done) + " " + kind.name + ": ";
        dialogs->messages.clear();
        typedIntoLog = false;
        dialogs->answerYes = Chance(0.5);
        dialogs->answerOk = Chance(0.6);
        const size_t faultsBefore = faults.size();
        const Shown before = Glue::Read(Main());
        QElapsedTimer took;
        took.start();
        kind.act(*this);
        Glue::Settle();
        for (const auto& m : dialogs->messages) {
            step += QString(" [%1: %2]").arg(m.title, Brief(m.text)).toStdString();
            if (m.text == "Log is full.  Clear log?") ++logFullAsked;
        }
        if (Main()->isVisible()) {
            Check(before, Glue::Read(Main()), kind.name);
        } else if (faults.size() == faultsBefore) {
            Fail("the main window is gone");
        }
        auto& count = counts[kind.name];
        ++count.first;
        count.second = std::max(count.second, took.elapsed());
        trail.push_back(step);
        if (trail.size() > kTrail) trail.pop_front();
        if (faults.size() > faultsBefore) {
            // Start afresh, so that one fault does not bring a train of others.
            window.reset();
            Glue::Settle();
            Cure();
            Start();
            trail.clear();
        }
    }
};

Run::Run(uint64_t seed, const std::string& corpusFolder) : impl_(std::make_unique<Impl>(seed, corpusFolder)) {}
Run::~Run() = default;

void Run::Actions(long n) {
    for (long i = 0; i < n; ++i) impl_->Once();
}

const std::vector<Fault>& Run::Faults() const { return impl_->faults; }
long Run::Done() const { return impl_->done; }

std::string Describe(const Fault& fault) {
    std::ostringstream out;
    out << "after action " << fault.action << ": " << fault.what << "\n";
    for (const std::string& action : fault.trail) out << "    " << action << "\n";
    return out.str();
}

std::string Run::Summary() const {
    std::ostringstream out;
    for (const auto& [name, count] : impl_->counts)
        out << "  " << name << ": " << count.first << " (longest " << count.second << " ms)\n";
    out << "  the log's question \"Log is full.\" asked " << impl_->logFullAsked << " times\n";
    return out.str();
}

}  // namespace Monkey
