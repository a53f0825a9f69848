// The keyboard and screen readers: the Tab order through the frames, and the accessible names
// of controls whose caption does not say what they hold.
#include "mainwin/frmMain.h"

void frmMain::SetTabOrderAndNames() {
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
    for (int i = 0; i < CalendarRegistry::Count(); ++i) {
        const CalendarDescriptor& calendar = CalendarRegistry::Calendar(i);
        const QString name = QString::fromUtf8(calendar.name.data(), static_cast<qsizetype>(calendar.name.size()));
        dateLabels_[static_cast<size_t>(i)][1]->setAccessibleName(name);
        dateLabels_[static_cast<size_t>(i)][1]->setAccessibleDescription(
            "The moment on show as a " + name + "; click to copy it into the date box");
    }
}
