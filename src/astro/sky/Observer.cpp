// The observer's place on the WGS 84 ellipsoid and the horizon (J. Meeus, Astronomical
// Algorithms, chapters 11, 13 and 16 in vector form).
#include "astro/sky/Observer.h"

#include <cmath>

#include "astro/sky/EarthFrame.h"

namespace Sky {

namespace {
constexpr double kEquatorialRadiusKm = 6378.137;         // WGS 84
constexpr double kFlattening = 1.0 / 298.257223563;      // WGS 84
constexpr double kEccentricitySquared = kFlattening * (2.0 - kFlattening);
}  // namespace

Horizon HorizonAt(const Observer& observer, double siderealTime) {
    const double phi = observer.latitude * kDegree;
    const double theta = siderealTime + observer.longitude * kDegree;  // local sidereal time
    const double sp = std::sin(phi), cp = std::cos(phi), st = std::sin(theta), ct = std::cos(theta);
    // Radius of curvature in the prime vertical, then the geocentric place (km).
    const double n = kEquatorialRadiusKm / std::sqrt(1.0 - kEccentricitySquared * sp * sp);
    const double h = observer.height / 1000.0;
    Horizon z;
    z.position = {(n + h) * cp * ct, (n + h) * cp * st, (n * (1.0 - kEccentricitySquared) + h) * sp};
    z.up = {cp * ct, cp * st, sp};
    z.north = {-sp * ct, -sp * st, cp};
    z.east = {-st, ct, 0.0};
    return z;
}

AltAzimuth AltAzimuthOf(const Horizon& horizon, const Vec3& direction) {
    const double up = direction.Dot(horizon.up);
    const double north = direction.Dot(horizon.north), east = direction.Dot(horizon.east);
    AltAzimuth a;
    a.altitude = std::atan2(up, std::hypot(north, east));
    a.azimuth = std::atan2(east, north);
    if (a.azimuth < 0.0) a.azimuth += 2.0 * kPi;
    return a;
}

double Refraction(double trueAltitude) {
    const double h = trueAltitude / kDegree;
    if (!(h >= -1.0)) return 0.0;
    const double arcminutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kDegree);
    return arcminutes / 60.0 * kDegree;
}

}  // namespace Sky
