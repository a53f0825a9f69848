// Time zones, Greenwich or local time, the time line and its click.
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "mainwin/core/CalendarTable.h"
#include "mainwin/frmMain.h"

int frmMain::ZoneOffsetMinutes() const {
    return TimeZones::ZoneOffsetMinutes(cboTimeZone->currentText().toStdString());
}

TimeFrame frmMain::CurrentFrame() const { return TimeFrame{optGreenwich->isChecked(), ZoneOffsetMinutes()}; }

double frmMain::AjdToCjd(double ajd) const { return TimeZones::AjdToCjd(ajd, CurrentFrame()); }

double frmMain::CjdToAjd(double cjd) const { return TimeZones::CjdToAjd(cjd, CurrentFrame()); }

void frmMain::ShowTimeOfDay() {
    std::string clock;
    if (blnLiveClock) {
        // The computer's local clock as HH:MM, whatever layout its time text has.
        const double local = DatePr2::CurrentAjd(*services_.clock) + 0.5 +
                             DatePr2::LocalOffsetMinutes(*services_.clock) / 1440.0;
        clock = DatePr2::FormatTimeOfDay(local - std::floor(local));
    }
    const bool qlw = intEntryCalendar == CalendarTable::CalendarIndex("QLW");
    lblTime[1]->setText(QString::fromStdString(
        TimeZones::TimeLineText(dblCurrentAJDate, CurrentFrame(), qlw, blnLiveClock, clock)));
}

void frmMain::TimeLineClicked() {
    const bool qlw = intEntryCalendar == CalendarTable::QLW;
    txbDate->setText(QString::fromStdString(
        TimeZones::WithTimeOfDay(txbDate->text().toStdString(), dblCurrentAJDate, CurrentFrame(), qlw)));
}

void frmMain::TimeSystemChosen() {
    ApplyOptionColours();
    if (isVisible() && !blnRestoringHistory) {
        ShowTimeOfDay();
        ShowAllDates();
        SetTheFocus();
    }
}

void frmMain::ZoneChanged() {
    if (!isVisible() || blnRestoringState) {
        ShowTimeOfDay();
        return;
    }
    lblActualEclipseData->clear();
    const int offset = ZoneOffsetMinutes();
    if (offset != intZoneOffset) {
        // The local date and time stay; the absolute moment moves.
        dblCurrentAJDate += (intZoneOffset - offset) / 1440.0;
        intZoneOffset = offset;
    }
    ShowTimeOfDay();
    const QString text = ShowAllDates();
    DisplayMoonData(QColor(0, 0, 128));
    ShowDeltaT();
    if (!blnRestoringHistory) {
        const QString logText = AddHistoryEntry(text, 0);
        if (!logText.isEmpty()) AddLogEntry(logText, "Timezone changed.", "");
    }
    SetTheFocus();
}
