#include "cli/EclipseJson.h"

#include <ostream>

#include "astro/DeltaTUncertainty.h"
#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
#include "cli/ListCommands.h"
#include "cli/PlaceOption.h"
#include "core/place/SkyLines.h"

namespace Cli {

namespace {
// The whole record of a listed eclipse (the syzygy's time anchors the local circumstances).
EclipseData RecordOf(const Listings::EclipseRow& row) {
    EclipseData record{};
    Syzyg::PhaseTimeTdt(row.lunation, row.phase, record);
    return record;
}
}  // namespace

void PrintEclipsesJson(const std::vector<Listings::EclipseRow>& rows, const TimeFrame& frame, const Place* place,
                       std::ostream& out) {
    out << "[";
    for (size_t i = 0; i < rows.size(); ++i) {
        const Listings::EclipseRow& row = rows[i];
        out << (i ? ",\n" : "") << "{\"lunation\": " << row.lunation << ", \"phase\": " << row.phase
            << ", \"type\": " << row.type << ", \"type_text\": " << JsonString(Syzyg::EclipseTypeText(row.type))
            << ", \"saros\": " << row.saros << ", \"greatest\": " << JsonString(MomentText(row.jdUtGreatest, frame))
            << ", \"jd_tt_greatest\": " << JsonNumber(row.jdTtGreatest)
            << ", \"jd_ut_greatest\": " << JsonNumber(row.jdUtGreatest)
            << ", \"half_penumbral_min\": " << JsonNumber(row.halfPenumbral)
            << ", \"half_umbral_min\": " << JsonNumber(row.halfUmbral)
            << ", \"half_total_min\": " << JsonNumber(row.halfTotal)
            << ", \"delta_t_sigma_min\": " << JsonNumber(DeltaTUncertainty::SigmaMinutesAt(row.jdUtGreatest));
        if (place) out << ", \"local\": " << LocalJson(*place, RecordOf(row), row.jdUtGreatest);
        out << "}";
    }
    out << "]\n";
}

void PrintLocalLines(const Listings::EclipseRow& row, const std::string& label, const Place& place,
                     const TimeFrame& frame, std::ostream& out) {
    for (const std::string& line : SkyLines::EclipseLines(label, place, RecordOf(row), row.jdUtGreatest, frame))
        out << "  " << line << "\n";
}

}  // namespace Cli
