// Compute: the date box and the days box to a new displayed moment; entry errors; clicks on
// the date labels.
#include "mainwin/core/CalendarTable.h"
#include "mainwin/core/ComputeSteps.h"
#include "mainwin/core/EntryParser.h"
#include "mainwin/frmMain.h"

void frmMain::ReportEntryError(int error) {
    Message(DialogService::Icon::Warning, kEntryErrorTitle, QString::fromStdString(EntryErrorText(error)));
}

EntryResult frmMain::ParseDateBox() {
    EntryContext context;
    context.entryCalendar = intEntryCalendar;
    context.restoringHistory = blnRestoringHistory;
    context.daysBoxEmpty = txbPlusMinus->text().trimmed().isEmpty();
    context.frame = CurrentFrame();
    context.entryCalendarDateText = [this] {
        CopyEntryCalendarDate();
        return txbDate->text().toStdString();
    };
    EntryResult result = ParseDateEntry(txbDate->text().toStdString(), context);
    if (result.dateBoxChanged) txbDate->setText(QString::fromStdString(result.dateBox));
    if (result.error == 0) {
        intEntryCalendar = result.calendarIndex;
        MarkEntryCalendar();
    }
    return result;
}

void frmMain::Compute() {
    const QString date = txbDate->text().trimmed();
    txbDate->setText(date);
    if (date.isEmpty()) {
        ReportEntryError(19);
        return;
    }
    lngEclipseLunation = -10000000;
    const QString days = txbPlusMinus->text().trimmed();
    txbPlusMinus->setText(days);
    const auto amount = ComputeSteps::ReadDaysAmount(days.toStdString());
    EntryResult entry;
    entry.error = amount ? 0 : 14;
    if (amount) entry = ParseDateBox();
    if (entry.error >= 1) {
        ReportEntryError(entry.error);
        SetTheFocus();
        return;
    }
    double ajd = entry.ajd;
    if (amount->present) {
        ajd += optPlus->isChecked() ? amount->value : -amount->value;
    } else if (ajd == dblCurrentAJDate) {
        Message(DialogService::Icon::Warning, "Compute date", "Nothing to do!");
        return;
    }
    if (CheckRange(ajd)) return;
    lblActualEclipseData->clear();
    blnLiveClock = false;
    picCheck->hide();
    dblCurrentAJDate = ajd;
    ShowTimeOfDay();
    const QString text = ShowAllDates();
    CopyEntryCalendarDate();
    DisplayMoonData(QColor(0, 0, 128));
    ShowDeltaT();
    const QString logText = AddHistoryEntry(text, 0);
    AddLogEntry(logText, QString::fromStdString(ComputeSteps::OperationText(days.toStdString(), optPlus->isChecked())),
                "");
}

bool frmMain::CheckRange(double ajd) {
    const std::string message = ComputeSteps::RangeMessage(ajd);
    if (message.empty()) return false;
    Message(DialogService::Icon::Warning, ComputeSteps::kRangeTitle, QString::fromStdString(message));
    return true;
}

void frmMain::CopyEntryCalendarDate() { DateLabelClicked(intEntryCalendar, true); }

void frmMain::DateLabelClicked(int calendarIndex, bool value) {
    using namespace CalendarTable;
    if (calendarIndex < 0 || calendarIndex >= intNumCalendars) return;
    intEntryCalendar = calendarIndex;
    if (calendarIndex != CJD && calendarIndex != AJD) ShowTimeOfDay();
    if (value) {
        txbDate->setText(QString::fromStdString(DateBoxTextOfLabel(lastDisplay_, calendarIndex, CurrentFrame())));
    }
    MarkEntryCalendar();
    SetTheFocus();
}
