// The keyboard and screen readers: the Tab order through the frames, and the accessible names
// of controls whose caption does not say what they hold.
#include "mainwin/AccessibleNames.h"
#include "mainwin/frmMain.h"

void frmMain::SetTabOrderAndNames() {
    AccessibleNames::Install();
    // Entry first, then the controls top to bottom on the right, then the left side's Now and
    // time frame. Option pairs are one stop each (arrow keys choose within them).
    const QWidget* order[] = {txbDate,        cmdClearDate,     cmdCompute,     optPlus,          optMinus,
                              txbPlusMinus,   cmdReset,         cmdMove,        optMoveDirection[0],
                              optMoveDirection[1], cboMoveStep, chkRepeatedly,  cmdStop,          cmdPauseResume,
                              cboRefreshPeriod, cmdSearch,      optNext,        optPrevious,      cboTarget,
                              cmdDisplayCalendar, cboMonthCalendar, cboHistory, chkLog,           cmdLogThisResult,
                              cmdViewLog,     cmdLogPreferences, cmdSaveState,  cmdHelp,          cmdQuit,
                              cmdNow,         cboTimeZone,      optLocal,       optGreenwich,     cmdSarosSeries};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));

    const std::pair<QWidget*, const char*> names[] = {
        {txbDate, "Enter date/time"},
        {txbPlusMinus, "Days to add or subtract"},
        {cboTimeZone, "Time zone"},
        {cboMoveStep, "Move step"},
        {cboRefreshPeriod, "Refresh period in seconds"},
        {cboTarget, "Search target"},
        {cboMonthCalendar, "Calendar of the lunation page"},
        {cboHistory, "History"},
        {picMoon, "Picture of the Moon"},
    };
    for (const auto& [widget, name] : names) widget->setAccessibleName(name);
    // On Linux a list is named by its label (its own name is its choice): the visible captions
    // where there are some, hidden ones elsewhere.
    lblTimeSystem->setBuddy(cboTimeZone);
    lblRefreshPeriod->setBuddy(cboRefreshPeriod);
    for (QWidget* list : {static_cast<QWidget*>(cboMoveStep), static_cast<QWidget*>(cboTarget),
                          static_cast<QWidget*>(cboMonthCalendar), static_cast<QWidget*>(cboHistory)})
        AccessibleNames::Caption(list, list->accessibleName());
    picCheck->setAccessibleName("The moment on show follows the computer's clock");
    // Each value is read with its title ("Common Era: 2026-12-08 CE ...").
    for (const LabelPair& pair : {lblPhaseOfMoon, lblAgeOfMoon, lblTime, lblDeltaT})
        AccessibleNames::Pair(pair[0], pair[1]);
    for (int i = 0; i < CalendarTable::intNumCalendars; ++i) {
        const CalendarDescriptor& calendar = CalendarRegistry::Calendar(i);
        const QString name = QString::fromUtf8(calendar.name.data(), static_cast<qsizetype>(calendar.name.size()));
        const LabelPair& pair = dateLabels_[static_cast<size_t>(i)];
        AccessibleNames::Pair(pair[0], pair[1]);
        pair[1]->setAccessibleDescription("The moment on show as a " + name + "; click to copy it into the date box");
    }
}
