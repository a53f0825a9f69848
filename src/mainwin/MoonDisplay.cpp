#include "mainwin/MoonDisplay.h"

#include "mainwin/frmMain.h"

std::optional<double> DeltaTMinutesAt(double /*ajd*/) { return std::nullopt; }

void frmMain::DisplayMoonData(QColor /*colour*/) {
    // The Moon's phase, age and picture join the display with the Moon data module.
}
