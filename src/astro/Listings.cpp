// Lists of principal phases and eclipses over a span of time, for the command-line tool.
#include "astro/Listings.h"

#include <algorithm>
#include <cmath>

#include "astro/Syzyg.h"

namespace Listings {

namespace {

// Cuts [from, to] to the accepted range; false when nothing is left (or an end is NaN).
bool ClampSpan(double& from, double& to) {
    if (!(from <= to)) return false;
    from = std::max(from, kEarliestAjd);
    to = std::min(to, kLatestAjd);
    return from <= to;
}

// A lunation safely before the one containing ajd: phases and eclipses of the lunation
// before can still fall on or after ajd.
int32_t FirstLunation(double ajd) {
    return static_cast<int32_t>(
               std::floor((ajd - Syzyg::LunationZeroNewMoon()) / Syzyg::MeanSynodicMonth)) - 2;
}

}  // namespace

std::vector<PhaseRow> ListPhases(double fromAjd, double toAjd) {
    std::vector<PhaseRow> rows;
    if (!ClampSpan(fromAjd, toAjd)) return rows;
    EclipseData record{};
    for (int32_t n = FirstLunation(fromAjd);; ++n) {
        for (int k = 0; k < 4; ++k) {
            const double tt = Syzyg::PhaseTimeTdt(n, k, record);
            const double deltaT = Syzyg::DeltaTAt(tt);
            const double ut = tt - deltaT / 1440.0;
            if (ut > toAjd) return rows;
            if (ut >= fromAjd) rows.push_back({n, k, tt, ut, deltaT});
        }
    }
}

std::vector<EclipseRow> ListEclipses(double fromAjd, double toAjd, const std::vector<int>& types) {
    std::vector<EclipseRow> rows;
    if (!ClampSpan(fromAjd, toAjd)) return rows;
    bool wanted[11] = {};
    for (int t = 1; t <= 10; ++t) wanted[t] = types.empty();
    for (int t : types) {
        if (t >= 1 && t <= 10) wanted[t] = true;
    }
    EclipseData record{};
    for (int32_t n = FirstLunation(fromAjd);; ++n) {
        for (int k = 0; k <= 2; k += 2) {
            const double tt = Syzyg::PhaseTimeTdt(n, k, record);
            // The greatest eclipse lies within hours of the syzygy; a syzygy more than two
            // days past the span ends the list.
            if (tt - Syzyg::DeltaTAt(tt) / 1440.0 > toAjd + 2.0) return rows;
            if (record.type < 1 || record.type > 10 || !wanted[record.type]) continue;
            const double ut = record.greatest - Syzyg::DeltaTAt(record.greatest) / 1440.0;
            if (ut < fromAjd || ut > toAjd) continue;
            rows.push_back({n, k, record.type, record.saros, record.greatest, ut,
                            record.halfPenumbral, record.halfUmbral, record.halfTotal});
        }
    }
}

}  // namespace Listings
