// Apparent places at nodes and four-point Lagrange interpolation between them (J. Meeus,
// Astronomical Algorithms, chapter 3, in the form for equal steps); UT in, TT at the nodes.
#include "astro/sky/SkyTrack.h"

#include <algorithm>
#include <cmath>

#include "astro/sky/EarthFrame.h"

namespace Sky {

SkyTrack::SkyTrack(double fromUt, double toUt, const MoonCorrection& correction) {
    if (!(toUt >= fromUt)) toUt = fromUt;
    // One node before the span and two after it, so that every instant inside has two nodes on
    // either side.
    start_ = fromUt - kStepDays;
    const int count = static_cast<int>(std::ceil((toUt - fromUt) / kStepDays)) + 4;
    nodes_.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double ut = start_ + i * kStepDays;
        const double jde = TtOfUt(ut);
        const Nutation nutation = NutationAt(jde);
        Node& n = nodes_[static_cast<size_t>(i)];
        n.sun = EquatorialVector(SunPlace(jde, nutation), nutation);
        n.moon = EquatorialVector(MoonPlace(jde, nutation, correction), nutation);
        n.equationOfEquinoxes = EquationOfEquinoxes(nutation);
    }
}

SkyTrack::Sample SkyTrack::At(double jdUt) const {
    const double position = (jdUt - start_) / kStepDays;
    const int last = static_cast<int>(nodes_.size()) - 3;
    const int i = std::clamp(static_cast<int>(std::floor(position)), 1, last);  // nodes i-1 .. i+2
    const double u = position - i;
    const double w[4] = {-u * (u - 1.0) * (u - 2.0) / 6.0, (u + 1.0) * (u - 1.0) * (u - 2.0) / 2.0,
                         -(u + 1.0) * u * (u - 2.0) / 2.0, (u + 1.0) * u * (u - 1.0) / 6.0};
    Sample s;
    s.sun = s.moon = Vec3{};
    double equation = 0.0;
    for (int j = 0; j < 4; ++j) {
        const Node& n = nodes_[static_cast<size_t>(i - 1 + j)];
        s.sun = s.sun + n.sun * w[j];
        s.moon = s.moon + n.moon * w[j];
        equation += n.equationOfEquinoxes * w[j];
    }
    s.siderealTime = MeanSiderealTime(jdUt) + equation;
    return s;
}

}  // namespace Sky
