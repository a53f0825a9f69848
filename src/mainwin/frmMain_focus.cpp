// Which controls are enabled, and where the keyboard focus goes after each action.
#include "mainwin/frmMain.h"

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
