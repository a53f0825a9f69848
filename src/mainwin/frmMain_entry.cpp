// Compute: the date box and the days box to a new displayed moment; clicks on the date labels.
#include "core/ComputeMoment.h"
#include "mainwin/frmMain.h"

void frmMain::Compute() {
    ComputeRequest request;
    request.dateBox = txbDate->text().toStdString();
    request.daysBox = txbPlusMinus->text().toStdString();
    request.plus = optPlus->isChecked();
    request.entryCalendar = state_.intEntryCalendar;
    request.restoringHistory = state_.blnRestoringHistory;
    request.frame = CurrentFrame();
    request.displayed = state_.dblCurrentAJDate;
    request.displayedDateText = DateBoxTextOfLabel(lastDisplay_, state_.intEntryCalendar, CurrentFrame());
    const ComputeResult result = ComputeMoment(request);

    txbDate->setText(QString::fromStdString(result.dateBox));
    if (result.error == EntryError::NoDate) {
        Message(DialogService::Icon::Warning, QString::fromStdString(result.title),
                QString::fromStdString(result.message));
        return;
    }
    state_.lngEclipseLunation = kNoEclipseLunation;
    txbPlusMinus->setText(QString::fromStdString(result.daysBox));
    if (result.entryCalendar >= 0) {
        state_.intEntryCalendar = result.entryCalendar;
        MarkEntryCalendar();
    }
    if (!result.Ok()) {
        Message(DialogService::Icon::Warning, QString::fromStdString(result.title),
                QString::fromStdString(result.message));
        if (result.outcome == ComputeResult::Outcome::Refused) SetTheFocus();
        return;
    }
    lblActualEclipseData->clear();
    state_.blnLiveClock = false;
    picCheck->hide();
    state_.dblCurrentAJDate = result.ajd;
    const QString text = RefreshDisplay();
    const QString logText = AddHistoryEntry(text, 0);
    AddLogEntry(logText, QString::fromStdString(result.operation), "");
}

bool frmMain::CheckRange(double ajd) {
    const std::string message = RangeMessage(ajd);
    if (message.empty()) return false;
    Message(DialogService::Icon::Warning, kRangeTitle, QString::fromStdString(message));
    return true;
}

void frmMain::CopyEntryCalendarDate() { DateLabelClicked(state_.intEntryCalendar, true); }

void frmMain::DateLabelClicked(int calendarIndex, bool value) {
    if (!CalendarRegistry::IsIndex(calendarIndex)) return;
    state_.intEntryCalendar = calendarIndex;
    if (!CalendarRegistry::Calendar(calendarIndex).julianDateCount) ShowTimeOfDay();
    if (value) {
        txbDate->setText(QString::fromStdString(DateBoxTextOfLabel(lastDisplay_, calendarIndex, CurrentFrame())));
    }
    MarkEntryCalendar();
    SetTheFocus();
}
