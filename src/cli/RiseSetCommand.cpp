#include "cli/RiseSetCommand.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

#include "astro/sky/RiseSet.h"
#include "cli/CliArgs.h"
#include "cli/Command.h"
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

constexpr OptionDef kOptions[] = {
    {"--place", "PLACE", "The observer: coordinates or a city.", ValueKind::Place},
    {"--from", "ENTRY", "The first moment of the span.", ValueKind::Entry},
    {"--to", "ENTRY", "The end of the span (not included).", ValueKind::Entry},
    kGreenwichOption,
    kZoneOption,
    {"--csv", "", "body,event,jd_ut,azimuth_deg,altitude_deg instead of text."},
    {"--json", "", "An array of {\"body\", \"event\", \"jd_ut\", \"time\", \"azimuth_deg\", \"altitude_deg\"}."},
};

std::string Description() {
    return "Lists every rise, transit and set of the Sun and the Moon seen from PLACE in [--from, --to), in time "
           "order: date and time in the chosen frame, body, event, azimuth (degrees from north through east) and "
           "apparent altitude (topocentric, with refraction for 1010 hPa and 10 C). A body rises or sets when the "
           "geocentric altitude of its centre is -0 deg 50' (Sun) or 0.7275 parallax - 0 deg 34' (Moon), on a "
           "sea-level horizon whatever the height; a transit (the upper meridian crossing) is listed when the body "
           "is then above that line. A day without a rise or a set has no such event. --csv prints "
           "body,event,jd_ut,azimuth_deg,altitude_deg (body sun or moon; event rise, transit or set; jd_ut a "
           "Julian date in Greenwich time).\n\n" +
           PlaceHelp() +
           "\n\n"
           "Examples:\n"
           "  selvanor-cli riseset --place Paris --from \"2024-06-01 CE 00:00\" --to \"2024-07-01 CE 00:00\" --zone +02:00\n"
           "  selvanor-cli riseset --place \"-33.9, 18.4, 10\" --from \"2024-12-21 CE 00:00\" --to \"2024-12-22 CE 00:00\" --csv";
}

// The options; the message of the first bad one, if any.
std::optional<std::string> ReadOptions(const CommandLine& line, Options& options) {
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string& value) -> Mistake {
        if (name == "--csv" || name == "--json")
            (name == "--csv" ? options.csv : options.json) = true;
        else
            (name == "--from" ? options.from : name == "--to" ? options.to : options.place) = value;
        return std::nullopt;
    });
    if (mistake) return mistake;
    if (options.place.empty() || options.from.empty() || options.to.empty())
        return "give --place PLACE, --from ENTRY and --to ENTRY";
    if (options.csv && options.json) return "give at most one of --csv and --json";
    return std::nullopt;
}

}  // namespace

const CommandDef& RiseSetCommand() {
    static const CommandDef definition{"riseset",
                                       "--place PLACE --from ENTRY --to ENTRY [--greenwich | --zone +-HH:MM] "
                                       "[--csv | --json]",
                                       "Every rise, transit and set of the Sun and the Moon seen from a place",
                                       kOptions, {}, false, Description};
    return definition;
}

int RunRiseSet(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = RiseSetCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    Options options;
    if (const auto error = ReadOptions(line, options)) return UsageError(command, *error, err);
    const std::optional<PlaceChoice> place = ReadPlaceOption("riseset", options.place, err);
    if (!place) return kRefused;
    const ParsedMoment from = ParseMomentEntry(options.from, options.frame);
    const ParsedMoment to = ParseMomentEntry(options.to, options.frame);
    if (!from.error.empty() || !to.error.empty()) {
        if (!from.error.empty()) err << options.from << ": " << from.error << "\n";
        if (!to.error.empty()) err << options.to << ": " << to.error << "\n";
        return kRefused;
    }
    if (from.ajd > to.ajd) return UsageError(command, "--from must not be later than --to", err);
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
