// Saved state and the repeated move, as start-up and Now reach them. Each is filled in when its
// part of the window is built; until then they keep no record.
#include "mainwin/frmMain.h"

bool frmMain::ReadSavedState() { return false; }

void frmMain::SaveState() {}

// The eclipse-data label is filled by the search's eclipse description; until searching is
// built, no eclipse is described.
QString frmMain::ShowEclipseData(int32_t /*lunation*/, int /*phase*/) { return {}; }
