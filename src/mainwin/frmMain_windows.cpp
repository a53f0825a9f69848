// The other windows reached from the main window (help, log, lunation page) and its keys.
#include <QKeyEvent>
#include <QScreen>

#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "help/HelpWindow.h"
#include "lunation_calendar/frmCalendar.h"
#include "mainwin/LogSink.h"
#include "mainwin/frmMain.h"

namespace {
// 800 twips (at 15 twips a pixel): the log window's top below the lunar week row's title.
constexpr int kLogBelowTitle = 53;
}  // namespace

void frmMain::ShowHelp() {
    if (!help_) help_ = new HelpWindow(nullptr);
    help_->setWindowIcon(windowIcon());
    if (help_->isMinimized())
        help_->showNormal();
    else
        help_->show();
    help_->raise();
}

// At the window's left edge, below the title of the row of the calendar whose days begin after
// midnight (the lunar week calendar's).
void frmMain::ViewLog() {
    int row = CalendarRegistry::Count() - 1;
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        if (calendar->dayStart != 0.0) row = calendar->index;
    const ClickableLabel* title = ui_.dateLabels[static_cast<size_t>(row)][0];
    const QPoint below = mapToGlobal(QPoint(0, title->mapTo(this, QPoint(0, 0)).y() + kLogBelowTitle));
    log_->View(QPoint(frameGeometry().left(), below.y()));
}

void frmMain::DisplayCalendar() {
    if (!calendar_) {
        LunationWindowServices services;
        services.dialogs = services_.dialogs;
        services.today = [clock = services_.clock] { return DatePr2::TodayJdn(*clock); };
        services.pictureFolder = QString::fromStdString(pictureFolder_);
        calendar_ = new frmCalendar(this, ui_.cboMonthCalendar, std::move(services));
    }
    calendar_->Open(shown_.ajd, shown_.frame.OffsetInEffect());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowHelp();
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched == ui_.cboPlace->lineEdit()) PlaceChosen();
    if (event->type() == QEvent::FocusOut && watched == ui_.txbDate) {
        const QString trimmed = ui_.txbDate->text().trimmed();
        if (trimmed != ui_.txbDate->text()) ui_.txbDate->setText(trimmed);
    }
    return QWidget::eventFilter(watched, event);
}
