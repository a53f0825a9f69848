// The almanac's horizon line and the topocentric apparent place (J. Meeus, Astronomical
// Algorithms, chapters 15, 16 and 40), radians.
#include "astro/sky/HorizonLine.h"

#include <cmath>

#include "astro/sky/EarthFrame.h"

namespace Sky {

namespace {
// The Earth's radius of the horizontal parallax as the almanacs take it, km.
constexpr double kParallaxRadiusKm = 6378.14;
// -0 deg 50': the Sun's semidiameter (16') and the horizon's refraction (34').
constexpr double kSunHorizonLine = -50.0 / 60.0 * kDegree;
// 0 deg 34': the horizon's refraction in the Moon's h0.
constexpr double kHorizonRefraction = 34.0 / 60.0 * kDegree;
// The Moon's h0 = 0.7275 pi - 34': its semidiameter (0.2725 pi) and parallax (pi) taken from
// the geocentric altitude.
constexpr double kMoonParallaxFactor = 0.7275;
}  // namespace

double HorizonLine(Body body, const Vec3& geocentric) {
    if (body == Body::Sun) return kSunHorizonLine;
    const double parallax = std::asin(std::fmin(1.0, kParallaxRadiusKm / geocentric.Length()));
    return kMoonParallaxFactor * parallax - kHorizonRefraction;
}

double AboveHorizonLine(Body body, const Horizon& horizon, const Vec3& geocentric) {
    return AltAzimuthOf(horizon, geocentric).altitude - HorizonLine(body, geocentric);
}

AltAzimuth ApparentAltAzimuth(const Horizon& horizon, const Vec3& geocentric) {
    AltAzimuth a = AltAzimuthOf(horizon, geocentric - horizon.position);
    a.altitude += Refraction(a.altitude);
    return a;
}

}  // namespace Sky
