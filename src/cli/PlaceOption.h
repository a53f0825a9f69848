// --place of selvanor-cli: typed coordinates or a city of the time-zone database's list, and
// the "local" JSON object of an eclipse seen from it.
#pragma once
#include <iosfwd>
#include <optional>
#include <string>

#include "astro/phasecalc/phasecalc.h"
#include "core/place/PlaceChoice.h"

namespace Cli {

// The place a --place value means, or nullopt with the reason (and for an ambiguous or
// unknown city the candidates) written to err, prefixed with "selvanor-cli COMMAND: ". The
// city list is read from $TZDIR when set, else /usr/share/zoneinfo.
std::optional<PlaceChoice> ReadPlaceOption(const std::string& command, const std::string& value, std::ostream& err);

// What a PLACE may be, for the help of the commands that take one.
std::string PlaceHelp();

// {"visible": ..., "type": ..., "c1": ... } (solar) or {"visible": ..., "p1": ..., "moon_altitude":
// {...}} (lunar) for the eclipse record seen from the place; "null" for a record of no eclipse.
// greatestUt: the greatest eclipse in UT as the eclipse list gives it.
std::string LocalJson(const Place& place, const EclipseData& record, double greatestUt);

}  // namespace Cli
