// Saved state, as start-up and Quit reach it; it keeps no record until its part is built.
#include "mainwin/frmMain.h"

bool frmMain::ReadSavedState() { return false; }

void frmMain::SaveState() {}
