// The program ends as Quit does, state saved, when the system ends it: SIGTERM, SIGINT or the
// end of the desktop session.
#pragma once

class QApplication;
class frmMain;

void EndAsQuitWhenTheSystemAsks(QApplication& app, frmMain& window);
