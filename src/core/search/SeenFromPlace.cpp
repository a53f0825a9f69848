#include "core/search/SeenFromPlace.h"

#include "astro/sky/LocalEclipse.h"

namespace Search {

bool IsSeenFrom(const Place& place, const EclipseData& record, double greatestAjd) {
    if (record.type >= 1 && record.type <= 7) return Sky::SolarCircumstances(ObserverOf(place), record).visible;
    if (record.type >= 8 && record.type <= 10)
        return Sky::LunarCircumstances(ObserverOf(place), record, greatestAjd).visible;
    return false;
}

EclipseFilter SeenFrom(const Place& place) {
    return [place](const EclipseData& record, double greatestAjd) { return IsSeenFrom(place, record, greatestAjd); };
}

}  // namespace Search
