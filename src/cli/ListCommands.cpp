#include "cli/ListCommands.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "astro/DeltaTUncertainty.h"
#include "astro/Listings.h"
#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
#include "cli/Command.h"
#include "cli/EclipseJson.h"
#include "cli/PlaceOption.h"
#include "core/DateDisplay.h"
#include "core/WindowLists.h"
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
    std::string place;   // eclipses only: each eclipse as seen from there
};

constexpr OptionDef kFromOption{"--from", "ENTRY", "The first moment of the span.", ValueKind::Entry};
constexpr OptionDef kToOption{"--to", "ENTRY", "The last moment of the span.", ValueKind::Entry};

constexpr OptionDef kPhaseOptions[] = {
    kFromOption, kToOption, kGreenwichOption, kZoneOption,
    {"--csv", "", "lunation,phase,jd_tt,jd_ut,delta_t_min,delta_t_sigma_min instead of text."},
};

constexpr OptionDef kEclipseOptions[] = {
    kFromOption, kToOption,
    {"--kind", "TARGET", "Only the eclipses of this search target of the window.", ValueKind::EclipseKind},
    kGreenwichOption, kZoneOption,
    {"--csv", "", "lunation,phase,type,saros,jd_tt_greatest,half_penumbral_min,half_umbral_min,half_total_min,"
                  "delta_t_sigma_min instead of text."},
    {"--json", "", "An array of the eclipses as objects, one a line."},
    {"--place", "PLACE", "Each eclipse also as seen from PLACE (coordinates or a city): lines after it, or a "
                         "\"local\" object with --json.", ValueKind::Place},
};

std::string PhasesDescription() {
    return "Lists every principal phase of the Moon between two moments: date and time in the chosen time "
           "frame, phase, lunation. With --csv, phase 0 is the new moon, 1 the first quarter, 2 the full moon, 3 "
           "the last quarter; the Julian dates are in dynamical time (TT) and in Greenwich time.\n\n"
           "Example:\n"
           "  selvanor-cli phases --from \"2024-01-01 CE\" --to \"2024-12-31 CE\" --greenwich";
}

std::string EclipsesDescription() {
    return "Lists every eclipse between two moments, or those of one search target of the window: time of "
           "greatest eclipse, type, saros series, lunation and, for lunar eclipses, the durations of the "
           "phases.\n\n"
           "--json prints an array of {\"lunation\", \"phase\", \"type\", \"type_text\", \"saros\", \"greatest\", "
           "\"jd_tt_greatest\", \"jd_ut_greatest\", \"half_penumbral_min\", \"half_umbral_min\", \"half_total_min\", "
           "\"delta_t_sigma_min\"}, one a line.\n\n"
           "--place adds each eclipse seen from the place (not with --csv): the window's lines (\"Seen from ...\", "
           "\"Not seen from ...\") after each eclipse, and with --json a \"local\" object: solar {\"visible\", "
           "\"type\": \"none\"|\"partial\"|\"annular\"|\"total\", \"c1\", \"c2\", \"max\", \"c3\", \"c4\", \"magnitude\", "
           "\"obscuration\", \"sun_altitude\": {\"c1\", \"max\", \"c4\"}}; lunar {\"visible\", \"p1\", \"u1\", \"u2\", "
           "\"max\", \"u3\", \"u4\", \"p4\", \"moon_altitude\": {\"p1\", \"u1\", \"u2\", \"max\", \"u3\", \"u4\", \"p4\"}}. "
           "Times are Julian dates in Greenwich time (UT), null where a contact does not exist; altitudes are "
           "apparent, in degrees. Solar: \"visible\" when the Sun is above its rise/set horizon line (-0 deg 50') "
           "at some moment from C1 to C4; \"type\" as if the Earth were transparent (\"none\" outside the "
           "penumbra); \"magnitude\" is (rSun + rMoon - distance) / (2 rSun) at maximum (above 1 inside a total "
           "path), \"obscuration\" the part of the Sun's disc covered; C2, C3 and total against annular use the "
           "canons' lunar radius k = 0.2722810. Lunar: the contacts of the eclipse list; \"visible\" when the Moon "
           "is above its rise/set horizon line at some moment of the umbral phase (the penumbral phase for a "
           "penumbral eclipse).\n\n" + PlaceHelp() + "\n\n"
           "Examples:\n"
           "  selvanor-cli eclipses --from \"-3200-01-01 CE\" --to \"6000-01-01 CE\" --csv\n"
           "  selvanor-cli eclipses --from \"2000-01-01 CE\" --to \"2030-01-01 CE\" --kind \"Total solar eclipse\"\n"
           "  selvanor-cli eclipses --from \"2024-01-01 CE\" --to \"2025-01-01 CE\" --place \"32.7767, -96.797, 139\" --json";
}

// Reads the options of a list command; the mistake, if any.
std::optional<std::string> ReadListOptions(const CommandLine& line, ListOptions& options) {
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string& value) -> Mistake {
        if (name == "--csv" || name == "--json")
            (name == "--csv" ? options.csv : options.json) = true;
        else
            (name == "--from" ? options.from : name == "--to" ? options.to : name == "--kind" ? options.kind : options.place) =
                value;
        return std::nullopt;
    });
    if (mistake) return mistake;
    if (options.from.empty() || options.to.empty()) return "give --from ENTRY and --to ENTRY";
    // The CSV keeps its columns.
    if (options.csv && (options.json || !options.place.empty())) return "--csv goes without --json and --place";
    return std::nullopt;
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

const CommandDef& PhasesCommand() {
    static const CommandDef definition{"phases", "--from ENTRY --to ENTRY [--csv] [--greenwich | --zone +-HH:MM]",
                                  "Every principal phase of the Moon between two moments", kPhaseOptions, {},
                                  false, PhasesDescription};
    return definition;
}

const CommandDef& EclipsesCommand() {
    static const CommandDef definition{"eclipses",
                                  "--from ENTRY --to ENTRY [--kind TARGET] [--csv | --json] [--place PLACE] "
                                  "[--greenwich | --zone +-HH:MM]",
                                  "Every eclipse between two moments", kEclipseOptions, {}, false,
                                  EclipsesDescription};
    return definition;
}

std::vector<int> EclipseTypesOfTarget(const std::string& target) {
    const std::string wanted = StrProc::UpperCase(StrProc::Trim(target));
    for (const SearchTargets::Target& item : SearchTargets::kTargets) {
        if (item.eclipseTypes == 0 || StrProc::UpperCase(std::string(item.text)) != wanted) continue;
        std::vector<int> types;
        for (int type = 0; type < 32; ++type)
            if (item.eclipseTypes >> type & 1u) types.push_back(type);
        return types;
    }
    return {};
}

int RunPhases(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = PhasesCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    ListOptions options;
    double from = 0, to = 0;
    if (const auto mistake = ReadListOptions(line, options)) return UsageError(command, *mistake, err);
    if (!ReadSpan("phases", options, from, to, err)) return kRefused;
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
    const CommandDef& command = EclipsesCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    ListOptions options;
    double from = 0, to = 0;
    if (const auto mistake = ReadListOptions(line, options)) return UsageError(command, *mistake, err);
    std::vector<int> types;
    if (!options.kind.empty()) {
        types = EclipseTypesOfTarget(options.kind);
        if (types.empty())
            return UsageError(command, "--kind must be one of " + ChoiceList(ValueKind::EclipseKind), err);
    }
    std::optional<PlaceChoice> place;
    if (!options.place.empty() && !(place = ReadPlaceOption("eclipses", options.place, err))) return kRefused;
    if (!ReadSpan("eclipses", options, from, to, err)) return kRefused;
    if (options.json) {
        PrintEclipsesJson(Listings::ListEclipses(from, to, types), options.frame, place ? &place->place : nullptr, out);
        return kDone;
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
constexpr OptionDef kSarosOptions[] = {
    {"--solar", "", "Only the solar series of that number."},
    {"--lunar", "", "Only the lunar series of that number."},
    kGreenwichOption,
    kZoneOption,
    {"--csv", "", "member,lunation,phase,type,jd_tt_greatest,jd_ut_greatest,half_penumbral_min,half_umbral_min,"
                  "half_total_min instead of text."},
    {"--json", "", "An array of the members as JSON."},
};
constexpr ValueKind kSarosOperands[] = {ValueKind::Number};

std::string SarosDescription() {
    return "Lists every eclipse of saros series N inside the accepted range, in time order: its place in the "
           "series (1 for its first member in the range, counted separately for the solar and the lunar series "
           "of that number), the time of greatest eclipse in the chosen frame, the type and, for lunar eclipses, "
           "the durations. A series with no member in the range gives the exit status 2.\n\n"
           "Example:\n"
           "  selvanor-cli saros 136 --solar";
}

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

const CommandDef& SarosCommand() {
    static const CommandDef definition{"saros", "N [--solar | --lunar] [--csv | --json] [--greenwich | --zone +-HH:MM]",
                                  "Every eclipse of one saros series in the accepted range", kSarosOptions,
                                  kSarosOperands, false, SarosDescription};
    return definition;
}

int RunSaros(std::vector<std::string> argv, std::ostream& out, std::ostream& err) {
    const CommandDef& command = SarosCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, argv, out, err, line)) return *status;
    SarosOptions options;
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string&) -> Mistake {
        if (name == "--csv" || name == "--json")
            (name == "--csv" ? options.csv : options.json) = true;
        else
            options.kinds = name == "--solar" ? 1 : 2;
        return std::nullopt;
    });
    if (mistake) return UsageError(command, *mistake, err);
    const auto series = line.operands.size() == 1 ? WholeNumber(line.operands[0], -99999, 999999) : std::nullopt;
    if (!series || (options.csv && options.json))
        return UsageError(command, "give one series number, and at most one of --csv and --json", err);
    std::vector<Listings::EclipseRow> rows;
    for (const Listings::EclipseRow& row : Listings::ListSarosSeries(static_cast<int32_t>(*series)))
        if (options.kinds & (row.phase == 0 ? 1 : 2)) rows.push_back(row);
    if (rows.empty()) {
        err << "selvanor-cli saros: series " << *series << " has no eclipse between the end of -3201 and 6000-01-01 CE\n";
        return kRefused;
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
