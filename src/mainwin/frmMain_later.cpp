// History, log, saved state and the repeated move, as start-up and Now reach them. Each is
// filled in when its part of the window is built; until then they keep no record.
#include "mainwin/frmMain.h"

QString frmMain::AddHistoryEntry(const QString& /*strDate*/, int /*intEclipseType*/) { return {}; }

void frmMain::AddLogEntry(const QString& /*text*/, const QString& /*operation*/, const QString& /*extra*/) {}

bool frmMain::ReadSavedState() { return false; }

void frmMain::SaveState() {}

bool frmMain::LogTextEmpty() const { return true; }
