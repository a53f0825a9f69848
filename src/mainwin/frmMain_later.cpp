// History, log and the repeated move, as start-up and Now reach them. Each is
// filled in when its part of the window is built; until then they keep no record.
#include "mainwin/frmMain.h"

QString frmMain::AddHistoryEntry(const QString& /*strDate*/, int /*intEclipseType*/) { return {}; }

void frmMain::AddLogEntry(const QString& /*text*/, const QString& /*operation*/, const QString& /*extra*/) {}

void frmMain::StopRepeatedMove() {
    state_.blnRepeating = false;
    state_.blnPaused = false;
    fraStopPauseResume->hide();
}

bool frmMain::LogTextEmpty() const { return true; }
