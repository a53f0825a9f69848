// The Moon's picture for the main window: the bitmap of the phase with its terminator drawn,
// on the window's navy sky.
#pragma once
#include <QPixmap>
#include <string>

#include "moondata/MoonData.h"

// pictureFolder ends with its separator; a missing bitmap gives a plain drawn disk.
QPixmap MoonPixmap(double illumination, bool waxing, int size, const std::string& pictureFolder);
