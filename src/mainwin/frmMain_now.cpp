// Now and the live clock: the display follows the computer's clock until another action.
#include "dates/DatePr2.h"
#include "mainwin/frmMain.h"

QString frmMain::ShowNow() {
    lblActualEclipseData->clear();
    // The moment first: the time line shows the moment's time in the chosen frame.
    state_.dblCurrentAJDate = DatePr2::CurrentAjd(*services_.clock);
    return ShowMoment();
}

void frmMain::Now() {
    txbDate->clear();
    txbPlusMinus->clear();
    state_.lngEclipseLunation = kNoEclipseLunation;
    if (state_.blnRepeating) StopRepeatedMove();
    state_.blnLiveClock = true;
    picCheck->show();
    const QString text = ShowNow();
    const QString logText = AddHistoryEntry(text, 0);
    if (!logText.isEmpty()) AddLogEntry(logText, "Now", "");
    Clock->setInterval(state_.intClockInterval * 1000);
    Clock->start();
    if (cboTarget->currentIndex() == SearchTargets::kSameSaros) cboTarget->setCurrentIndex(SearchTargets::kAnyEclipse);
    cmdSaveState->setEnabled(true);
    SetTheFocus();
}

void frmMain::ClockTick() {
    if (state_.blnLiveClock) ShowNow();
}
