// Sources, as the canons (F. Espenak and J. Meeus, Five Millennium Canon of Solar Eclipses,
// NASA TP-2006-214141, section "Uncertainty in delta T") collect them:
// - before 1200 (and, extrapolated, outside the span of observations at both ends): the
//   parabola of L. V. Morrison and F. R. Stephenson (2004), sigma = 0.8 t^2 s with
//   t = (year - 1820) / 100; the canons quote it for -1000..1200 (636 s at -1000, 265 s at 0,
//   31 s at 1200) and it keeps growing beyond, as the canons' own estimates do;
// - 1300..1600: about 20 s from the decade fluctuations;
// - 1700, 1800, 1900: 5 s, 1 s, 0.1 s (Stephenson and Houlden 1986);
// - from 1900 to the present (2026) measured to 0.1 s or better.
// Between the listed years the values are interpolated linearly. After the present delta T is
// a prediction: the parabola is taken again, which gives a few seconds for 2100 and about 23
// minutes at the end of the accepted range.
#include "astro/DeltaTUncertainty.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "astro/Syzyg.h"
#include "dates/DatePr2.h"

namespace DeltaTUncertainty {

namespace {
constexpr double kPresentYear = 2026.0;

double Parabola(double year) {
    const double t = (year - 1820.0) / 100.0;
    return 0.8 * t * t;
}

// (year, sigma in seconds) of the telescopic era, interpolated linearly.
constexpr std::array<std::array<double, 2>, 6> kTable = {
    {{1300, 20.0}, {1600, 20.0}, {1700, 5.0}, {1800, 1.0}, {1900, 0.1}, {kPresentYear, 0.1}}};
}  // namespace

double SigmaSeconds(double year) {
    if (!std::isfinite(year)) return 0.0;
    if (year <= 1200.0 || year > kPresentYear) return Parabola(year);
    if (year < kTable[0][0]) {  // from the parabola's 31 s at 1200 down to 20 s at 1300
        const double f = (year - 1200.0) / (kTable[0][0] - 1200.0);
        return Parabola(1200.0) + f * (kTable[0][1] - Parabola(1200.0));
    }
    for (size_t i = 1; i < kTable.size(); ++i) {
        if (year > kTable[i][0]) continue;
        const double f = (year - kTable[i - 1][0]) / (kTable[i][0] - kTable[i - 1][0]);
        return kTable[i - 1][1] + f * (kTable[i][1] - kTable[i - 1][1]);
    }
    return kTable.back()[1];
}

double SigmaMinutesAt(double ajd) {
    if (!std::isfinite(ajd) || std::fabs(ajd) > 2.0e9) return 0.0;
    const CalendarDate date = DatePr2::DateOfJdn(static_cast<int32_t>(std::floor(ajd + 0.5)), DAYCALC_GREGORIAN);
    return SigmaSeconds(date.year + 0.5) / 60.0;
}

std::string SpanText(double minutes) {
    char text[48];
    if (!(minutes >= 0)) minutes = 0;
    if (minutes < 1.0) {
        std::snprintf(text, sizeof text, "%.0f s", minutes * 60.0);
    } else if (minutes < 60.0) {
        std::snprintf(text, sizeof text, "%.0f min", minutes);
    } else {
        const long long whole = std::llround(minutes);
        std::snprintf(text, sizeof text, "%lld h %lld min", whole / 60, whole % 60);
    }
    return text;
}

std::string ToolTip(double deltaTMinutes, double sigmaMinutes) {
    return "Delta T " + SpanText(deltaTMinutes) + " \u00b1 " + SpanText(sigmaMinutes) + " (Espenak and Meeus 2006)";
}

}  // namespace DeltaTUncertainty
