// Must not compile: the core sees no window.
#include "mainwin/frmMain.h"
