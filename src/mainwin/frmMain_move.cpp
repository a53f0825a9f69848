// Moving through time: Move once or repeatedly, and the repeated move's Stop, Pause, Resume
// and refresh period. The repeated move is driven by the Clock's ticks: idle (blnRepeating
// clear), running (timer on) or paused (timer off, so a paused display costs no CPU); no
// handler waits in a loop of its own.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/EntryParser.h"
#include "core/MoveOnce.h"
#include "mainwin/frmMain.h"

namespace {
// A typed date this close to the moment on show is the moment on show (a minute's rounding).
constexpr double kSameMoment = 0.0007;
}  // namespace

void frmMain::SetMoveControlsEnabled(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{fraMove, cmdMove, fraConvert, cmdCompute, cmdClearDate, fraSearch,
                                                      cmdSearch, cmdHelp, cmdReset})
        w->setEnabled(enable);
    cmdViewLog->setEnabled(!LogTextEmpty());
    cmdLogThisResult->setEnabled(!chkLog->isChecked());
}

bool frmMain::ReadMoveStart() {
    const QString trimmed = txbDate->text().trimmed();
    txbDate->setText(trimmed);
    if (trimmed.isEmpty()) return true;
    EntryContext context;
    context.entryCalendar = state_.intEntryCalendar;
    context.daysBoxEmpty = txbPlusMinus->text().trimmed().isEmpty();
    context.frame = CurrentFrame();
    context.entryCalendarDateText = DateBoxTextOfLabel(lastDisplay_, state_.intEntryCalendar, CurrentFrame());
    const EntryResult entry = ParseDateEntry(trimmed.toStdString(), context);
    if (entry.dateBoxChanged) txbDate->setText(QString::fromStdString(entry.dateBox));
    if (entry.error != EntryError::None) {
        Message(DialogService::Icon::Warning, kEntryErrorTitle, QString::fromStdString(EntryErrorText(entry.error)));
        SetTheFocus();
        return false;
    }
    if (std::abs(entry.ajd - state_.dblCurrentAJDate) >= kSameMoment) state_.dblCurrentAJDate = entry.ajd;
    return true;
}

void frmMain::Move() {
    if (state_.blnRepeating || !ReadMoveStart()) return;
    lblActualEclipseData->clear();
    state_.lngEclipseLunation = kNoEclipseLunation;
    moveStep_ = cboMoveStep->currentIndex();
    moveForward_ = optMoveDirection[0]->isChecked();
    strStepDescription_ =
        QString::fromStdString(MoveSteps::StepDescription(MoveSteps::Steps().at(static_cast<size_t>(moveStep_)), moveForward_, chkRepeatedly->isChecked()));
    state_.blnRepeating = chkRepeatedly->isChecked();
    state_.blnLiveClock = false;
    picCheck->hide();
    if (state_.blnRepeating) BeginRepeatedMove();
    state_.blnStepDue = true;  // the first step at once
    MakeDueStep();
}

void frmMain::BeginRepeatedMove() {
    SetMoveControlsEnabled(false);
    fraHistory->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdQuit, cmdViewLog, cmdLogThisResult, lblRefreshPeriod,
                                                      cboRefreshPeriod})
        w->setEnabled(false);
    cmdPauseResume->setText("&Pause");
    state_.blnPaused = false;
    fraStopPauseResume->show();
    cmdStop->setFocus();
    Clock->stop();
    Clock->setInterval(RefreshPeriodMilliseconds());
    Clock->start();
}

int frmMain::RefreshPeriodMilliseconds() const {
    const int index = std::clamp(cboRefreshPeriod->currentIndex(), 0, static_cast<int>(RefreshPeriods::kSeconds.size()) - 1);
    return static_cast<int>(std::lround(std::stod(std::string(RefreshPeriods::kSeconds[static_cast<size_t>(index)])) * 1000));
}

// A tick of a running repeated move: one step. The Clock does not queue ticks, so a step that
// outlasts the period delays the next one instead of piling steps up.
void frmMain::MoveTick() {
    if (state_.blnLiveClock || !state_.blnRepeating || state_.blnPaused) return;
    state_.blnStepDue = true;
    MakeDueStep();
}

void frmMain::MakeDueStep() {
    if (!state_.blnStepDue) return;
    const MoveSteps::MoveResult result =
        MoveSteps::MoveOnce(state_.dblCurrentAJDate, moveStep_, moveForward_, CurrentFrame(), state_.intEntryCalendar);
    if (result.moved) {
        state_.dblCurrentAJDate = result.ajd;
        state_.intEntryCalendar = result.entryCalendar;
    }
    MarkEntryCalendar();
    strMoveDate_ = RefreshDisplay();
    state_.blnStepDue = false;
    // A date that its calendar cannot name lies far beyond the accepted moments.
    const std::string range =
        result.moved ? MoveSteps::RangeMessage(state_.dblCurrentAJDate)
                     : std::string(moveForward_ ? MoveSteps::kLatestExceeded : MoveSteps::kEarliestExceeded);
    if (!range.empty()) {
        if (state_.blnRepeating) EndRepetition();
        Message(DialogService::Icon::Warning, MoveSteps::kRangeTitle, QString::fromStdString(range));
        FinishMove();
    } else if (!state_.blnRepeating) {
        FinishMove();
    }
}

void frmMain::EndRepetition() {
    state_.blnRepeating = false;
    state_.blnPaused = false;
    fraStopPauseResume->hide();
    Clock->stop();  // no tick may reach a move that has ended (a message box lets events run)
}

void frmMain::StopRepeatedMove() {
    if (!state_.blnRepeating) return;
    EndRepetition();
    FinishMove();
}

void frmMain::FinishMove() {
    const QString logText = AddHistoryEntry(strMoveDate_, 0);
    AddLogEntry(logText, strStepDescription_, "");
    Clock->setInterval(state_.intClockInterval * 1000);
    Clock->stop();
    SetMoveControlsEnabled(true);
    fraHistory->setEnabled(true);
    cmdQuit->setEnabled(true);
    cmdLogThisResult->setEnabled(!chkLog->isChecked());
    cmdViewLog->setEnabled(true);
    FocusMoveOrQuit();
}

void frmMain::PauseResume() {
    if (!state_.blnRepeating) return;
    state_.blnPaused = !state_.blnPaused;
    cmdPauseResume->setText(state_.blnPaused ? "Res&ume" : "&Pause");
    lblRefreshPeriod->setEnabled(state_.blnPaused);
    cboRefreshPeriod->setEnabled(state_.blnPaused);
    if (state_.blnPaused) {
        Clock->stop();
        cmdPauseResume->setFocus();
    } else {
        Clock->setInterval(RefreshPeriodMilliseconds());
        Clock->start();
        cmdStop->setFocus();
    }
}

void frmMain::RefreshPeriodChosen() {
    if (!state_.blnPaused) return;
    Clock->setInterval(RefreshPeriodMilliseconds());
    cmdPauseResume->setFocus();
}
