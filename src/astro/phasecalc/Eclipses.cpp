// Eclipses at new and full moon from the geometry of the Sun, the Moon and the shadows near
// the syzygy; TT. Saros series from the lunation number.
//
// Method: the syzygy itself comes from the corrected phase time (PhaseTimes.cpp and
// PhaseCorrection.cpp, good to a second or two), where the Moon's apparent longitude minus
// the Sun's is exactly 0 or 180 degrees. Around it, the Moon's position relative to the Sun
// (solar) or to the shadow's centre (lunar) is taken from J. Meeus, Astronomical Algorithms,
// 2nd ed., chapter 47 (the Moon: longitude, latitude, distance) and chapter 25 (the Sun, with
// its latitude from the VSOP87 terms of Appendix III) at the syzygy and one hour either side,
// and expressed as quadratics in the time: the longitude difference anchored at zero at the
// syzygy (so the series' absolute error of some 10" in longitude does not shift the times),
// the Moon's latitude over the Sun's or the shadow's, with a correction fitted to eclipse
// gammas (LatitudeCorrectionTerms.cpp, tools/fit_eclipse_latitude.cpp). From these:
// - greatest eclipse: the least distance of the shadow axis from the Earth's centre (solar)
//   or of the Moon's centre from the shadow axis (lunar), found by Newton's method on the
//   distance, the Moon's distance from the Earth included;
// - solar: gamma, the radii l1, l2 of the penumbral and umbral cones on the fundamental plane
//   (the canons' lunar radius 0.2722810 Earth radii for the umbra, 0.2725076 for the penumbra;
//   the Sun's radius 959.63" at 1 AU), and the type from them;
// - lunar: the shadows' angular radii at the Moon (enlarged for the atmosphere as below),
//   magnitudes, and the contacts by Newton's method on the distance, whose half differences
//   are the half-durations.
// Accuracy against a JPL DE431-based ephemeris over -1999..3000 is measured by
// tests/astro/ReferenceTablesTest.cpp and stated in phasecalc.h.
#include <cmath>

#include "astro/phasecalc/EclipseDetail.h"
#include "astro/phasecalc/PhaseCalcDetail.h"

namespace PhaseCalc {

namespace {

constexpr double kEarthRadiusKm = 6378.137;          // equatorial
constexpr double kAstronomicalUnitKm = 149597870.7;
constexpr double kSunRadiusKm = 959.63 / 206264.806 * kAstronomicalUnitKm;
constexpr double kMoonRadiusUmbral = 0.2722810;      // Earth radii, the canons' value
constexpr double kMoonRadiusPenumbral = 0.2725076;   // Earth radii, the mean radius
// The Earth's radius in the fundamental plane within which the shadow axis meets the
// ellipsoid (J. Meeus, chapter 54: the polar flattening projected at a typical declination).
constexpr double kCentralLimit = 0.9972;
// The Earth's shadow at the Moon, enlarged by the atmosphere: the radius of the umbra and of
// the penumbra as the sum of the Moon's and the Sun's parallaxes with the Sun's radius taken
// away or added, each multiplied by a factor, and the Moon's radius for the contacts. The
// three numbers are fitted by tools/fit_lunar_shadow.cpp to the contact times of the lunar
// eclipses -1999..3000 of a JPL DE431-based ephemeris (phases of every length, 23000
// contacts): they agree there to 0.08" (umbra) and 0.16" (penumbra) rms. A. Danjon's rule (the Moon's parallax
// alone enlarged by 1/85) leaves the shadows 0.3" to 0.7" too small, minutes of a short phase.
constexpr double kUmbraFactor = 1.013930;
constexpr double kPenumbraFactor = 1.007933;
constexpr double kMoonRadiusShadow = 0.2725432;  // Earth radii
constexpr double kHour = 1.0 / 24.0;

// Saros series numbers follow the canons' numbering. Along a series the lunation grows by 223
// (one saros); the next series begins 358 lunations (one inex) later. 38 * 223 = 0 and
// 38 * 358 = 1 (mod 223), so 38 k + c runs through the series numbers modulo 223; the window
// lo .. lo + 222 picks the canon's number, lo rising by one every inex.
int32_t SarosNumber(int32_t lunation, bool solar) {
    const int64_t k = lunation;
    const int64_t lo = (k >= 0 ? k / 358 : -((-k + 357) / 358)) + 27;  // floor(k / 358) + 27
    const int64_t residue = 38 * k + (solar ? 112 : 124);
    int64_t s = lo + ((residue - lo) % 223 + 223) % 223;  // s = residue (mod 223), s in [lo, lo+222]
    return static_cast<int32_t>(s);
}

// a + b tau + c tau^2 through the values at tau = -1, 0, 1.
struct Quadratic {
    double a, b, c;
    Quadratic(double minus, double zero, double plus)
        : a(zero), b(0.5 * (plus - minus)), c(0.5 * (plus + minus) - zero) {}
    double operator()(double tau) const { return a + tau * (b + tau * c); }
    double Slope(double tau) const { return b + 2.0 * c * tau; }
};

double Wrap(double radians) {
    return std::remainder(radians, 2.0 * kPi);  // to [-pi, pi]
}

// The Moon's motion relative to the Sun (solar) or the shadow's centre (lunar) near the
// syzygy, tau in hours from it: x along the ecliptic, y across (radians), r the Moon's
// distance (km).
struct RelativeMotion {
    Quadratic x, y, r;
    double sunDistance;  // AU

    double AngleSquared(double tau) const {
        const double xv = x(tau), yv = y(tau);
        return xv * xv + yv * yv;
    }
    // The tau at which r * angle (the distance from the axis, Earth radii times a nearly
    // constant factor) is least.
    double Closest() const {
        double tau = -(x.a * x.b + y.a * y.b) / (x.b * x.b + y.b * y.b);
        for (int i = 0; i < 4; ++i) {
            // f = r^2 (x^2 + y^2); Newton's method on f'.
            const double xv = x(tau), yv = y(tau), xs = x.Slope(tau), ys = y.Slope(tau);
            const double rv = r(tau), rs = r.Slope(tau), rc = 2.0 * r.c;
            const double s = xv * xv + yv * yv, s1 = 2.0 * (xv * xs + yv * ys);
            const double s2 = 2.0 * (xs * xs + xv * 2.0 * x.c + ys * ys + yv * 2.0 * y.c);
            const double f1 = 2.0 * rv * rs * s + rv * rv * s1;
            const double f2 = 2.0 * rs * rs * s + 2.0 * rv * rc * s + 4.0 * rv * rs * s1 + rv * rv * s2;
            if (f2 <= 0.0) break;
            tau -= f1 / f2;
        }
        return tau;
    }
};

RelativeMotion MotionAt(double jde, bool solar, double latitudeCorrection) {
    double x[3], y[3], r[3], sun = 0.0;
    double anchor = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double t = jde + (i - 1) * kHour;
        const MoonPosition moon = MoonAt(t);
        const SunPosition s = SunAt(t);
        if (i == 1) sun = s.distance;
        // The Moon's latitude over the Sun's (solar) or the shadow's, at -beta of the Sun (lunar).
        const double beta = (moon.latitude + latitudeCorrection) * kDegree;
        const double relative = beta + (solar ? -s.latitude : s.latitude) * kDegree;
        const double difference = Wrap((moon.longitude - s.longitude + (solar ? 0.0 : 180.0)) * kDegree);
        x[i] = difference * std::cos(beta);
        y[i] = relative;
        r[i] = moon.distance;
        if (i == 1) anchor = x[i];
    }
    // At the syzygy the apparent longitudes differ by exactly 0 or 180 degrees.
    for (double& v : x) v -= anchor;
    return {Quadratic(x[0], x[1], x[2]), Quadratic(y[0], y[1], y[2]), Quadratic(r[0], r[1], r[2]), sun};
}

// The tau near start where the angle from the axis equals limit(tau) (angles in radians).
template <typename Limit>
double Contact(const RelativeMotion& m, double start, Limit limit) {
    double tau = start;
    for (int i = 0; i < 6; ++i) {
        const double angle = std::sqrt(m.AngleSquared(tau));
        const double slope = (m.x(tau) * m.x.Slope(tau) + m.y(tau) * m.y.Slope(tau)) / angle;
        const double step = 1e-3;
        const double limitSlope = (limit(tau + step) - limit(tau - step)) / (2.0 * step);
        const double derivative = slope - limitSlope;
        if (derivative == 0.0) break;
        const double change = (angle - limit(tau)) / derivative;
        tau -= change;
        if (std::fabs(change) < 1e-7) break;
    }
    return tau;
}

// The shadow cones on the fundamental plane at tau: the distance of the axis from the Earth's
// centre, the radii of the penumbra (l1) and the umbra (l2, negative where total), and the
// tangent of the umbral cone's half-angle (Earth radii; J. Meeus, Elements of Solar Eclipses).
struct Shadow {
    double gamma, l1, l2, tanF2;
};

Shadow ShadowAt(const RelativeMotion& m, double tau) {
    const double theta = std::sqrt(m.AngleSquared(tau));
    const double moon = m.r(tau) / kEarthRadiusKm;                          // Earth radii
    const double sun = m.sunDistance * kAstronomicalUnitKm / kEarthRadiusKm;  // Earth radii
    const double g = std::sqrt(sun * sun + moon * moon - 2.0 * sun * moon * std::cos(theta));
    const double z = (moon * sun * std::cos(theta) - moon * moon) / g;      // Moon above the plane
    const double sunRadius = kSunRadiusKm / kEarthRadiusKm;
    const double sin1 = (sunRadius + kMoonRadiusPenumbral) / g, sin2 = (sunRadius - kMoonRadiusUmbral) / g;
    const double cos1 = std::sqrt(1.0 - sin1 * sin1), cos2 = std::sqrt(1.0 - sin2 * sin2);
    Shadow s;
    s.gamma = moon * sun * std::sin(theta) / g;
    s.l1 = z * sin1 / cos1 + kMoonRadiusPenumbral / cos1;
    s.l2 = z * sin2 / cos2 - kMoonRadiusUmbral / cos2;
    s.tanF2 = sin2 / cos2;
    return s;
}

// The umbra's radius where the shadow axis meets the Earth at tau (negative: total there): on
// the axis the surface is sqrt(1 - gamma^2) nearer the Moon than the fundamental plane, where
// the umbra is smaller by that times tan f2.
double SurfaceUmbra(const Shadow& s) {
    return s.l2 - std::sqrt(std::fmax(1.0 - s.gamma * s.gamma, 0.0)) * s.tanF2;
}

// The kind of a central eclipse along its whole path, as the canons class it: total or annular
// everywhere, or annular-total when the umbra's radius on the surface changes sign anywhere
// between the two ends of the central line. In the middle the surface is nearest the Moon and
// the eclipse most nearly total; at the ends, where the axis grazes the Earth, it is the
// fundamental plane's, and the Moon's distance changes over the two to four hours, so that an
// eclipse total at greatest may be annular at one end only. The ends are where the axis leaves
// the Earth, found by bisection within 4 hours of greatest eclipse (the motion's quadratics,
// fitted over two hours, still hold the shadow to a few kilometres there).
int32_t CentralType(const RelativeMotion& m, double greatest) {
    // The Moon's distance changes the umbra's radius by at most 0.0005 Earth radii over two
    // hours; with the plane's and the surface's radii at greatest eclipse both beyond 0.003 and
    // of one sign, no part of the path can differ.
    constexpr double kClearlyOneKind = 0.003;
    const Shadow atGreatest = ShadowAt(m, greatest);
    const double plane = atGreatest.l2, surface = SurfaceUmbra(atGreatest);
    if (plane < -kClearlyOneKind) return kCentralTotal;
    if (surface > kClearlyOneKind) return kCentralAnnular;
    auto end = [&](double direction) {
        double inside = greatest, outside = greatest + 4.0 * direction;
        for (int i = 0; i < 24; ++i) {  // 4 hours / 2^24: a millisecond
            const double middle = 0.5 * (inside + outside);
            (ShadowAt(m, middle).gamma < 1.0 ? inside : outside) = middle;
        }
        return inside;
    };
    const double first = end(-1.0), last = end(1.0);
    bool total = false, annular = false;
    constexpr int kSamples = 16;
    for (int i = 0; i <= kSamples; ++i) {
        const double u = SurfaceUmbra(ShadowAt(m, first + (last - first) * i / kSamples));
        (u < 0.0 ? total : annular) = true;
    }
    (surface < 0.0 ? total : annular) = true;
    return total && annular ? kCentralHybrid : total ? kCentralTotal : kCentralAnnular;
}

void SolarEclipse(const RelativeMotion& m, double tau, EclipseData& r) {
    const Shadow s = ShadowAt(m, tau);
    const double gamma = s.gamma, l1 = s.l1, l2 = s.l2;
    r.gamma = m.y(tau) < 0.0 ? -gamma : gamma;
    r.u = l2;
    if (gamma > kCentralLimit + l1) return;
    if (gamma < kCentralLimit) {
        r.type = CentralType(m, tau);
        r.magnitude = (l1 - l2) / (l1 + l2);
    } else if (gamma < kCentralLimit + std::fabs(l2)) {
        r.type = l2 < 0.0 ? kNonCentralTotal : kNonCentralAnnular;
        r.magnitude = (l1 - l2) / (l1 + l2);
    } else {
        r.type = kPartialSolar;
        r.magnitude = (kCentralLimit + l1 - gamma) / (l1 + l2);
    }
}

void LunarEclipse(const RelativeMotion& m, double tau, EclipseData& r) {
    const double sunKm = m.sunDistance * kAstronomicalUnitKm;
    const double sunParallax = std::asin(kEarthRadiusKm / sunKm);
    const double sunRadius = std::asin(kSunRadiusKm / sunKm);
    // Angular radii at the Moon's distance at tau: Moon, umbra, penumbra.
    auto moonRadius = [&](double t) { return std::asin(kMoonRadiusShadow * kEarthRadiusKm / m.r(t)); };
    auto umbra = [&](double t) {
        return kUmbraFactor * (std::asin(kEarthRadiusKm / m.r(t)) + sunParallax - sunRadius);
    };
    auto penumbra = [&](double t) {
        return kPenumbraFactor * (std::asin(kEarthRadiusKm / m.r(t)) + sunParallax + sunRadius);
    };
    const double theta = std::sqrt(m.AngleSquared(tau));
    const double s = moonRadius(tau);
    r.gamma = (m.y(tau) < 0.0 ? -1.0 : 1.0) * std::sin(theta) * m.r(tau) / kEarthRadiusKm;
    r.u = 0.0;
    r.magnitude = (umbra(tau) + s - theta) / (2.0 * s);
    r.penumbralMagnitude = (penumbra(tau) + s - theta) / (2.0 * s);
    if (r.penumbralMagnitude <= 0.0) return;
    r.type = r.magnitude >= 1.0 ? kTotalLunar : r.magnitude > 0.0 ? kPartialLunar : kPenumbralLunar;

    // Contacts: the relative speed at greatest eclipse gives the first guesses.
    const double speed = std::hypot(m.x.Slope(tau), m.y.Slope(tau));  // radians per hour
    auto halfDuration = [&](auto limit) {
        const double l = limit(tau);
        const double guess = std::sqrt(std::fmax(l * l - theta * theta, 0.0)) / speed;
        const double before = Contact(m, tau - guess, limit), after = Contact(m, tau + guess, limit);
        return 30.0 * (after - before);  // minutes
    };
    r.halfPenumbral = halfDuration([&](double t) { return penumbra(t) + moonRadius(t); });
    if (r.type >= kPartialLunar) r.halfUmbral = halfDuration([&](double t) { return umbra(t) + moonRadius(t); });
    if (r.type == kTotalLunar) r.halfTotal = halfDuration([&](double t) { return umbra(t) - moonRadius(t); });
}

}  // namespace

void LatitudeBasis(double k, double* basis) {
    const PhaseArguments a = ArgumentsAt(k);
    // Millennia from 2000, held within the eclipse table's span for the amplitudes of the
    // periodic terms, and within the accepted range (-3200..6000) for the drift of the
    // argument of latitude: a difference of mean elements, which goes on beyond the table.
    const double tau = std::fmin(std::fmax(k / 12368.5, -4.0), 1.0);
    const double drift = std::fmin(std::fmax(k / 12368.5, -5.21), 4.01);
    int i = 0;
    basis[i++] = 1.0;
    basis[i++] = tau;
    // F itself, with the drift of the node.
    const double sf = std::sin(a.f), cf = std::cos(a.f);
    basis[i++] = sf;
    basis[i++] = cf;
    basis[i++] = drift * sf;
    basis[i++] = drift * cf;
    basis[i++] = drift * drift * sf;
    basis[i++] = drift * drift * cf;
    // F + j M' + l M (j = -4..4, l = -2..2, not both 0), then 3F + j M' (j = -1..1), then M
    // and 2M (the same on either side of the node: a shift of the shadow axis with the
    // season); the sines and cosines as products of e^(i F), e^(i j M'), e^(i l M).
    double cm[5], sm[5], cp[9], sp[9];  // index l + 2, j + 4
    cm[2] = cp[4] = 1.0;
    sm[2] = sp[4] = 0.0;
    for (int j = 1; j <= 4; ++j) {
        cp[4 + j] = cp[3 + j] * std::cos(a.mPrime) - sp[3 + j] * std::sin(a.mPrime);
        sp[4 + j] = sp[3 + j] * std::cos(a.mPrime) + cp[3 + j] * std::sin(a.mPrime);
        cp[4 - j] = cp[4 + j];
        sp[4 - j] = -sp[4 + j];
        if (j > 2) continue;
        cm[2 + j] = cm[1 + j] * std::cos(a.m) - sm[1 + j] * std::sin(a.m);
        sm[2 + j] = sm[1 + j] * std::cos(a.m) + cm[1 + j] * std::sin(a.m);
        cm[2 - j] = cm[2 + j];
        sm[2 - j] = -sm[2 + j];
    }
    auto add = [&](double c, double s) {
        basis[i++] = s;
        basis[i++] = c;
        basis[i++] = tau * s;
        basis[i++] = tau * c;
    };
    for (int j = -4; j <= 4; ++j)
        for (int l = -2; l <= 2; ++l) {
            if (j == 0 && l == 0) continue;
            // e^(i F) e^(i j M') e^(i l M)
            const double c1 = cf * cp[4 + j] - sf * sp[4 + j], s1 = sf * cp[4 + j] + cf * sp[4 + j];
            add(c1 * cm[2 + l] - s1 * sm[2 + l], s1 * cm[2 + l] + c1 * sm[2 + l]);
        }
    const double c3 = std::cos(3.0 * a.f), s3 = std::sin(3.0 * a.f);
    for (int j = -1; j <= 1; ++j) add(c3 * cp[4 + j] - s3 * sp[4 + j], s3 * cp[4 + j] + c3 * sp[4 + j]);
    for (int l = 1; l <= 2; ++l) add(cm[2 + l], sm[2 + l]);
    // The action of Venus (chapter 47's argument A1, period 273 years), whose terms in the
    // book's latitude leave a residue of that period changing with the time: A1 on either side
    // of the node, cos F and sin F times sin A1 and cos A1.
    const double a1 = ReduceDegrees(119.75 + 131.849 * a.t) * kDegree;
    const double ca = std::cos(a1), sa = std::sin(a1);
    add(cf * ca, cf * sa);
    add(sf * ca, sf * sa);
}

double LatitudeCorrection(double k) {
    const LatitudeCorrectionModel& model = kLatitudeCorrection[k - std::floor(k) < 0.25 ? 0 : 1];
    double basis[kLatitudeCorrectionTerms];
    LatitudeBasis(k, basis);
    double arcseconds = 0.0;
    for (int i = 0; i < kLatitudeCorrectionTerms; ++i) arcseconds += model.coefficients[i] * basis[i];
    return arcseconds / 3600.0;
}

void ComputeEclipse(const PhaseArguments& args, bool solar, double syzygy, EclipseData& r) {
    r.type = 0;
    r.saros = 0;
    r.greatest = 0.0;
    r.u = r.gamma = r.magnitude = r.penumbralMagnitude = 0.0;
    r.halfPenumbral = r.halfUmbral = r.halfTotal = 0.0;

    // Far from a node (|sin F| > 0.36, the Moon more than about 21 degrees of argument of
    // latitude from it) there can be no eclipse.
    if (std::fabs(std::sin(args.f)) > 0.36) return;

    const RelativeMotion motion = MotionAt(syzygy, solar, LatitudeCorrection(args.k));
    const double tau = motion.Closest();
    if (solar) SolarEclipse(motion, tau, r);
    else LunarEclipse(motion, tau, r);
    if (r.type == kNoEclipse) return;
    r.greatest = syzygy + tau * kHour;
    r.saros = SarosNumber(static_cast<int32_t>(std::floor(args.k)), solar);
}

}  // namespace PhaseCalc
