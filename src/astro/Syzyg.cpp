// Lunations, principal phases and eclipses in Greenwich time, over the phasecalc library.
#include "astro/Syzyg.h"

#include "astro/TimeScales.h"

#include <array>
#include <cmath>
#include <limits>

#include "astro/phasecalc/PhaseCalcDetail.h"
#include "dates/DatePr2.h"

namespace Syzyg {

namespace {

// Day numbers of 1600-01-01 and 2099-12-31: the span the Moon's longitude is offered for.
constexpr int32_t kFirstLongitudeDay = 2305448;
constexpr int32_t kLastLongitudeDay = 2488069;

// The span of day numbers DeltaTAt converts through the date library without overflow.
constexpr double kDayNumberLimit = 2.0e9;

// The phases met last, by lunation and phase. One display asks for the same few phases from
// several calendars and the Moon, and moves, pages and searches go through neighbouring
// lunations; syzyg depends on nothing but its arguments, so a phase remembered is the phase.
// One table a thread: a search in the background never shares it with the window.
struct RememberedPhase {
    int32_t lunation = 0;
    int phase = -1;  // none yet
    double tdt = 0.0;
    EclipseData record{};
};
constexpr size_t kRememberedPhases = 64;

RememberedPhase& Slot(int32_t n, int k) {
    thread_local std::array<RememberedPhase, kRememberedPhases> remembered;
    const auto key = static_cast<uint32_t>(n) * 4u + static_cast<uint32_t>(k & 3);
    return remembered[key % kRememberedPhases];
}

}  // namespace

double LunationZeroNewMoon() {
    // Computed once from the ephemeris; an immutable value from then on.
    static const double newMoon = [] {
        EclipseData record{};
        return PhaseTime(0, 0, record);
    }();
    return newMoon;
}

double DeltaTForYear(int32_t year) { return deltat(static_cast<double>(year), PHASECALC_DELTAT_CODE); }

double DeltaTAt(double x) {
    if (!std::isfinite(x)) return 0.0;
    // Round half to even, independent of the floating-point rounding mode.
    double day = std::floor(x);
    const double fraction = x - day;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(day, 2.0) != 0.0)) day += 1.0;
    if (day > kDayNumberLimit) day = kDayNumberLimit;
    if (day < -kDayNumberLimit) day = -kDayNumberLimit;
    const CalendarDate date = DatePr2::DateOfJdn(static_cast<int32_t>(day), DAYCALC_GREGORIAN);
    return DeltaTForYear(date.year);
}

double PhaseTimeTdt(int32_t n, int k, EclipseData& record) {
    RememberedPhase& slot = Slot(n, k);
    if (slot.phase != k || slot.lunation != n) {
        slot.tdt = syzyg(n, k, &slot.record);
        slot.lunation = n;
        slot.phase = k;
    }
    record = slot.record;
    return slot.tdt;
}

double PhaseTime(int32_t n, int k, EclipseData& record) {
    return TimeScales::ToUt({PhaseTimeTdt(n, k, record)}).ajd;
}

int32_t LunationAt(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<int32_t>::min();
    // The estimate is within one lunation of the answer; the bounds keep n + 1 in range.
    constexpr double kLowest = std::numeric_limits<int32_t>::min() + 2.0;
    constexpr double kHighest = std::numeric_limits<int32_t>::max() - 2.0;
    double estimate = std::floor((x - LunationZeroNewMoon()) / MeanSynodicMonth);
    if (estimate < kLowest) return static_cast<int32_t>(kLowest);
    if (estimate > kHighest) return static_cast<int32_t>(kHighest);
    int32_t n = static_cast<int32_t>(estimate);
    // Phase times increase with the lunation, so the walk ends; the bound is a guard only.
    EclipseData record{};
    for (int step = 0; step < 64; ++step) {
        const double a = PhaseTime(n, 0, record);
        const double b = PhaseTime(n + 1, 0, record);
        if (a <= x && x < b) return n;
        if (a > x) {
            if (n <= kLowest) return n;
            --n;
        } else {
            if (n >= kHighest) return n;
            ++n;
        }
    }
    return n;
}

int GetPhase(int32_t n, double x, bool& exact) {
    // Compared in GMT, each phase converted as PhaseTime converts it. Moving x to TT with the
    // delta T of x's own year instead would, for a phase within delta T of New Year, use a
    // different year's delta T than PhaseTime did (up to half a minute apart in the earliest
    // millennia), so that the exact moment of a phase could be reported as the phase before.
    exact = false;
    EclipseData record{};
    if (n < std::numeric_limits<int32_t>::max() && PhaseTime(n + 1, 0, record) <= x) return -1;
    for (int k = 3; k >= 0; --k) {
        const double t = PhaseTime(n, k, record);
        if (t <= x) {
            // 0.00005 day (about 4.3 s): a moment this close counts as the phase itself.
            exact = std::fabs(t - x) < 0.00005;
            return k;
        }
    }
    return -2;
}

std::string EclipseTypeText(int type) {
    static const std::array<const char*, 11> kTexts = {
        "",
        "Partial solar eclipse",
        "Central annular solar eclipse",
        "Central total solar eclipse",
        "Non-central total solar eclipse",
        "Non-central annular solar eclipse",
        "Central annular-total solar eclipse",
        "Non-central annular-total solar eclipse",
        "Penumbral lunar eclipse",
        "Partial lunar eclipse",
        "Total lunar eclipse",
    };
    if (type < 0 || type >= static_cast<int>(kTexts.size())) return "";
    return kTexts[type];
}

double MoonLongitude(double x) {
    if (std::isnan(x)) return -99.0;
    const double d = std::floor(x + 0.5);
    if (d < kFirstLongitudeDay) return -99.0;
    if (d > kLastLongitudeDay) return -100.0;
    return moonpos(x - 2451545.0);
}

double IlluminatedFraction(double x) {
    if (!std::isfinite(x)) return 0.0;
    return PhaseCalc::IlluminatedFraction(x + DeltaTAt(x) / 1440.0);
}

}  // namespace Syzyg
