// Where the keyboard focus goes after each action, and the colours of chosen options.
#include "gui_support/ForeColour.h"
#include "gui_support/QtColours.h"
#include "mainwin/frmMain.h"

void frmMain::SetTheFocus() {
    if (!isVisible() || !ui_.fraConvert->isEnabled()) return;
    if (ui_.txbDate->isEnabled()) {
        ui_.txbDate->setFocus();
        ui_.txbDate->end(false);
    } else {
        ui_.cmdQuit->setFocus();
    }
}

void frmMain::FocusMoveOrQuit() {
    if (!isVisible()) return;
    (ui_.cmdMove->isEnabled() ? ui_.cmdMove : ui_.cmdQuit)->setFocus();
}

void frmMain::FocusSearchOrQuit() {
    if (!isVisible()) return;
    (ui_.cmdSearch->isEnabled() ? ui_.cmdSearch : ui_.cmdQuit)->setFocus();
}

// A chosen option or ticked box in white, its unchosen partner in grey.
void frmMain::ApplyOptionColours() {
    const auto pair = [](QWidget* chosen, QWidget* other) {
        SetForeColour(chosen, ToQColor(Colours::Selected));
        SetForeColour(other, ToQColor(Colours::Unselected));
    };
    const auto box = [](QCheckBox* check) {
        SetForeColour(check, ToQColor(check->isChecked() ? Colours::Selected : Colours::Unselected));
    };
    ui_.optLocal->isChecked() ? pair(ui_.optLocal, ui_.optGreenwich) : pair(ui_.optGreenwich, ui_.optLocal);
    ui_.optPlus->isChecked() ? pair(ui_.optPlus, ui_.optMinus) : pair(ui_.optMinus, ui_.optPlus);
    ui_.optNext->isChecked() ? pair(ui_.optNext, ui_.optPrevious) : pair(ui_.optPrevious, ui_.optNext);
    ui_.optMoveDirection[0]->isChecked() ? pair(ui_.optMoveDirection[0], ui_.optMoveDirection[1])
                                         : pair(ui_.optMoveDirection[1], ui_.optMoveDirection[0]);
    box(ui_.chkRepeatedly);
    box(ui_.chkLog);
}
