// The saved state: Save state, the choices restored at start-up, Reset, Quit and the save when
// the system ends the program.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "core/SafeFile.h"
#include "help/HelpWindow.h"
#include "log/frmLog.h"
#include "mainwin/LogSink.h"
#include "mainwin/RepeatedMove.h"
#include "mainwin/frmMain.h"

namespace {
const QString kSaveErrorTitle = "Save state";
const QString kSaveError = "Error when attempting to save the state: ";
}  // namespace

SavedState frmMain::CurrentSavedState() const {
    SavedState s;
    s.dblCurrentAJDate = shown_.ajd;
    s.intEntryCalendar = shown_.entryCalendar;
    s.moveForward = ui_.optMoveDirection[0]->isChecked();
    s.plus = ui_.optPlus->isChecked();
    s.next = ui_.optNext->isChecked();
    s.greenwich = shown_.frame.greenwich;
    s.moveStep = ui_.cboMoveStep->currentIndex();
    s.target = ui_.cboTarget->currentIndex();
    s.timeZone = TimeZones::ZoneIndexOfOffset(shown_.frame.zoneOffsetMinutes);
    s.refreshPeriod = ui_.cboRefreshPeriod->currentIndex();
    s.repeatedly = ui_.chkRepeatedly->isChecked();
    s.logOn = ui_.chkLog->isChecked();
    s.eclipseData = shown_.eclipse ? shown_.eclipse->label : std::string();
    s.logPreferences = log_->Preferences();
    s.monthCalendar = ui_.cboMonthCalendar->currentIndex();
    s.place = shown_.place ? shown_.place->name : std::string();
    return s;
}

// The window's choices among the first valuesRead values of the file (the moment, the entry
// calendar and the frame are the shown value's, restored by the core).
void frmMain::ApplySavedChoices(const SavedState& s, int valuesRead) {
    const auto read = [valuesRead](int number) { return valuesRead >= number; };
    if (read(3)) (s.moveForward ? ui_.optMoveDirection[0] : ui_.optMoveDirection[1])->setChecked(true);
    if (read(4)) (s.plus ? ui_.optPlus : ui_.optMinus)->setChecked(true);
    if (read(5)) (s.next ? ui_.optNext : ui_.optPrevious)->setChecked(true);
    if (read(7)) ui_.cboMoveStep->setCurrentIndex(s.moveStep);
    if (read(8)) ui_.cboTarget->setCurrentIndex(s.target);
    if (read(10)) ui_.cboRefreshPeriod->setCurrentIndex(s.refreshPeriod);
    ui_.chkRepeatedly->setChecked(false);  // never restored ticked
    if (read(12)) ui_.chkLog->setChecked(s.logOn);
    // The format and the boxes (values 15 to 26): those not read keep their defaults.
    if (read(15)) log_->SetPreferences(s.logPreferences);
    if (read(27)) ui_.cboMonthCalendar->setCurrentIndex(s.monthCalendar);
    ApplyOptionColours();
}

QString frmMain::WriteStateFile() {
    // The folder is made at start-up, but it may have been removed since.
    QDir().mkpath(QFileInfo(QString::fromStdString(stateFile_)).absolutePath());
    return QString::fromStdString(SafeFile::WriteAtomically(stateFile_, SavedStateFile::Write(CurrentSavedState())));
}

void frmMain::SaveState() {
    const QString error = WriteStateFile();
    if (!error.isEmpty()) {
        ui_.cmdSaveState->setEnabled(true);
        Message(DialogService::Icon::Warning, kSaveErrorTitle, kSaveError + error);
        return;
    }
    ui_.cmdSaveState->setEnabled(false);
    SetTheFocus();
}

// The window's choices back to their defaults (and, if the user says so, the log preferences);
// the zone, the entry calendar and the file stay. Then the present moment.
void frmMain::Reset() {
    for (QRadioButton* option : {ui_.optLocal, ui_.optMoveDirection[0], ui_.optNext, ui_.optPlus}) option->setChecked(true);
    ui_.chkRepeatedly->setChecked(false);
    ui_.chkLog->setChecked(false);
    ui_.cboMoveStep->setCurrentIndex(MoveSteps::kDefault);
    ui_.cboRefreshPeriod->setCurrentIndex(RefreshPeriods::kDefault);
    ui_.cboTarget->setCurrentIndex(0);
    if (services_.dialogs->Show(this, DialogService::Icon::Question, "Reset", "Reset log preferences also?",
                                DialogService::Buttons::YesNo) == DialogService::Answer::Yes) {
        LogPreferences preferences = log_->Preferences();
        preferences.Reset();
        log_->SetPreferences(preferences);
    }
    Now();
}

// Quit and the close box: a repeated move ends as by Stop (so that its result is saved), the state
// is saved, the program ends.
void frmMain::Quit() {
    if (quitting_) return;
    quitting_ = true;
    EndRepeatedMove();
    SaveState();
    if (help_) help_->close();
    close();
    QApplication::quit();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The log window goes first.
    for (frmLog* log : findChildren<frmLog*>())
        if (log->isVisible()) log->hide();
    Quit();
    event->accept();
}

void frmMain::SaveWithoutAsking() {
    const QString error = WriteStateFile();
    if (!error.isEmpty()) std::fprintf(stderr, "selvanor: %s\n", qPrintable(kSaveError + error));
}

void frmMain::EndFromSystem() {
    if (quitting_) {
        // A Quit has saved already and may be waiting on its message box.
        QApplication::quit();
        return;
    }
    quitting_ = true;
    SaveWithoutAsking();
    if (help_) help_->close();
    close();
    QApplication::quit();
}
