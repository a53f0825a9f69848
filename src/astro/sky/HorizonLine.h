// The rise/set horizon line of the Sun and the Moon and what the observer sees of a body: the
// almanac's convention, stated in RiseSet.h.
#pragma once

#include "astro/sky/Observer.h"
#include "astro/sky/Vector.h"

namespace Sky {

enum class Body { Sun, Moon };

// h0 in radians for a body at the geocentric place (km): -0 deg 50' for the Sun; for the Moon
// 0.7275 pi - 0 deg 34', pi = asin(6378.14 km / distance) its horizontal parallax.
double HorizonLine(Body body, const Vec3& geocentric);

// The geocentric altitude above the horizon plane minus h0, radians: positive while the body
// is "up" in the almanac's sense.
double AboveHorizonLine(Body body, const Horizon& horizon, const Vec3& geocentric);

// The topocentric place of a body at the geocentric place (km) with refraction: apparent
// altitude and azimuth, radians.
AltAzimuth ApparentAltAzimuth(const Horizon& horizon, const Vec3& geocentric);

}  // namespace Sky
