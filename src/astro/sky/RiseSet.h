// Rise, upper transit and set of the Sun and the Moon at a place, the almanac's way, and the
// two bodies' apparent altitude and azimuth there at any moment.
//
// Convention: a body rises or sets when the geocentric altitude of its centre above the place's
// horizon plane is h0 = -0 deg 50' (Sun) or 0.7275 pi - 0 deg 34' (Moon, pi its horizontal
// parallax asin(6378.14 km / distance)): the Moon's h0 already holds its parallax, so it is
// compared with the geocentric altitude. The horizon is at sea level whatever the height. An
// upper transit (meridian crossing) is listed when the body is then above that line. Altitudes
// and azimuths reported are topocentric, with Saemundsson's refraction (Observer.h).
//
// Time scales: UT Julian dates in and out; the places are computed in TT with delta T from
// DeltaTSecondsAt (the Espenak-Meeus 2006 expressions).
// Method and measured accuracy: RiseSet.cpp.
#pragma once
#include <functional>
#include <vector>

#include "astro/sky/HorizonLine.h"
#include "astro/sky/Observer.h"

namespace Sky {

enum class EventKind { Rise, Transit, Set };

struct SkyEvent {
    Body body;
    EventKind kind;
    double jdUt;
    double azimuth;   // degrees from north through east, [0, 360)
    double altitude;  // apparent (topocentric, refracted) degrees
};

// Every rise, transit and set of both bodies in [fromUt, toUt), in time order. Spans of any
// length are worked through in pieces; a non-finite or empty span gives nothing.
void ForEachEvent(const Observer& observer, double fromUt, double toUt,
                  const std::function<void(const SkyEvent&)>& visit);
std::vector<SkyEvent> Events(const Observer& observer, double fromUt, double toUt);

// A body's place seen from the observer at a UT Julian date: apparent altitude and azimuth in
// degrees, and whether it is above its rise/set horizon line.
struct BodyPosition {
    double altitude, azimuth;
    bool aboveHorizonLine;
};
BodyPosition PositionAt(const Observer& observer, Body body, double jdUt);

}  // namespace Sky
