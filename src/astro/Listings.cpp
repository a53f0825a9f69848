// Lists of principal phases and eclipses over a span of time, for the command-line tool.
#include "astro/Listings.h"

#include <algorithm>
#include <cmath>

#include "astro/Syzyg.h"
#include "astro/TimeScales.h"

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

// The eclipse of phase k (0 or 2) of lunation n as a row, when it is an eclipse whose greatest
// eclipse lies in [fromAjd, toAjd].
bool EclipseRowOf(int32_t n, int k, double fromAjd, double toAjd, EclipseRow& row) {
    EclipseData record{};
    Syzyg::PhaseTimeTdt(n, k, record);
    if (record.type < 1 || record.type > 10) return false;
    const double ut = TimeScales::GreatestEclipse(record).ajd;
    if (ut < fromAjd || ut > toAjd) return false;
    row = {n, k, record.type, record.saros, record.greatest, ut, record.halfPenumbral, record.halfUmbral,
           record.halfTotal};
    return true;
}

// Saros series move by 223 lunations per member. The canons number them so that series
// s = 38 k + c (mod 223) for the syzygy of lunation k, c = 112 for new moons and 124 for full
// moons (the ephemeris numbers its eclipses the same way; a test holds the two together). As
// 38 * 135 = 1 (mod 223), the lunations of series s are k = 135 (s - c) (mod 223).
constexpr int32_t kSaros = 223;

int64_t SarosResidue(int32_t saros, bool solar) {
    const int64_t c = solar ? 112 : 124;
    return ((135 * (int64_t{saros} - c)) % kSaros + kSaros) % kSaros;
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
            if (TimeScales::ToUt({tt}).ajd > toAjd + 2.0) return rows;
            if (record.type < 1 || record.type > 10 || !wanted[record.type]) continue;
            EclipseRow row;
            if (EclipseRowOf(n, k, fromAjd, toAjd, row)) rows.push_back(row);
        }
    }
}

std::vector<EclipseRow> ListSarosSeries(int32_t saros) {
    std::vector<EclipseRow> rows;
    const int32_t first = FirstLunation(kEarliestAjd);
    const int32_t last = FirstLunation(kLatestAjd) + 4;
    for (int k = 0; k <= 2; k += 2) {
        const int64_t residue = SarosResidue(saros, k == 0);
        const int64_t start = first + ((residue - first) % kSaros + kSaros) % kSaros;
        for (int64_t n = start; n <= last; n += kSaros) {
            EclipseRow row;
            // The same residue carries series saros +- 223 in other millennia.
            if (EclipseRowOf(static_cast<int32_t>(n), k, kEarliestAjd, kLatestAjd, row) && row.saros == saros)
                rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end(),
              [](const EclipseRow& a, const EclipseRow& b) { return a.jdTtGreatest < b.jdTtGreatest; });
    return rows;
}

}  // namespace Listings
