// Start-up: defaults, lists, the cleared display, and the restored or present moment.
#include <QApplication>
#include <QCloseEvent>
#include <QBitmap>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>

#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "help/HelpWindow.h"
#include "core/WindowLists.h"
#include "mainwin/frmMain.h"
#include "support/DataFolder.h"

frmMain::frmMain(MainWindowServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    if (!services_.clock) services_.clock = std::make_shared<SystemClock>();
    if (!services_.dialogs) services_.dialogs = std::make_shared<QtDialogService>();
    BuildControls();
    ConnectHandlers();
}

frmMain::~frmMain() {
    if (help_) delete help_;
}

void frmMain::SetForeColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

void frmMain::Form_Load() {
    state_.blnStartUpCompleted = false;
    // The eclipse label takes the window's background.
    lblActualEclipseData->setAutoFillBackground(false);
    // Defaults, the modules, the lists and a cleared display.
    Initialise();
    // CE is the entry calendar until the saved state says otherwise.
    state_.intEntryCalendar = CalendarTable::kDefaultEntryCalendar;
    MarkEntryCalendar();
    EnableDisableFunctions(true);
    cmdQuit->setEnabled(true);
    cmdNow->setEnabled(true);
    cmdLogPreferences->setVisible(true);
    // The saved state, read with the zone handler quiet.
    state_.blnRestoringState = true;
    // The computer's own zone when the list has it, unless the saved state names another.
    SelectComputerZone();
    const bool restored = ReadSavedState();
    state_.blnRestoringState = false;
    if (!restored) {
        // Nothing (or not all) restored: the present moment.
        state_.intZoneOffset = ZoneOffsetMinutes();
        show();
        Now();
        cmdSaveState->setEnabled(true);
        SetTheFocus();
        state_.blnStartUpCompleted = true;
        return;
    }
    // The restored moment: no live clock, nothing new to save.
    state_.blnLiveClock = false;
    picCheck->hide();
    Clock->stop();
    state_.intZoneOffset = ZoneOffsetMinutes();
    const QString text = ShowMoment();
    const QString logText = AddHistoryEntry(text, 0);
    AddLogEntry(logText, "Restore saved state on startup", "");
    // What is on show is what the file holds: nothing to save until something changes (the
    // history entry above would otherwise have enabled the button).
    cmdSaveState->setEnabled(false);
    MarkEntryCalendar();
    show();
    for (QWidget* w : std::initializer_list<QWidget*>{chkLog, chkRepeatedly, cmdViewLog, cmdLogThisResult, cmdReset})
        w->setEnabled(true);
    SetTheFocus();
    state_.blnStartUpCompleted = true;
}

void frmMain::Initialise() {
    SetDefaults();
    for (QPushButton* button : findChildren<QPushButton*>()) {
        QFont f = button->font();
        f.setBold(false);
        button->setFont(f);
    }
    FillLists();
    ClearDisplay();
    state_.intZoneOffset = ZoneOffsetMinutes();
    // The click handlers of the default choices give them and their partners their colours.
    ApplyOptionColours();
}

void frmMain::SetDefaults() {
    state_ = MainWindowState{};
    const QString pictures =
        services_.pictureFolder.isEmpty()
            ? QString::fromStdString(PictureFolder(QCoreApplication::applicationDirPath().toStdString())) + "/"
            : QDir(services_.pictureFolder).absolutePath() + "/";
    state_.strPicPath = pictures.toStdString();
    optLocal->setChecked(true);
    optNext->setChecked(true);
    optPlus->setChecked(true);
    optMoveDirection[0]->setChecked(true);
    chkRepeatedly->setChecked(false);
    chkLog->setChecked(false);
    picCheck->hide();
    lblActualEclipseData->clear();
    // The window's icon: the full Moon picture with its key colour made transparent.
    QPixmap moon(pictures + "fullmoon.bmp");
    if (!moon.isNull()) {
        moon.setMask(moon.createMaskFromColor(ToQColor(Colours::PictureKey)));
        setWindowIcon(QIcon(moon));
    }
    QDir folder(services_.stateFolder);
    if (!services_.stateFolder.isEmpty() && !folder.exists()) QDir().mkdir(folder.absolutePath());
    state_.strStateFile = folder.absoluteFilePath("slvn.usr").toStdString();
}

void frmMain::FillLists() {
    const auto text = [](std::string_view item) { return QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())); };
    cboTimeZone->clear();
    for (int i = 0; i < TimeZones::kZoneCount; ++i)
        cboTimeZone->addItem(QString::fromStdString(TimeZones::ZoneListText(i)));
    cboTimeZone->setCurrentIndex(TimeZones::kGmtIndex);

    cboMoveStep->clear();
    for (const MoveSteps::StepRule& step : MoveSteps::Steps()) cboMoveStep->addItem(QString::fromStdString(step.text));
    cboMoveStep->setCurrentIndex(MoveSteps::kDefault);

    cboRefreshPeriod->clear();
    for (std::string_view period : RefreshPeriods::kSeconds) cboRefreshPeriod->addItem(text(period));
    cboRefreshPeriod->setCurrentIndex(RefreshPeriods::kDefault);

    // The four phase targets carry their phase as item data.
    cboTarget->clear();
    for (const SearchTargets::Target& target : SearchTargets::kTargets) {
        if (target.phase >= 0)
            cboTarget->addItem(text(target.text), target.phase);
        else
            cboTarget->addItem(text(target.text));
    }
    cboTarget->setCurrentIndex(SearchTargets::kDefault);

    cboMonthCalendar->clear();
    for (const CalendarDescriptor* calendar : CalendarRegistry::LunationPageCalendars())
        cboMonthCalendar->addItem(text(calendar->lunationPage->listText));
    cboMonthCalendar->setCurrentIndex(0);
}

void frmMain::ClearDisplay() {
    for (QWidget* title : std::initializer_list<QWidget*>{lblPhaseOfMoon[0], lblAgeOfMoon[0], lblTimeSystem,
                                                          lblTimeZone, lblTime[0], lblDeltaT[0], lblDays})
        SetForeColour(title, ToQColor(Colours::Unselected));
    for (LabelPair& pair : dateLabels_) {
        pair[1]->clear();
        pair[1]->setToolTip({});
    }
    picMoon->clear();
    for (LabelPair* pair : {&lblPhaseOfMoon, &lblAgeOfMoon, &lblTime, &lblDeltaT}) (*pair)[1]->clear();
}

