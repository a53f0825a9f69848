// The main window's start, its wiring, and the rendering of the shown value.
#include "mainwin/frmMain.h"

#include <QApplication>
#include <QBitmap>
#include <QDir>
#include <QIcon>
#include <QLocale>

#include "core/SafeFile.h"
#include "core/place/PlaceChoice.h"
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "gui_support/ForeColour.h"
#include "gui_support/QtColours.h"
#include "help/HelpWindow.h"
#include "mainwin/EclipsePanel.h"
#include "mainwin/HistoryList.h"
#include "mainwin/LiveClock.h"
#include "mainwin/LogSink.h"
#include "mainwin/MoonPixmap.h"
#include "mainwin/RepeatedMove.h"
#include "support/DataFolder.h"

namespace {

// The user's decimal sign and group separator, for the two Julian dates' labels.
NumberFormat UserNumberFormat() {
    const QLocale locale;
    NumberFormat format;
    const QString decimal = locale.decimalPoint();
    const char sign = decimal.isEmpty() ? '\0' : decimal.at(0).toLatin1();
    format.decimalSign = sign ? sign : '.';
    format.groupSeparator = locale.groupSeparator().toStdString();
    return format;
}

QString Qs(const std::string& text) { return QString::fromStdString(text); }

std::vector<City> CitiesOf(const QString& folder) {
    QString from = folder.isEmpty() ? qEnvironmentVariable("TZDIR") : folder;
    if (from.isEmpty()) from = CityList::kDefaultFolder;
    return CityList::Load(from.toStdString()).cities;
}

std::vector<std::string> NamesOf(const std::vector<City>& cities) {
    std::vector<std::string> names;
    for (const City& city : cities) names.push_back(city.name);
    return names;
}

}  // namespace

frmMain::frmMain(MainWindowServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      cities_(CitiesOf(services_.zoneInfoFolder)),
      ui_(BuildMainControls(this, NamesOf(cities_))) {
    if (!services_.clock) services_.clock = std::make_shared<SystemClock>();
    if (!services_.dialogs) services_.dialogs = std::make_shared<QtDialogService>();
    const QString pictures = services_.pictureFolder.isEmpty()
                                 ? Qs(PictureFolder(QCoreApplication::applicationDirPath().toStdString()))
                                 : QDir(services_.pictureFolder).absolutePath();
    pictureFolder_ = (pictures + "/").toStdString();
    // The window's icon: the full Moon picture with its key colour made transparent.
    QPixmap moon(pictures + "/fullmoon.bmp");
    if (!moon.isNull()) {
        moon.setMask(moon.createMaskFromColor(ToQColor(Colours::PictureKey)));
        setWindowIcon(QIcon(moon));
    }
    const QDir folder(services_.stateFolder);
    stateFile_ = folder.absoluteFilePath(Qs(SavedStateFile::kFileName)).toStdString();

    move_ = new RepeatedMove({ui_.fraStopPauseResume, ui_.cmdStop, ui_.cmdPauseResume, ui_.lblRefreshPeriod,
                              ui_.cboRefreshPeriod},
                             this);
    liveClock_ = new LiveClock(ui_.picCheck, this);
    log_ = new LogSink(this, services_.dialogs, {ui_.chkLog, ui_.cmdLogThisResult, ui_.cmdViewLog});
    history_ = new HistoryList(ui_.cboHistory, this);
    eclipse_ = new EclipsePanel(ui_.lblActualEclipseData, ui_.cmdSarosSeries, this, services_.dialogs);
    SetTabOrderAndNames(this, ui_);
    ConnectHandlers();
    ConnectOptions();
}

frmMain::~frmMain() {
    if (help_) delete help_;
}

const LogPreferences& frmMain::LogPreferencesInEffect() const { return log_->Preferences(); }

bool frmMain::Moving() const { return move_->Repeating(); }

void frmMain::Form_Load() {
    startUpCompleted_ = false;
    // The computer's own zone when the list has it, unless the saved state names another.
    const int computerZone = TimeZones::ZoneIndexOfOffset(DatePr2::LocalOffsetMinutes(*services_.clock));
    const TimeFrame computerFrame{false, TimeZones::ZoneOffsetOfIndex(computerZone >= 0 ? computerZone : TimeZones::kGmtIndex)};
    // The folder is made at start-up (one level), on the reading's thread with the bounded read;
    // the file's values are applied in order up to the first one missing or unsound.
    SavedStateFile::Reading reading;
    const auto text = services_.stateFolder.isEmpty()
                          ? SafeFile::ReadStart(stateFile_, SavedStateFile::kMaxFileBytes)
                          : SafeFile::MakeFolderAndReadStart(stateFile_, SavedStateFile::kMaxFileBytes);
    if (text) reading = SavedStateFile::Read(*text);
    ApplySavedChoices(reading.state, reading.valuesRead);
    // The place the file names, if the city list or the coordinates still name it.
    std::optional<ObserverPlace> place;
    if (reading.valuesRead >= SavedStateFile::kPlaceValue) {
        const PlaceChoice choice = ChoosePlace(reading.state.place, cities_);
        if (choice.HasPlace()) {
            place = ObserverPlace{choice.place, choice.name, choice.label};
            ui_.cboPlace->setCurrentText(Qs(choice.name));
        }
    }
    const Shown::Outcome start = Shown::Restore(reading.state, reading.valuesRead, computerFrame, place,
                                                DatePr2::CurrentAjd(*services_.clock), UserNumberFormat());
    show();
    Apply(start, Focus::DateEntry);
    if (reading.Complete()) {
        // What is on show is what the file holds: nothing to save until something changes.
        ui_.cmdSaveState->setEnabled(false);
        ui_.cmdViewLog->setEnabled(true);
    } else {
        ui_.cmdSaveState->setEnabled(true);
    }
    startUpCompleted_ = true;
}

void frmMain::Render() {
    const ShownMoment& v = shown_;
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        const auto index = static_cast<size_t>(calendar->index);
        const DateLabel& label = v.dates.Label(calendar->index);
        LabelPair& pair = ui_.dateLabels[index];
        pair[1]->setText(Qs(label.caption));
        pair[1]->setToolTip(Qs(label.toolTip));
        SetForeColour(pair[0], ToQColor(calendar->index == v.entryCalendar ? Colours::Selected : Colours::Unselected));
    }
    ui_.lblTime[1]->setText(Qs(v.timeLine));
    ui_.lblTime[1]->setToolTip(Qs(v.timeLineToolTip));
    ui_.lblDeltaT[1]->setText(Qs(v.deltaT));
    ui_.lblDeltaT[1]->setToolTip(Qs(v.deltaTToolTip));
    ui_.lblAgeOfMoon[1]->setText(Qs(v.moon.ageLabel));
    ui_.lblAgeOfMoon[1]->setToolTip(Qs(v.ageToolTip));
    ui_.lblPhaseOfMoon[1]->setText(Qs(v.moon.phaseLabel));
    if (v.moon.Ok() && (v.moon.illumination != pictureIllumination_ || v.moon.waxing != pictureWaxing_)) {
        ui_.picMoon->setPixmap(MoonPixmap(v.moon.illumination, v.moon.waxing, ui_.picMoon->width(), pictureFolder_));
        pictureIllumination_ = v.moon.illumination;
        pictureWaxing_ = v.moon.waxing;
    }
    eclipse_->Show(v.eclipse, v.EclipseText(), v.frame);
    for (ClickableLabel* label : ui_.lblSky) label->setVisible(v.place.has_value());
    ui_.lblSky[1]->setText(Qs(v.skyLine));
    ui_.lblSky[1]->setToolTip(Qs(v.skyToolTip));
    ui_.chkSeenFromPlace->setEnabled(v.place.has_value());
    liveClock_->Follow(v.liveClock);
    // The frame's controls show the frame; their handlers see no change in that.
    const int zone = TimeZones::ZoneIndexOfOffset(v.frame.zoneOffsetMinutes);
    if (zone >= 0 && zone != ui_.cboTimeZone->currentIndex()) ui_.cboTimeZone->setCurrentIndex(zone);
    (v.frame.greenwich ? ui_.optGreenwich : ui_.optLocal)->setChecked(true);
    ApplyOptionColours();
}

void frmMain::Apply(const Shown::Outcome& outcome, Focus focus) {
    if (outcome.dateBox) ui_.txbDate->setText(Qs(*outcome.dateBox));
    if (outcome.daysBox) ui_.txbPlusMinus->setText(Qs(*outcome.daysBox));
    if (outcome.next) {
        shown_ = *outcome.next;
        Render();
        if (!shown_.moon.Ok())
            Message(DialogService::Icon::Warning, MoonData::GetPhaseErrorTitle, Qs(shown_.moon.errorText));
    }
    if (outcome.message) {
        const auto icon = outcome.message->icon == Shown::Message::Icon::Information ? DialogService::Icon::Information
                                                                                    : DialogService::Icon::Warning;
        Message(icon, Qs(outcome.message->title), Qs(outcome.message->text));
    }
    if (outcome.report) Record(*outcome.report);
    switch (focus) {
        case Focus::DateEntry: SetTheFocus(); break;
        case Focus::Move: FocusMoveOrQuit(); break;
        case Focus::Search: FocusSearchOrQuit(); break;
        case Focus::None: break;
    }
}

void frmMain::Record(const Shown::Report& report) {
    std::string dateText = report.logDate;
    if (report.addHistory) {
        dateText = history_->Add(Shown::HistoryTextOf(shown_), report.eclipseType);
        log_->UpdateViewButton();
        ui_.cmdSaveState->setEnabled(true);
    }
    if (!dateText.empty() || report.logRepeats)
        log_->Report(dateText, report.operation, report.extra, Shown::LogDisplayOf(shown_));
}

void frmMain::Message(DialogService::Icon icon, const QString& title, const QString& text) {
    services_.dialogs->Show(this, icon, title, text);
}

void frmMain::ConnectHandlers() {
    connect(ui_.cmdNow, &QPushButton::clicked, this, &frmMain::Now);
    connect(liveClock_, &LiveClock::tick, this, [this] {
        shown_ = Shown::Tick(shown_, DatePr2::CurrentAjd(*services_.clock));
        Render();
    });
    connect(ui_.cmdCompute, &QPushButton::clicked, this, &frmMain::Compute);
    connect(ui_.cmdClearDate, &QPushButton::clicked, this, [this] {
        ui_.txbDate->clear();
        ui_.txbPlusMinus->clear();
        SetTheFocus();
    });
    connect(ui_.txbDate, &QLineEdit::returnPressed, this, [this] {
        if (!ui_.txbDate->text().isEmpty()) Compute();
    });
    connect(ui_.txbPlusMinus, &QLineEdit::returnPressed, this, [this] {
        if (!ui_.txbDate->text().isEmpty() && !ui_.txbPlusMinus->text().isEmpty()) Compute();
    });
    for (QObject* o : std::initializer_list<QObject*>{ui_.txbDate, ui_.txbPlusMinus, ui_.cmdMove, ui_.cmdHelp})
        o->installEventFilter(this);
    connect(ui_.cmdMove, &QPushButton::clicked, this, &frmMain::Move);
    connect(move_, &RepeatedMove::stepDue, this, &frmMain::MakeStep);
    connect(move_, &RepeatedMove::stopClicked, this, &frmMain::EndRepeatedMove);
    connect(ui_.cmdSearch, &QPushButton::clicked, this, &frmMain::Search);
    connect(history_, &HistoryList::chosen, this, &frmMain::HistoryChosen);
    connect(eclipse_, &EclipsePanel::memberChosen, this, &frmMain::SarosMemberChosen);
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        const int i = calendar->index;
        const LabelPair& pair = ui_.dateLabels[static_cast<size_t>(i)];
        connect(pair[0], &ClickableLabel::clicked, this, [this, i] { DateLabelClicked(i, false); });
        connect(pair[1], &ClickableLabel::clicked, this, [this, i] { DateLabelClicked(i, true); });
    }
    for (ClickableLabel* label : ui_.lblTime) connect(label, &ClickableLabel::clicked, this, &frmMain::TimeLineClicked);
    connect(ui_.cboTimeZone, &QComboBox::currentIndexChanged, this, &frmMain::ZoneChosen);
    // A city chosen from the list, or a text typed and entered (or left).
    connect(ui_.cboPlace, &QComboBox::activated, this, &frmMain::PlaceChosen);
    ui_.cboPlace->lineEdit()->installEventFilter(this);
    connect(ui_.optGreenwich, &QRadioButton::toggled, this, &frmMain::TimeSystemChosen);
    connect(ui_.cmdViewLog, &QPushButton::clicked, this, &frmMain::ViewLog);
    connect(ui_.cmdLogPreferences, &QPushButton::clicked, log_, &LogSink::ShowPreferences);
    connect(log_, &LogSink::focusReturned, this, [this] {
        activateWindow();
        SetTheFocus();
    });
    connect(ui_.cmdSaveState, &QPushButton::clicked, this, &frmMain::SaveState);
    connect(ui_.cmdReset, &QPushButton::clicked, this, &frmMain::Reset);
    connect(ui_.cmdHelp, &QPushButton::clicked, this, &frmMain::ShowHelp);
    // The program's user guide is its help window; the link opens it too.
    connect(ui_.lblOnlineDocumentation, &ClickableLabel::clicked, this, &frmMain::ShowHelp);
    connect(ui_.cmdQuit, &QPushButton::clicked, this, &frmMain::Quit);
    connect(ui_.cmdDisplayCalendar, &QPushButton::clicked, this, &frmMain::DisplayCalendar);
}

// The options and lists: their colours, and where the focus goes after a choice.
void frmMain::ConnectOptions() {
    auto colourAndFocus = [this](void (frmMain::*focus)()) {
        return [this, focus] {
            ApplyOptionColours();
            if (isVisible()) (this->*focus)();
        };
    };
    connect(ui_.optPlus, &QRadioButton::clicked, this, colourAndFocus(&frmMain::SetTheFocus));
    connect(ui_.optMinus, &QRadioButton::clicked, this, colourAndFocus(&frmMain::SetTheFocus));
    connect(ui_.optNext, &QRadioButton::clicked, this, colourAndFocus(&frmMain::FocusSearchOrQuit));
    connect(ui_.optPrevious, &QRadioButton::clicked, this, colourAndFocus(&frmMain::FocusSearchOrQuit));
    for (QRadioButton* direction : ui_.optMoveDirection)
        connect(direction, &QRadioButton::clicked, this, colourAndFocus(&frmMain::FocusMoveOrQuit));
    connect(ui_.chkRepeatedly, &QCheckBox::clicked, this, colourAndFocus(&frmMain::FocusMoveOrQuit));
    connect(ui_.chkLog, &QCheckBox::clicked, this, [this] {
        ApplyOptionColours();
        if (startUpCompleted_) FocusMoveOrQuit();
    });
    connect(ui_.cboMoveStep, &QComboBox::activated, this, [this] {
        if (isVisible()) FocusMoveOrQuit();
    });
    connect(ui_.cboTarget, &QComboBox::activated, this, &frmMain::SetTheFocus);
    connect(ui_.cboMonthCalendar, &QComboBox::activated, this, [this] {
        if (startUpCompleted_) ui_.cmdDisplayCalendar->setFocus();
    });
}
