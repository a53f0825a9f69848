// An observer on the WGS 84 ellipsoid and the horizon there: geocentric position, altitude
// and azimuth of a body, atmospheric refraction.
#pragma once

#include "astro/sky/Vector.h"

namespace Sky {

// Geodetic latitude and longitude (degrees, north and east positive) and height above the
// ellipsoid (metres).
struct Observer {
    double latitude = 0.0, longitude = 0.0, height = 0.0;
};

// The horizon of an observer at one instant, in the true equator and equinox of date: the
// observer's geocentric position (km) and the unit vectors of the local vertical (the
// ellipsoid's normal), north and east.
struct Horizon {
    Vec3 position, up, north, east;
};
// siderealTime: Greenwich apparent sidereal time, radians.
Horizon HorizonAt(const Observer& observer, double siderealTime);

// Altitude above the horizon plane and azimuth from north through east of a direction,
// radians (azimuth in [0, 2 pi)).
struct AltAzimuth {
    double altitude, azimuth;
};
AltAzimuth AltAzimuthOf(const Horizon& horizon, const Vec3& direction);

// Refraction in radians for a true altitude in radians: G. G. Saemundsson's formula (J. Meeus,
// Astronomical Algorithms, 16.4) for 1010 hPa and 10 C; none below a true altitude of -1
// degree, where the formula no longer describes the air.
double Refraction(double trueAltitude);

}  // namespace Sky
