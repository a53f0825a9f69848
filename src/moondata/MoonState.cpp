// The Moon's state at a moment: lunation, age, illumination and phase, from the ephemeris.
#include <cmath>
#include <cstdint>

#include "astro/Syzyg.h"
#include "moondata/MoonData.h"

namespace MoonData {

Ephemeris SyzygEphemeris() {
    Ephemeris e;
    e.illumination = [](double x) { return Syzyg::IlluminatedFraction(x); };
    e.lunationAt = [](double x) { return Syzyg::LunationAt(x); };
    e.phaseTime = [](int32_t n, int k) {
        EclipseData record{};  // our own record: the shared one belongs to the searches
        return Syzyg::PhaseTime(n, k, record);
    };
    e.getPhase = [](int32_t n, double x, bool& exact) { return Syzyg::GetPhase(n, x, exact); };
    return e;
}

namespace {

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

}  // namespace

MoonState ComputeMoonState(double ajd, bool exact, const Ephemeris& e) {
    MoonState s;
    s.exact = exact;
    if (!std::isfinite(ajd) || std::fabs(ajd) > MomentLimit) {
        Fail(s, -3);
        return s;
    }
    if (!FillAge(s, ajd, e)) {
        Fail(s, -3);
        return s;
    }
    s.phase = e.getPhase(s.lunation, ajd, s.exact);
    if (s.phase < 0 || s.phase > 3) {
        Fail(s, s.phase < 0 ? s.phase : -2);
        return s;
    }
    s.illumination = e.illumination(ajd);
    s.waxing = s.phase < 2;
    s.phaseLabel = PhaseText(s.illumination, s.waxing);
    return s;
}

MoonState ComputeMoonState(double ajd, bool exact) { return ComputeMoonState(ajd, exact, SyzygEphemeris()); }

}  // namespace MoonData
