// The saved state: Save state, the restore at start-up, Reset and the save when the system ends
// the program.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <functional>

#include "core/SafeFile.h"
#include "help/HelpWindow.h"
#include "core/SavedState.h"
#include "log/frmLogPreferences.h"
#include "mainwin/frmMain.h"

namespace {
const QString kSaveErrorTitle = "Save state";
const QString kSaveError = "Error when attempting to save the state: ";
}  // namespace

SavedState frmMain::CurrentSavedState() const {
    SavedState s;
    s.dblCurrentAJDate = state_.dblCurrentAJDate;
    s.intEntryCalendar = state_.intEntryCalendar;
    s.moveForward = optMoveDirection[0]->isChecked();
    s.plus = optPlus->isChecked();
    s.next = optNext->isChecked();
    s.greenwich = optGreenwich->isChecked();
    s.moveStep = cboMoveStep->currentIndex();
    s.target = cboTarget->currentIndex();
    s.timeZone = cboTimeZone->currentIndex();
    s.refreshPeriod = cboRefreshPeriod->currentIndex();
    s.repeatedly = chkRepeatedly->isChecked();
    s.logOn = chkLog->isChecked();
    s.eclipseData = lblActualEclipseData->text().toStdString();
    s.logPreferences = state_.logPreferences;
    s.monthCalendar = cboMonthCalendar->currentIndex();
    return s;
}

QString frmMain::WriteStateFile() {
    // The folder is made at start-up, but it may have been removed since.
    QDir().mkpath(QFileInfo(QString::fromStdString(state_.strStateFile)).absolutePath());
    return QString::fromStdString(
        SafeFile::WriteAtomically(state_.strStateFile, SavedStateFile::Write(CurrentSavedState())));
}

void frmMain::SaveState() {
    const QString error = WriteStateFile();
    if (!error.isEmpty()) {
        cmdSaveState->setEnabled(true);
        Message(DialogService::Icon::Warning, kSaveErrorTitle, kSaveError + error);
        return;
    }
    cmdSaveState->setEnabled(false);
    SetTheFocus();
}

bool frmMain::ReadSavedState() {
    const auto text = SafeFile::ReadStart(state_.strStateFile, SavedStateFile::kMaxFileBytes);
    if (!text) return false;
    const SavedStateFile::Reading reading = SavedStateFile::Read(*text);
    ApplySavedState(reading.state, reading.valuesRead);
    return reading.Complete();
}

void frmMain::ApplySavedState(const SavedState& s, int valuesRead) {
    const auto choose = [](QRadioButton* first, QRadioButton* second, bool chooseFirst) {
        (chooseFirst ? first : second)->setChecked(true);
    };
    // The log boxes are applied as one with the format: the file's reader has checked them all.
    const auto include = [](int) { return [] {}; };
    // In file order; a bad value stops the reading, and those before it stay applied.
    const std::function<void()> values[SavedStateFile::kValueCount] = {
        [&] { state_.dblCurrentAJDate = s.dblCurrentAJDate; },
        [&] { state_.intEntryCalendar = s.intEntryCalendar; },
        [&] { choose(optMoveDirection[0], optMoveDirection[1], s.moveForward); },
        [&] { choose(optPlus, optMinus, s.plus); },
        [&] { choose(optNext, optPrevious, s.next); },
        [&] { choose(optGreenwich, optLocal, s.greenwich); },
        [&] { cboMoveStep->setCurrentIndex(s.moveStep); },
        [&] { cboTarget->setCurrentIndex(s.target); },
        [&] { cboTimeZone->setCurrentIndex(s.timeZone); },  // the zone handler is quiet while restoring
        [&] { cboRefreshPeriod->setCurrentIndex(s.refreshPeriod); },
        [&] { chkRepeatedly->setChecked(false); },
        [&] {
            // The log's own handler of the box sets its on flag.
            chkLog->setChecked(s.logOn);
            emit chkLog->clicked(s.logOn);
        },
        [&] {
            // The file is input: its text is shown as text, never as markup.
            lblActualEclipseData->setTextFormat(Qt::PlainText);
            lblActualEclipseData->setText(QString::fromStdString(s.eclipseData));
        },
        [] {},
        [&] { state_.logPreferences = s.logPreferences; },
        include(0), include(1), include(2), include(3), include(4), include(5), include(6), include(7),
        include(8), include(9), include(10),
        [&] { cboMonthCalendar->setCurrentIndex(s.monthCalendar); },
    };
    for (int i = 0; i < valuesRead && i < SavedStateFile::kValueCount; ++i) values[i]();
    ApplyOptionColours();
}

void frmMain::Reset() {
    MarkEntryCalendar();
    for (QRadioButton* option : {optLocal, optMoveDirection[0], optNext, optPlus}) option->setChecked(true);
    chkRepeatedly->setChecked(false);
    chkLog->setChecked(false);
    // Their click handlers, so that colours and what depends on them follow.
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{optLocal, optMoveDirection[0], optNext, optPlus, chkRepeatedly, chkLog})
        emit button->clicked(button->isChecked());
    cboMoveStep->setCurrentIndex(MoveSteps::kDefault);
    cboRefreshPeriod->setCurrentIndex(RefreshPeriods::kDefault);
    cboTarget->setCurrentIndex(0);
    if (Dialogs().Show(this, DialogService::Icon::Question, "Reset", "Reset log preferences also?",
                       DialogService::Buttons::YesNo) == DialogService::Answer::Yes) {
        LogPreferences& prefs = state_.logPreferences;
        prefs.Reset();
        if (logPreferences_) logPreferences_->SetPreferences(prefs);  // an open window shows them
    }
    Now();
}

void frmMain::EndFromSystem() {
    if (quitting_) {
        // A Quit has saved already and may be waiting on its message box.
        QApplication::quit();
        return;
    }
    quitting_ = true;
    const QString error = WriteStateFile();
    // Nobody may be there to answer a message box.
    if (!error.isEmpty()) std::fprintf(stderr, "selvanor: %s\n", qPrintable(kSaveError + error));
    if (help_) help_->close();
    close();
    QApplication::quit();
}
