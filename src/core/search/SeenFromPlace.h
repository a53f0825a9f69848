// The eclipse searches' filter "seen from the place": an eclipse passes when it is seen from
// there (the Sun, or the Moon, above its rise/set horizon line during the eclipse; Sky's
// local circumstances decide).
#pragma once

#include "core/place/Place.h"
#include "core/search/SearchEngine.h"

namespace Search {

bool IsSeenFrom(const Place& place, const EclipseData& record, double greatestAjd);
EclipseFilter SeenFrom(const Place& place);

}  // namespace Search
