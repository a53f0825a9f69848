// Time zones, Greenwich or local time, the time line and its click.
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "mainwin/frmMain.h"

int frmMain::ZoneOffsetMinutes() const {
    return TimeZones::ZoneOffsetMinutes(cboTimeZone->currentText().toStdString());
}

TimeFrame frmMain::CurrentFrame() const { return TimeFrame{optGreenwich->isChecked(), ZoneOffsetMinutes()}; }

double frmMain::AjdToCjd(double ajd) const { return TimeZones::AjdToCjd(ajd, CurrentFrame()); }

double frmMain::CjdToAjd(double cjd) const { return TimeZones::CjdToAjd(cjd, CurrentFrame()); }

void frmMain::ShowTimeOfDay() {
    lblTime[1]->setText(QString::fromStdString(TimeZones::TimeLineText(
        state_.dblCurrentAJDate, CurrentFrame(), CalendarRegistry::Calendar(state_.intEntryCalendar))));
}

void frmMain::SelectComputerZone() {
    const int index = TimeZones::ZoneIndexOfOffset(DatePr2::LocalOffsetMinutes(*services_.clock));
    cboTimeZone->setCurrentIndex(index >= 0 ? index : TimeZones::kGmtIndex);
}

void frmMain::TimeLineClicked() {
    txbDate->setText(QString::fromStdString(TimeZones::WithTimeOfDay(
        txbDate->text().toStdString(), state_.dblCurrentAJDate, CurrentFrame(), CalendarRegistry::Calendar(state_.intEntryCalendar))));
}

void frmMain::TimeSystemChosen() {
    ApplyOptionColours();
    if (isVisible() && !state_.blnRestoringHistory) {
        ShowTimeOfDay();
        ShowAllDates();
        SetTheFocus();
    }
}

void frmMain::ZoneChanged() {
    if (!isVisible() || state_.blnRestoringState) {
        ShowTimeOfDay();
        return;
    }
    lblActualEclipseData->clear();
    const int offset = ZoneOffsetMinutes();
    if (offset != state_.intZoneOffset) {
        // The local date and time stay; the absolute moment moves.
        state_.dblCurrentAJDate += (state_.intZoneOffset - offset) / 1440.0;
        state_.intZoneOffset = offset;
    }
    const QString text = ShowMoment();
    if (!state_.blnRestoringHistory) {
        const QString logText = AddHistoryEntry(text, 0);
        if (!logText.isEmpty()) AddLogEntry(logText, "Timezone changed.", "");
    }
    SetTheFocus();
}
