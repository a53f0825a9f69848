// Moving through time: a move once or repeatedly, its steps and its end.
#include "mainwin/RepeatedMove.h"
#include "mainwin/LogSink.h"
#include "mainwin/frmMain.h"

void frmMain::Move() {
    if (move_->Repeating()) return;
    Shown::Outcome start = Shown::BeginMove(shown_, ui_.txbDate->text().toStdString(), ui_.txbPlusMinus->text().toStdString());
    if (!start.next) {
        Apply(start, Focus::DateEntry);
        return;
    }
    // The start is shown with the first step, made at once.
    shown_ = *start.next;
    ui_.txbDate->setText(QString::fromStdString(*start.dateBox));
    const std::vector<MoveSteps::StepRule> steps = MoveSteps::Steps();
    const int step = std::clamp(ui_.cboMoveStep->currentIndex(), 0, static_cast<int>(steps.size()) - 1);
    const bool repeatedly = ui_.chkRepeatedly->isChecked();
    if (repeatedly) {
        SetMoveControlsEnabled(false);
        ui_.fraHistory->setEnabled(false);
        for (QWidget* w : std::initializer_list<QWidget*>{ui_.cmdQuit, ui_.cmdViewLog, ui_.cmdLogThisResult}) w->setEnabled(false);
    }
    move_->Begin({steps[static_cast<size_t>(step)], ui_.optMoveDirection[0]->isChecked(), repeatedly});
    MakeStep();
}

void frmMain::MakeStep() {
    const RepeatedMove::Move& move = move_->Current();
    const Shown::Outcome step = Shown::MoveStep(shown_, move.step, move.forward);
    // Leaving the accepted moments ends the move; its result stays on show and is recorded.
    const bool ends = step.message.has_value() || !move_->Repeating();
    if (step.message && move_->Repeating()) move_->EndRepetition();
    Apply(step, Focus::None);
    if (ends) FinishMove();
}

void frmMain::FinishMove() {
    const RepeatedMove::Move& move = move_->Current();
    Record(Shown::MoveReport(move.step, move.forward, move.repeatedly));
    SetMoveControlsEnabled(true);
    ui_.fraHistory->setEnabled(true);
    ui_.cmdQuit->setEnabled(true);
    ui_.cmdLogThisResult->setEnabled(!ui_.chkLog->isChecked());
    ui_.cmdViewLog->setEnabled(true);
    FocusMoveOrQuit();
}

// Stop, and Quit or a new moment of the user's choosing (Now, a saros member) before they act:
// a repeated move ends and its result is recorded. Steps would otherwise go on from the new
// moment under its eclipse.
void frmMain::EndRepeatedMove() {
    if (!move_->Repeating()) return;
    move_->EndRepetition();
    FinishMove();
}

// While a move repeats, nothing that starts another operation can be used.
void frmMain::SetMoveControlsEnabled(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.fraMove, ui_.cmdMove, ui_.fraConvert, ui_.cmdCompute,
                                                      ui_.cmdClearDate, ui_.fraSearch, ui_.cmdSearch, ui_.cmdHelp,
                                                      ui_.cmdReset})
        w->setEnabled(enable);
    log_->UpdateViewButton();
    ui_.cmdLogThisResult->setEnabled(!ui_.chkLog->isChecked());
}
