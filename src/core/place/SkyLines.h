// The texts of the sky seen from a place that the window shows: the rise and set line of the
// civil day on show, the tool tip with both bodies' altitude and azimuth, and the lines added to
// the eclipse data.
#pragma once
#include <string>
#include <vector>

#include "astro/phasecalc/phasecalc.h"
#include "astro/sky/LocalEclipse.h"
#include "core/TimeFrame.h"
#include "core/place/Place.h"

namespace SkyLines {

// "Sun: rises 07:41, sets 16:53 · Moon: rises 11:02, sets 21:47, 23° high" for the civil day
// of the moment ajd in the frame (midnight to midnight there). Each body's rises and sets are
// in time order, HH:MM as the time line writes times. A body that does not rise that day (or
// does not set) gets "no rise" ("no set") after its one event; one that neither rises nor sets
// is "up all day" or "down all day". The Moon's part ends with its apparent altitude at the
// moment itself ("23° high", "on the horizon" when it rounds to 0, "below the horizon").
std::string RiseSetLine(const Place& place, double ajd, const TimeFrame& frame);

// "Sun: altitude 23.4°, azimuth 187.2°" and the same for the Moon on a second line, at the
// moment ajd; a third line when delta T is uncertain by a minute or more at that date.
std::string ToolTip(const Place& place, double ajd);

// One or two lines for an eclipse seen from the place called label ("Dallas"):
//   "Seen from Dallas: partial 17:23–20:02 (local), magnitude 0.99, Sun 62° high at maximum"
//   "Total 18:40–18:44, 3 min 51 s" (a central phase), "The Sun rises at 05:58 during the eclipse"
//   "Not seen from Paris (below the horizon)", "Not seen from Paris (outside the Moon's penumbra)"
//   "Seen from Tokyo: Moon 40° high at greatest eclipse"
// Times in the frame with the time line's marker. Empty for an invalid record.
std::vector<std::string> SolarLines(const std::string& label, const Sky::SolarLocal& local, const TimeFrame& frame);
std::vector<std::string> LunarLines(const std::string& label, const Sky::LunarLocal& local, const TimeFrame& frame);

// The lines of the eclipse record (a new or full moon from syzyg) seen from the place; the
// greatest eclipse in UT as the eclipse list gives it.
std::vector<std::string> EclipseLines(const std::string& label, const Place& place, const EclipseData& record,
                                      double greatestUt, const TimeFrame& frame);

}  // namespace SkyLines
