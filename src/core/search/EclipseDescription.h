// The texts of an eclipse found: the eclipse-data label of the main window and the log's line.
#pragma once
#include <string>

#include "astro/phasecalc/phasecalc.h"
#include "core/TimeFrame.h"

namespace Search {

struct EclipseTexts {
    // Up to six lines, each ended by a line break: type, lunation, saros and, for lunar
    // eclipses, when each phase starts and how long it lasts ("Penumbral phase starts 20:41
    // and lasts 4h 35m.").
    std::string label;
    // One line: "Total lunar eclipse, lunation number = 1234, saros number = 125, penumbral
    // phase starts 20:41 and lasts 4h 35m, ...".
    std::string log;
};

// The texts of the eclipse record; the phases' start times are those of the moment on show
// (the greatest eclipse) less each half-duration, in the time frame.
EclipseTexts EclipseDescription(const EclipseData& record, double momentAjd, const TimeFrame& frame);

}  // namespace Search
