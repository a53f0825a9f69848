// Start-up, defaults, lists, enabling and focus rules, Now with the live clock, Help and Quit.
#include <QApplication>
#include <QCloseEvent>
#include <QBitmap>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>

#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "help/HelpWindow.h"
#include "mainwin/core/ModuleStartup.h"
#include "mainwin/core/CalendarTable.h"
#include "mainwin/frmMain.h"

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

std::array<LabelPair*, 9> frmMain::DateLabels() {
    // The order of the calendar table: CE, JC, ARC, VO, LLT, DVG, CJD, AJD, QLW.
    return {&lblCommonEraDate,       &lblJulianCalendarDate, &lblArchetypesDate,
            &lblVarnelOstrikSLCDate, &lblLTCLunarDate,       &lblDVGDate,
            &lblChronologicalJulianDate, &lblAstronomicalJulianDate, &lblQuillonLWCDate};
}

void frmMain::SetForeColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

void frmMain::Form_Load() {
    blnStartUpCompleted = false;
    // 1. The eclipse label takes the window's background.
    lblActualEclipseData->setAutoFillBackground(false);
    // 2.
    Initialise();
    // 3.
    intEntryCalendar = CalendarTable::CE;
    MarkEntryCalendar();
    // 4.
    EnableDisableFunctions(true);
    cmdQuit->setEnabled(true);
    cmdNow->setEnabled(true);
    cmdLogPreferences->setVisible(true);
    // 5.
    blnRestoringState = true;
    const bool restored = ReadSavedState();
    blnRestoringState = false;
    if (!restored) {
        // 6. Nothing to restore: the present moment.
        intZoneOffset = ZoneOffsetMinutes();
        show();
        Now();
        cmdSaveState->setEnabled(true);
        SetTheFocus();
        blnStartUpCompleted = true;
        return;
    }
    // 7.
    blnLiveClock = false;
    picCheck->hide();
    Clock->stop();
    intZoneOffset = ZoneOffsetMinutes();
    cmdSaveState->setEnabled(false);
    // 8.
    ShowTimeOfDay();
    const QString text = ShowAllDates();
    DisplayMoonData(QColor(0, 0, 128));
    ShowDeltaT();
    // 9.
    const QString logText = AddHistoryEntry(text, 0);
    AddLogEntry(logText, "Restore saved state on startup", "");
    // 10.
    MarkEntryCalendar();
    // 11.
    show();
    for (QWidget* w : std::initializer_list<QWidget*>{chkLog, chkRepeatedly, cmdViewLog, cmdLogThisResult, cmdReset})
        w->setEnabled(true);
    // 12.
    SetTheFocus();
    blnStartUpCompleted = true;
}

void frmMain::Initialise() {
    SetDefaults();
    FillCalendarTables();
    InitialiseModules();
    lblQuillonLWCDate[0]->setVisible(true);
    lblQuillonLWCDate[1]->setVisible(true);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        QFont f = button->font();
        f.setBold(false);
        button->setFont(f);
    }
    FillLists();
    ClearDisplay();
    intZoneOffset = ZoneOffsetMinutes();
    // The click handlers of the default choices give them and their partners their colours.
    ApplyOptionColours();
}

void frmMain::SetDefaults() {
    dblCurrentAJDate = 0.0;
    blnExact = false;
    strPicPath = services_.pictureFolder.isEmpty() ? QCoreApplication::applicationDirPath() + "/"
                                                   : QDir(services_.pictureFolder).absolutePath() + "/";
    intMaxX = intMaxY = 89;
    blnLiveClock = false;
    intClockInterval = 5;
    intEntryCalendar = CalendarTable::CE;
    intHistorySize = 8;
    lngEclipseLunation = -10000000;
    blnRestoringState = blnRestoringHistory = false;
    blnRepeating = blnPaused = blnStepDue = false;
    optLocal->setChecked(true);
    optNext->setChecked(true);
    optPlus->setChecked(true);
    optMoveDirection[0]->setChecked(true);
    chkRepeatedly->setChecked(false);
    chkLog->setChecked(false);
    picCheck->hide();
    lblActualEclipseData->clear();
    // The window's icon: the full Moon picture with its key colour made transparent.
    QPixmap moon(strPicPath + "fullmoon.bmp");
    if (!moon.isNull()) {
        moon.setMask(moon.createMaskFromColor(QColor(200, 0, 0)));
        setWindowIcon(QIcon(moon));
    }
    QDir folder(services_.stateFolder);
    if (!services_.stateFolder.isEmpty() && !folder.exists()) QDir().mkdir(folder.absolutePath());
    strStateFile = folder.absoluteFilePath("slvn.usr");
}

void frmMain::FillCalendarTables() {
    // The table is constant (CalendarTable); nothing to fill at run time.
}

void frmMain::FillLists() {
    cboTimeZone->clear();
    for (int i = 0; i < TimeZones::kZoneCount; ++i)
        cboTimeZone->addItem(QString::fromStdString(TimeZones::ZoneListText(i)));
    cboTimeZone->setCurrentIndex(TimeZones::kGmtIndex);

    cboMoveStep->clear();
    cboMoveStep->addItems({"1 minute", "1 hour", "1 day", "1 CE month", "1 CE year", "1 CE century",
                           "1 ARC month", "1 ARC year", "1 VO month", "1 VO year", "1 VO cycle",
                           "1 DVG month", "1 DVG year", "1 DVG cycle", "1 LLT month", "1 LLT year",
                           "1 LLT cycle", "1 QLW week", "1 QLW month", "1 QLW year"});
    cboMoveStep->setCurrentIndex(2);

    cboRefreshPeriod->clear();
    cboRefreshPeriod->addItems({"0.2", "0.5", "1", "2", "5"});
    cboRefreshPeriod->setCurrentIndex(2);

    cboTarget->clear();
    const std::pair<const char*, int> targets[] = {
        {"Full moon", 2}, {"Dark moon", 0}, {"Half moon (1st quarter)", 1}, {"Half moon (last quarter)", 3},
        {"Quarter", -1}, {"", -1}, {"Lunar or solar eclipse", -1}, {"Lunar eclipse", -1},
        {"Total lunar eclipse", -1}, {"Total or partial lunar eclipse", -1}, {"Solar eclipse", -1},
        {"Total solar eclipse", -1}, {"Annular solar eclipse", -1}, {"Eclipse in same saros series", -1},
        {"", -1}, {"Coincidence of 1sts of month", -1}};
    for (const auto& [text, phase] : targets) {
        if (phase >= 0)
            cboTarget->addItem(text, phase);
        else
            cboTarget->addItem(text);
    }
    cboTarget->setCurrentIndex(11);

    cboMonthCalendar->clear();
    cboMonthCalendar->addItems({"Archetypes Calendar dates", "Varnel-Ostrik Solilunar dates",
                                "Dunhale-Varnel Goddess dates", "Lunar Liberalia Triday dates",
                                "Quillon Lunar Week dates"});
    cboMonthCalendar->setCurrentIndex(0);
}

void frmMain::ClearDisplay() {
    for (QWidget* title : std::initializer_list<QWidget*>{lblPhaseOfMoon[0], lblAgeOfMoon[0], lblTimeSystem,
                                                          lblTimeZone, lblTime[0], lblDeltaT[0], lblDays})
        SetForeColour(title, lngUnselectedColour);
    for (LabelPair* pair : DateLabels()) {
        (*pair)[1]->clear();
        (*pair)[1]->setToolTip({});
    }
    picMoon->clear();
    for (LabelPair* pair : {&lblPhaseOfMoon, &lblAgeOfMoon, &lblTime, &lblDeltaT}) (*pair)[1]->clear();
}

void frmMain::EnableDisableFunctions(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{cmdMove, cmdCompute, cmdClearDate, cmdReset, cmdSearch,
                                                      cmdLogPreferences, cmdLogThisResult, chkLog, cmdSaveState,
                                                      txbDate, txbPlusMinus})
        w->setEnabled(enable);
    cmdViewLog->setEnabled(!LogTextEmpty());
    FocusMoveOrQuit();
}

void frmMain::SetTheFocus() {
    if (isVisible() && fraConvert->isEnabled()) FocusDateEntry();
    ShowTimeOfDay();
}

void frmMain::FocusDateEntry() {
    if (txbDate->isEnabled()) {
        txbDate->setFocus();
        txbDate->end(false);
    } else {
        cmdQuit->setFocus();
    }
}

void frmMain::FocusMoveOrQuit() {
    if (!isVisible()) return;
    (cmdMove->isEnabled() ? cmdMove : cmdQuit)->setFocus();
}

void frmMain::FocusSearchOrQuit() {
    if (!isVisible()) return;
    (cmdSearch->isEnabled() ? cmdSearch : cmdQuit)->setFocus();
}

QString frmMain::ShowNow() {
    lblActualEclipseData->clear();
    ShowTimeOfDay();
    dblCurrentAJDate = DatePr2::CurrentAjd(*services_.clock);
    const QString text = ShowAllDates();
    DisplayMoonData(QColor(0, 0, 128));
    ShowDeltaT();
    return text;
}

void frmMain::Now() {
    txbDate->clear();
    txbPlusMinus->clear();
    lngEclipseLunation = -10000000;
    if (blnRepeating) StopRepeatedMove();
    blnLiveClock = true;
    picCheck->show();
    const QString text = ShowNow();
    const QString logText = AddHistoryEntry(text, 0);
    if (!logText.isEmpty()) AddLogEntry(logText, "Now", "");
    Clock->setInterval(intClockInterval * 1000);
    Clock->start();
    if (cboTarget->currentIndex() == 13) cboTarget->setCurrentIndex(6);
    cmdSaveState->setEnabled(true);
    SetTheFocus();
}

void frmMain::ClockTick() {
    if (blnLiveClock) ShowNow();
}

void frmMain::ShowHelp() {
    if (!help_) help_ = new HelpWindow(nullptr);
    help_->setWindowIcon(windowIcon());
    if (help_->isMinimized())
        help_->showNormal();
    else
        help_->show();
    help_->raise();
}

void frmMain::Quit() {
    quitting_ = true;
    SaveState();
    if (help_) help_->close();
    close();
    QApplication::quit();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!quitting_) {
        quitting_ = true;
        SaveState();
        if (help_) help_->close();
        QApplication::quit();
    }
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        (watched == txbDate || watched == txbPlusMinus || watched == cmdMove || watched == cmdHelp)) {
        ShowHelp();
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched == txbDate) {
        const QString trimmed = txbDate->text().trimmed();
        if (trimmed != txbDate->text()) txbDate->setText(trimmed);
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::Message(DialogService::Icon icon, const QString& title, const QString& text) {
    services_.dialogs->Show(this, icon, title, text);
}
