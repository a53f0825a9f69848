#include "cli/RiseSetCommand.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

#include "astro/sky/RiseSet.h"
#include "cli/CliArgs.h"
#include "cli/ListCommands.h"
#include "cli/PlaceOption.h"

namespace Cli {

namespace {

struct Options {
    TimeFrame frame;
    std::string from, to, place;
    bool csv = false, json = false;
};

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// An azimuth just west of north reads 0, not 360, at the decimals shown.
std::string Azimuth(double degrees, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(degrees * scale) / scale;
    if (rounded >= 360.0) rounded -= 360.0;
    return Fixed(rounded, decimals);
}

const char* BodyName(Sky::Body body) { return body == Sky::Body::Sun ? "sun" : "moon"; }
const char* EventName(Sky::EventKind kind) {
    return kind == Sky::EventKind::Rise ? "rise" : kind == Sky::EventKind::Set ? "set" : "transit";
}

// The options; the message of the first bad one, if any.
std::optional<std::string> ReadOptions(std::vector<std::string> argv, Options& options) {
    Args args(std::move(argv));
    while (!args.Done()) {
        std::string error;
        if (TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) return error;
            continue;
        }
        const std::string arg = args.Take();
        if (arg == "--csv" || arg == "--json") {
            (arg == "--csv" ? options.csv : options.json) = true;
        } else if (arg == "--from" || arg == "--to" || arg == "--place") {
            const auto value = args.Value();
            if (!value) return arg + " needs a value (try selvanor-cli --help)";
            (arg == "--from" ? options.from : arg == "--to" ? options.to : options.place) = *value;
        } else {
            return "unexpected " + arg + " (try selvanor-cli --help)";
        }
    }
    if (options.place.empty() || options.from.empty() || options.to.empty())
        return "give --place PLACE, --from ENTRY and --to ENTRY";
    if (options.csv && options.json) return "give at most one of --csv and --json";
    return std::nullopt;
}

}  // namespace

int RunRiseSet(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto error = ReadOptions(std::move(args), options)) {
        err << "selvanor-cli riseset: " << *error << "\n";
        return 1;
    }
    const std::optional<PlaceChoice> place = ReadPlaceOption("riseset", options.place, err);
    if (!place) return 2;
    const ParsedMoment from = ParseMomentEntry(options.from, options.frame);
    const ParsedMoment to = ParseMomentEntry(options.to, options.frame);
    if (!from.error.empty() || !to.error.empty()) {
        if (!from.error.empty()) err << options.from << ": " << from.error << "\n";
        if (!to.error.empty()) err << options.to << ": " << to.error << "\n";
        return 2;
    }
    if (from.ajd > to.ajd) {
        err << "selvanor-cli riseset: --from must not be later than --to\n";
        return 1;
    }
    if (options.csv) out << "body,event,jd_ut,azimuth_deg,altitude_deg\n";
    if (options.json) out << "[";
    if (!options.csv && !options.json) {
        const std::string coordinates = Fixed(std::fabs(place->place.latitude), 4) +
                                        (place->place.latitude < 0 ? " S, " : " N, ") +
                                        Fixed(std::fabs(place->place.longitude), 4) +
                                        (place->place.longitude < 0 ? " W" : " E");
        out << "Seen from "
            << (place->outcome == PlaceChoice::Outcome::City ? place->name + " (" + coordinates + ")" : coordinates)
            << "\n";
    }
    bool first = true;
    Sky::ForEachEvent(ObserverOf(place->place), from.ajd, to.ajd, [&](const Sky::SkyEvent& e) {
        if (options.csv) {
            out << BodyName(e.body) << "," << EventName(e.kind) << "," << Fixed(e.jdUt, 8) << "," << Azimuth(e.azimuth, 4)
                << "," << Fixed(e.altitude, 4) << "\n";
        } else if (options.json) {
            out << (first ? "" : ",\n") << "{\"body\": \"" << BodyName(e.body) << "\", \"event\": \"" << EventName(e.kind)
                << "\", \"jd_ut\": " << JsonNumber(e.jdUt) << ", \"time\": " << JsonString(MomentText(e.jdUt, options.frame))
                << ", \"azimuth_deg\": " << Azimuth(e.azimuth, 4) << ", \"altitude_deg\": " << Fixed(e.altitude, 4) << "}";
        } else {
            out << MomentText(e.jdUt, options.frame) << "  " << (e.body == Sky::Body::Sun ? "Sun " : "Moon ")
                << EventName(e.kind) << ", azimuth " << Azimuth(e.azimuth, 1) << ", altitude " << Fixed(e.altitude, 1) << "\n";
        }
        first = false;
    });
    if (options.json) out << "]\n";
    return 0;
}

}  // namespace Cli
