// The Moon's state at a moment: lunation, age, illumination and phase, from the ephemeris.
#include <cmath>
#include <cstdint>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "astro/suncalc/suncalc.h"
#include "moondata/MoonData.h"

namespace MoonData {

double Elongation(double a, double b) {
    double d1 = a - b;
    if (d1 < 0) d1 += SolEq::TwoPi;
    double d2 = b - a;
    if (d2 < 0) d2 += SolEq::TwoPi;
    return d1 < d2 ? d1 : d2;
}

Ephemeris SyzygEphemeris() {
    Ephemeris e;
    e.moonLongitude = [](double x) { return Syzyg::MoonLongitude(x); };
    e.sunLongitude = [](double x) { return sun_app(x, nullptr); };
    e.lunationAt = [](double x) { return Syzyg::LunationAt(x); };
    e.phaseTime = [](int32_t n, int k) {
        EclipseData record{};  // our own record: the shared one belongs to the searches
        return Syzyg::PhaseTime(n, k, record);
    };
    e.getPhase = [](int32_t n, double x, bool& exact) { return Syzyg::GetPhase(n, x, exact); };
    return e;
}

namespace {

// MoonLongitude's markers for moments before 1600-01-01 and after 2099-12-31.
constexpr double BeforePositions = -99.0;
constexpr double AfterPositions = -100.0;
// Far beyond the accepted moments (552283 to 3912515) yet with lunation numbers well inside
// 32 bits; moments outside are refused rather than handed to the ephemeris.
constexpr double MomentLimit = 1e9;

void Fail(MoonState& s, int code) {
    s.errorCode = code;
    s.errorText = GetPhaseErrorText(code);
}

// Lunation, age and the age label; the display writes this label before the phase lookup.
// False when the lunation number has no successor.
bool FillAge(MoonState& s, double x, const Ephemeris& e) {
    s.lunation = e.lunationAt(x);
    if (s.lunation == INT32_MAX) return false;
    const double newMoon = e.phaseTime(s.lunation, 0);
    s.ageDays = x - newMoon;
    s.lunationDays = e.phaseTime(s.lunation + 1, 0) - newMoon;
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on a chain of + starting at "[".
    std::string label = "[";
    label += std::to_string(s.lunation);
    label += "] ";
    label += AgeText(s.ageDays);
    label += " (";
    label += OneDecimal(100.0 * s.ageDays / s.lunationDays);
    label += "%)";
    s.ageLabel = std::move(label);
    return true;
}

// Illumination interpolated between the principal phases: the fraction of the way from new
// to full grows evenly in time between two phases.
double IlluminationFromPhaseTimes(int32_t n, int j, double x, const Ephemeris& e) {
    const double t0 = e.phaseTime(n, j);
    const double t1 = j == 3 ? e.phaseTime(n + 1, 0) : e.phaseTime(n, j + 1);
    const double span = t1 - t0;  // about 7.4 days; phase times strictly increase
    double f = 0.0;
    switch (j) {
    case 0: f = (x - t0) / span / 2; break;
    case 1: f = 0.5 + (x - t0) / span / 2; break;
    case 2: f = 0.5 + (t1 - x) / span / 2; break;
    default: f = (t1 - x) / span / 2; break;
    }
    return (1 - std::cos(f / 2 * SolEq::TwoPi)) / 2;
}

}  // namespace

MoonState ComputeMoonState(double ajd, bool exact, const Ephemeris& e) {
    MoonState s;
    s.exact = exact;
    if (!std::isfinite(ajd) || std::fabs(ajd) > MomentLimit) {
        Fail(s, -3);
        return s;
    }
    const double m = e.moonLongitude(ajd);
    s.method = (m == BeforePositions || m == AfterPositions) ? MoonMethod::PhaseTimes : MoonMethod::Positions;
    if (!FillAge(s, ajd, e)) {
        Fail(s, -3);
        return s;
    }
    s.phase = e.getPhase(s.lunation, ajd, s.exact);
    if (s.phase < 0 || s.phase > 3) {
        Fail(s, s.phase < 0 ? s.phase : -2);
        return s;
    }
    if (s.method == MoonMethod::Positions)
        s.illumination = (1 - std::cos(Elongation(m, e.sunLongitude(ajd)))) / 2;
    else
        s.illumination = IlluminationFromPhaseTimes(s.lunation, s.phase, ajd, e);
    s.waxing = s.phase < 2;
    s.phaseLabel = PhaseText(s.illumination, s.waxing);
    return s;
}

MoonState ComputeMoonState(double ajd, bool exact) { return ComputeMoonState(ajd, exact, SyzygEphemeris()); }

}  // namespace MoonData
