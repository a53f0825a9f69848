// The program's colours as Qt colours.
#pragma once
#include <QColor>

#include "support/Colours.h"

inline QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }
