// Must not compile: the log window sees the windows' common support, not the main window.
#include "mainwin/frmMain.h"
