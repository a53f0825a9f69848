// Everything the monkey knows about how the windows are built: how the main window is started,
// how what it shows is read from its controls, and how time is made to pass. The actions and
// invariants (Monkey.cpp) go through the controls' object names only; when the windows change
// inside, this file is the one to adapt.
#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

#include "calendars/registry/CalendarRegistry.h"
#include "core/DateDisplay.h"
#include "core/TimeFrame.h"
#include "dates/ClockService.h"
#include "gui_support/DialogService.h"

namespace Glue {

// The main window on a clock, a dialog service and a state folder, after its start-up (shown).
std::unique_ptr<QWidget> StartMainWindow(std::shared_ptr<const ClockService> clock,
                                         std::shared_ptr<DialogService> dialogs, const QString& stateFolder);

// The top-level window of that object name (frmLog, frmLogPreferences, frmCalendar,
// frmSarosSeries, frmHelp), or nullptr.
QWidget* TopLevel(const char* objectName);

// What the main window shows, read from its controls.
struct Shown {
    QString ajdText;  // the AJD label
    double ajd = 0.0;
    bool ajdRead = false;                                       // ajdText is a number with the code AJD
    std::array<QString, CalendarTable::kBuiltInCount> dates;  // value labels, by calendar index
    int entryCalendar = -1;  // the calendar whose title is marked; -1 unless exactly one is
    TimeFrame frame;         // Greenwich or Local, and the zone list's offset
    QString timeLine;
    QString eclipse;         // the eclipse-data label
    bool liveClock = false;  // the check mark beside Now
    bool moving = false;     // the Stop/Pause frame is shown
    bool paused = false;     // its button offers Resume
    QStringList history;     // oldest first
    int historyShown = -1;
    qsizetype logSize = 0;  // characters in the log (0 without a log window)
};
Shown Read(QWidget* main);

// The number format the dates are shown in (the user's locale), and a CJD or AJD label read
// back ("2,451,545.0000 AJD").
NumberFormat DisplayFormat();
bool ReadJulianNumber(QString text, const QString& code, double& value);

// Time passes: every timer of the main window that is running fires once (the live clock, the
// repeated move). Nothing else makes a timer fire in a monkey run, so a seed repeats exactly.
void LetTimePass(QWidget* main);

// Runs what is posted (deferred deletions too), but no timer.
void Settle();

}  // namespace Glue
