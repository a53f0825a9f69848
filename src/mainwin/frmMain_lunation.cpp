// Opening the lunation window from "Display lunation with" and the calendar list beside it.
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "lunation_calendar/frmCalendar.h"
#include "mainwin/frmMain.h"

void frmMain::DisplayCalendar() {
    if (!calendar_) {
        LunationWindowServices services;
        services.dialogs = services_.dialogs;
        services.today = [clock = services_.clock] { return DatePr2::TodayJdn(*clock); };
        services.pictureFolder = QString::fromStdString(state_.strPicPath);
        calendar_ = new frmCalendar(this, cboMonthCalendar, std::move(services));
    }
    const TimeFrame frame = CurrentFrame();
    calendar_->Open(state_.dblCurrentAJDate, LunationPage::FrameOffsetMinutes(frame.greenwich, frame.zoneOffsetMinutes));
}
