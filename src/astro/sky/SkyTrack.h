// The apparent geocentric places of the Sun and the Moon over a span of UT, computed at nodes
// a few hours apart and interpolated: the rise and set search and the eclipse contacts ask for
// thousands of instants, each as good as the series at the nodes.
#pragma once
#include <vector>

#include "astro/sky/ApparentPlaces.h"
#include "astro/sky/Vector.h"

namespace Sky {

class SkyTrack {
public:
    // Node spacing in days. Four-point Lagrange interpolation of the vectors at this spacing
    // departs from the series by under 0.001" (tests/astro/SkyTest.cpp).
    static constexpr double kStepDays = 2.0 / 24.0;

    struct Sample {
        Vec3 sun, moon;        // km, true equator and equinox of date
        double siderealTime;   // Greenwich apparent sidereal time, radians
    };

    // A track covering the UT Julian dates [fromUt, toUt]; delta T from DeltaTSecondsAt.
    SkyTrack(double fromUt, double toUt, const MoonCorrection& correction = {});

    // The places at a UT Julian date inside the span (outside it, the end nodes' polynomial).
    Sample At(double jdUt) const;

private:
    struct Node {
        Vec3 sun, moon;
        double equationOfEquinoxes;
    };
    double start_ = 0.0;
    std::vector<Node> nodes_;
};

}  // namespace Sky
