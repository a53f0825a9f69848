// selvanor-cli eclipses --json, and the eclipse seen from a place (--place) in its listings.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "astro/Listings.h"
#include "core/TimeFrame.h"
#include "core/place/Place.h"

namespace Cli {

// An array of {"lunation", "phase", "type", "type_text", "saros", "greatest", "jd_tt_greatest",
// "jd_ut_greatest", "half_penumbral_min", "half_umbral_min", "half_total_min",
// "delta_t_sigma_min"}, one object a line, each with "local" (LocalJson) when place is given.
void PrintEclipsesJson(const std::vector<Listings::EclipseRow>& rows, const TimeFrame& frame, const Place* place,
                       std::ostream& out);

// The window's lines of the eclipse seen from the place (SkyLines), each indented by two blanks.
void PrintLocalLines(const Listings::EclipseRow& row, const std::string& label, const Place& place,
                     const TimeFrame& frame, std::ostream& out);

}  // namespace Cli
