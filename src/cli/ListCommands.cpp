#include "cli/ListCommands.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "astro/DeltaTUncertainty.h"
#include "astro/Listings.h"
#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
#include "cli/EclipseJson.h"
#include "cli/PlaceOption.h"
#include "core/DateDisplay.h"
#include "dates/DatePr2.h"
#include "support/StrProc.h"

namespace Cli {

namespace {

const char* const kPhaseNames[] = {"New moon", "First quarter", "Full moon", "Last quarter"};

struct ListOptions {
    TimeFrame frame;
    std::string from, to, kind;
    bool csv = false;
    bool json = false;   // eclipses only
    std::string place;   // eclipses only: --place
};

// Reads the options of a list command; returns false (with the message written) on error.
bool ReadListOptions(const char* command, bool withKind, std::vector<std::string> argv, ListOptions& options,
                     std::ostream& err) {
    Args args(std::move(argv));
    bool zoneOrGreenwich = false;
    while (!args.Done()) {
        std::string error;
        const bool frameOption = args.Peek() == "--greenwich" || args.Peek() == "--zone";
        if (TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) {
                err << "selvanor-cli " << command << ": " << error << "\n";
                return false;
            }
            zoneOrGreenwich = zoneOrGreenwich || frameOption;
            continue;
        }
        const std::string arg = args.Take();
        std::optional<std::string> value;
        if (arg == "--csv") {
            options.csv = true;
        } else if (withKind && arg == "--json") {
            options.json = true;
        } else if ((arg == "--from" || arg == "--to" || (withKind && (arg == "--kind" || arg == "--place"))) &&
                   (value = args.Value())) {
            (arg == "--from" ? options.from : arg == "--to" ? options.to : arg == "--kind" ? options.kind : options.place) =
                *value;
        } else {
            err << "selvanor-cli " << command << ": unexpected " << arg << " (try selvanor-cli --help)\n";
            return false;
        }
    }
    if (options.from.empty() || options.to.empty()) {
        err << "selvanor-cli " << command << ": give --from ENTRY and --to ENTRY\n";
        return false;
    }
    if (options.csv && (options.json || !options.place.empty())) {
        err << "selvanor-cli " << command << ": --csv goes without --json and --place\n";
        return false;
    }
    // A zone without --greenwich means local time in that zone.
    return true;
}

bool ReadSpan(const char* command, const ListOptions& options, double& from, double& to, std::ostream& err) {
    const ParsedMoment a = ParseMomentEntry(options.from, options.frame);
    const ParsedMoment b = ParseMomentEntry(options.to, options.frame);
    if (!a.error.empty() || !b.error.empty()) {
        if (!a.error.empty()) err << options.from << ": " << a.error << "\n";
        if (!b.error.empty()) err << options.to << ": " << b.error << "\n";
        return false;
    }
    from = a.ajd;
    to = b.ajd;
    if (from > to) {
        err << "selvanor-cli " << command << ": --from must not be later than --to\n";
        return false;
    }
    return true;
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

std::string MomentText(double jdUt, const TimeFrame& frame) {
    const std::string zone = frame.greenwich || frame.zoneOffsetMinutes == 0 ? "GMT" : "local";
    return CommonEraMomentText(jdUt, frame) + " " + zone;
}

std::vector<int> EclipseTypesOfTarget(const std::string& target) {
    const std::string t = StrProc::UpperCase(StrProc::Trim(target));
    if (t == "LUNAR OR SOLAR ECLIPSE") return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    if (t == "LUNAR ECLIPSE") return {8, 9, 10};
    if (t == "TOTAL LUNAR ECLIPSE") return {10};
    if (t == "TOTAL OR PARTIAL LUNAR ECLIPSE") return {9, 10};
    if (t == "SOLAR ECLIPSE") return {1, 2, 3, 4, 5, 6, 7};
    if (t == "TOTAL SOLAR ECLIPSE") return {3, 4, 6, 7};
    if (t == "ANNULAR SOLAR ECLIPSE") return {2, 5, 6, 7};
    return {};
}

int RunPhases(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    ListOptions options;
    double from = 0, to = 0;
    if (!ReadListOptions("phases", false, std::move(args), options, err)) return 1;
    if (!ReadSpan("phases", options, from, to, err)) return 2;
    if (options.csv) out << "lunation,phase,jd_tt,jd_ut,delta_t_min,delta_t_sigma_min\n";
    for (const Listings::PhaseRow& row : Listings::ListPhases(from, to)) {
        if (options.csv)
            out << row.lunation << "," << row.phase << "," << Fixed(row.jdTt, 8) << "," << Fixed(row.jdUt, 8) << ","
                << Fixed(row.deltaTMinutes, 4) << "," << Fixed(DeltaTUncertainty::SigmaMinutesAt(row.jdUt), 4) << "\n";
        else
            out << MomentText(row.jdUt, options.frame) << "  " << kPhaseNames[row.phase & 3] << ", lunation "
                << row.lunation << "\n";
    }
    return 0;
}

int RunEclipses(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    ListOptions options;
    double from = 0, to = 0;
    if (!ReadListOptions("eclipses", true, std::move(args), options, err)) return 1;
    std::vector<int> types;
    if (!options.kind.empty()) {
        types = EclipseTypesOfTarget(options.kind);
        if (types.empty()) {
            err << "selvanor-cli eclipses: --kind must be one of \"Lunar or solar eclipse\", \"Lunar eclipse\", "
                   "\"Total lunar eclipse\", \"Total or partial lunar eclipse\", \"Solar eclipse\", "
                   "\"Total solar eclipse\", \"Annular solar eclipse\"\n";
            return 1;
        }
    }
    std::optional<PlaceChoice> place;
    if (!options.place.empty() && !(place = ReadPlaceOption("eclipses", options.place, err))) return 2;
    if (!ReadSpan("eclipses", options, from, to, err)) return 2;
    if (options.json) {
        PrintEclipsesJson(Listings::ListEclipses(from, to, types), options.frame, place ? &place->place : nullptr, out);
        return 0;
    }
    if (options.csv)
        out << "lunation,phase,type,saros,jd_tt_greatest,half_penumbral_min,half_umbral_min,half_total_min,"
               "delta_t_sigma_min\n";
    for (const Listings::EclipseRow& row : Listings::ListEclipses(from, to, types)) {
        if (options.csv) {
            out << row.lunation << "," << row.phase << "," << row.type << "," << row.saros << ","
                << Fixed(row.jdTtGreatest, 8) << "," << Fixed(row.halfPenumbral, 3) << "," << Fixed(row.halfUmbral, 3)
                << "," << Fixed(row.halfTotal, 3) << "," << Fixed(DeltaTUncertainty::SigmaMinutesAt(row.jdUtGreatest), 4)
                << "\n";
            continue;
        }
        out << MomentText(row.jdUtGreatest, options.frame) << "  " << Syzyg::EclipseTypeText(row.type)
            << ", saros " << row.saros << ", lunation " << row.lunation;
        if (row.type >= 8) {
            out << ", penumbral " << StrProc::DurationText(std::lround(2 * row.halfPenumbral), false);
            if (row.type >= 9) out << ", umbral " << StrProc::DurationText(std::lround(2 * row.halfUmbral), false);
            if (row.type >= 10) out << ", total " << StrProc::DurationText(std::lround(2 * row.halfTotal), false);
        }
        out << "\n";
        if (place) PrintLocalLines(row, place->label, place->place, options.frame, out);
    }
    return 0;
}

namespace {
struct SarosOptions {
    TimeFrame frame;
    bool csv = false, json = false;
    int kinds = 3;  // bit 0 solar series, bit 1 lunar series
};

void PrintSarosRow(const Listings::EclipseRow& row, int member, const SarosOptions& options, bool first,
                   std::ostream& out) {
    if (options.csv) {
        out << member << "," << row.lunation << "," << row.phase << "," << row.type << "," << Fixed(row.jdTtGreatest, 8)
            << "," << Fixed(row.jdUtGreatest, 8) << "," << Fixed(row.halfPenumbral, 3) << ","
            << Fixed(row.halfUmbral, 3) << "," << Fixed(row.halfTotal, 3) << "\n";
    } else if (options.json) {
        out << (first ? "" : ",\n") << "{\"member\":" << member << ",\"lunation\":" << row.lunation
            << ",\"phase\":" << row.phase << ",\"type\":" << row.type
            << ",\"type_text\":" << JsonString(Syzyg::EclipseTypeText(row.type))
            << ",\"greatest\":" << JsonString(MomentText(row.jdUtGreatest, options.frame))
            << ",\"jd_tt_greatest\":" << JsonNumber(row.jdTtGreatest) << ",\"jd_ut_greatest\":"
            << JsonNumber(row.jdUtGreatest) << ",\"half_penumbral_min\":" << JsonNumber(row.halfPenumbral)
            << ",\"half_umbral_min\":" << JsonNumber(row.halfUmbral)
            << ",\"half_total_min\":" << JsonNumber(row.halfTotal) << "}";
    } else {
        out << member << "  " << MomentText(row.jdUtGreatest, options.frame) << "  "
            << Syzyg::EclipseTypeText(row.type) << ", lunation " << row.lunation;
        if (row.type >= 8) {
            out << ", penumbral " << StrProc::DurationText(std::lround(2 * row.halfPenumbral), false);
            if (row.type >= 9) out << ", umbral " << StrProc::DurationText(std::lround(2 * row.halfUmbral), false);
            if (row.type >= 10) out << ", total " << StrProc::DurationText(std::lround(2 * row.halfTotal), false);
        }
        out << "\n";
    }
}
}  // namespace

int RunSaros(std::vector<std::string> argv, std::ostream& out, std::ostream& err) {
    Args args(std::move(argv));
    SarosOptions options;
    std::optional<int32_t> series;
    while (!args.Done()) {
        std::string error;
        if (TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) {
                err << "selvanor-cli saros: " << error << "\n";
                return 1;
            }
            continue;
        }
        const std::string arg = args.Take();
        if (arg == "--csv") {
            options.csv = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--solar" || arg == "--lunar") {
            options.kinds = arg == "--solar" ? 1 : 2;
        } else if (!series && StrProc::IsSignedNumber(arg) && arg.find_first_of(".,") == std::string::npos &&
                   arg.size() <= 6) {
            series = static_cast<int32_t>(StrProc::LeadingInteger(arg));
        } else {
            err << "selvanor-cli saros: unexpected " << arg << " (try selvanor-cli --help)\n";
            return 1;
        }
    }
    if (!series || (options.csv && options.json)) {
        err << "selvanor-cli saros: give one series number, and at most one of --csv and --json\n";
        return 1;
    }
    std::vector<Listings::EclipseRow> rows;
    for (const Listings::EclipseRow& row : Listings::ListSarosSeries(*series))
        if (options.kinds & (row.phase == 0 ? 1 : 2)) rows.push_back(row);
    if (rows.empty()) {
        err << "selvanor-cli saros: series " << *series << " has no eclipse between the end of -3201 and 6000-01-01 CE\n";
        return 2;
    }
    if (options.csv)
        out << "member,lunation,phase,type,jd_tt_greatest,jd_ut_greatest,half_penumbral_min,half_umbral_min,"
               "half_total_min\n";
    if (options.json) out << "[";
    int solarMembers = 0, lunarMembers = 0;  // a solar and a lunar series may share a number
    for (size_t i = 0; i < rows.size(); ++i)
        PrintSarosRow(rows[i], rows[i].phase == 0 ? ++solarMembers : ++lunarMembers, options, i == 0, out);
    if (options.json) out << "]\n";
    return 0;
}

}  // namespace Cli
