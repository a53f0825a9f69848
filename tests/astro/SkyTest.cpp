// The pieces of the sky from a place: J. Meeus's worked examples (chapters 11, 12, 25), the Sun
// against the ephemeris' longitudes, the interpolated track against the series it samples, and
// the refraction against the reference's apparent and true altitudes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/CsvTable.h"
#include "astro/sky/ApparentPlaces.h"
#include "astro/sky/EarthFrame.h"
#include "astro/sky/Observer.h"
#include "astro/sky/SkyTrack.h"

using namespace Sky;

TEST(Sky, WorkedExamples) {
    // 12.a: 1987 April 10, 0h UT: mean sidereal time 13h10m46.3668s, apparent 13h10m46.1351s.
    const double jd = 2446895.5;
    const double hours = 12.0 / kPi;
    EXPECT_NEAR(MeanSiderealTime(jd) * hours, 13.0 + 10.0 / 60.0 + 46.3668 / 3600.0, 0.0001 / 3600.0);
    const Nutation n = NutationAt(jd);
    EXPECT_NEAR((MeanSiderealTime(jd) + EquationOfEquinoxes(n)) * hours, 13.0 + 10.0 / 60.0 + 46.1351 / 3600.0,
                0.002 / 3600.0);
    // 25.b: 1992 October 13.0 TD, apparent longitude 199 deg 54' 21.818", R = 0.99760775 AU.
    const double jde = 2448908.5;
    const EclipticPlace sun = SunPlace(jde, NutationAt(jde));
    EXPECT_NEAR(std::remainder(sun.longitude / kDegree - (199.0 + 54.0 / 60.0 + 21.818 / 3600.0), 360.0), 0.0,
                0.05 / 3600.0);
    EXPECT_NEAR(sun.distance / 149597870.7, 0.99760775, 2e-8);
    // 11.a: Palomar, 33 deg 21' 22" N, 1706 m: rho sin phi' = 0.546861, rho cos phi' = 0.836339
    // (equatorial radii); the book's ellipsoid differs from WGS 84 in the sixth digit.
    const Horizon h = HorizonAt(Observer{33.0 + 21.0 / 60.0 + 22.0 / 3600.0, 0.0, 1706.0}, 0.0);
    EXPECT_NEAR(h.position.z / 6378.14, 0.546861, 2e-6);
    EXPECT_NEAR(std::hypot(h.position.x, h.position.y) / 6378.14, 0.836339, 2e-6);
}

// The apparent longitude of the Sun (VSOP87) at the 1000 instants of positions.csv, in TT.
TEST(Sky, SunAgainstEphemeris) {
    const CsvTable table("positions.csv");
    ASSERT_GT(table.size(), 900u);
    std::vector<double> errors;
    for (size_t i = 0; i < table.size(); ++i) {
        const double jde = table.Number(i, "jd_tt");
        const double reference = table.Number(i, "sun_lon_rad");
        errors.push_back(std::fabs(std::remainder(SunPlace(jde, NutationAt(jde)).longitude - reference, 2.0 * kPi)) /
                         kArcsecond);
    }
    std::sort(errors.begin(), errors.end());
    std::printf("Sun (VSOP87), 1600..2100: median %.2f\", largest %.2f\"\n", errors[errors.size() / 2], errors.back());
    EXPECT_LT(errors[errors.size() / 2], 0.6);
    EXPECT_LT(errors.back(), 1.5);
}

// Interpolated places against the series at instants between the nodes, over the whole range.
TEST(Sky, TrackFollowsTheSeries) {
    double largest = 0.0;
    for (double from = 560000.0; from < 3900000.0; from += 123456.789) {
        const SkyTrack track(from, from + 1.0);
        for (double t = from; t <= from + 1.0; t += 0.0371) {
            const SkyTrack::Sample s = track.At(t);
            const double jde = TtOfUt(t);
            const Nutation n = NutationAt(jde);
            largest = std::max({largest, AngleBetween(s.sun, EquatorialVector(SunPlace(jde, n), n)),
                                AngleBetween(s.moon, EquatorialVector(MoonPlace(jde, n), n))});
            const double st = MeanSiderealTime(t) + EquationOfEquinoxes(n);
            EXPECT_NEAR(std::remainder(s.siderealTime - st, 2.0 * kPi), 0.0, 1e-9);
        }
    }
    EXPECT_LT(largest / kArcsecond, 0.01);
}

// Saemundsson's refraction is what separates the reference's apparent and true altitudes (each
// rounded to 0.0001 degree).
TEST(Sky, RefractionAsTheReference) {
    const CsvTable table("local-sample.csv");
    int rows = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        if (table.Text(i, "altitude_deg").empty()) continue;
        const double apparent = table.Number(i, "altitude_deg"), trueAltitude = table.Number(i, "altitude_true_deg");
        EXPECT_NEAR(trueAltitude + Refraction(trueAltitude * kDegree) / kDegree, apparent, 0.0002) << "row " << i;
        ++rows;
    }
    EXPECT_GT(rows, 100);
}
