#include "cli/PlaceOption.h"

#include <cmath>
#include <cstdlib>
#include <ostream>

#include "astro/sky/LocalEclipse.h"
#include "cli/CliArgs.h"

namespace Cli {

namespace {

// Times as Julian dates with all their digits, altitudes and ratios to 1e-4.
std::string Time(double jd) { return JsonNumber(jd); }
std::string Rounded(double value) { return std::isfinite(value) ? JsonNumber(std::round(value * 1e4) / 1e4) : "null"; }

const char* KindText(Sky::LocalKind kind) {
    switch (kind) {
        case Sky::LocalKind::Partial: return "partial";
        case Sky::LocalKind::Annular: return "annular";
        case Sky::LocalKind::Total: return "total";
        case Sky::LocalKind::None: break;
    }
    return "none";
}

std::string SolarJson(const Sky::SolarLocal& s) {
    return std::string("{\"visible\": ") + (s.visible ? "true" : "false") + ", \"type\": \"" + KindText(s.kind) +
           "\", \"c1\": " + Time(s.c1) + ", \"c2\": " + Time(s.c2) + ", \"max\": " + Time(s.max) + ", \"c3\": " + Time(s.c3) +
           ", \"c4\": " + Time(s.c4) + ", \"magnitude\": " + Rounded(s.magnitude) + ", \"obscuration\": " +
           Rounded(s.obscuration) + ", \"sun_altitude\": {\"c1\": " + Rounded(s.sunAltitudeC1) + ", \"max\": " +
           Rounded(s.sunAltitudeMax) + ", \"c4\": " + Rounded(s.sunAltitudeC4) + "}}";
}

std::string LunarJson(const Sky::LunarLocal& l) {
    static const char* const kNames[7] = {"p1", "u1", "u2", "max", "u3", "u4", "p4"};
    std::string times, altitudes;
    for (int i = 0; i < 7; ++i) {
        const std::string key = std::string(i ? ", \"" : "\"") + kNames[i] + "\": ";
        times += ", \"" + std::string(kNames[i]) + "\": " + Time(l.contacts[i]);
        altitudes += key + Rounded(l.moonAltitude[i]);
    }
    return std::string("{\"visible\": ") + (l.visible ? "true" : "false") + times + ", \"moon_altitude\": {" +
           altitudes + "}}";
}

}  // namespace

std::optional<PlaceChoice> ReadPlaceOption(const std::string& command, const std::string& value, std::ostream& err) {
    const char* folder = std::getenv("TZDIR");
    const CityList::Loading list = CityList::Load(folder && *folder ? folder : CityList::kDefaultFolder);
    const PlaceChoice choice = ChoosePlace(value, list.cities);
    if (choice.HasPlace()) return choice;
    const std::string prefix = "selvanor-cli " + command + ": --place " + JsonString(value) + ": ";
    switch (choice.outcome) {
        case PlaceChoice::Outcome::Empty:
            err << prefix << "give a latitude and a longitude such as \"48.857 N, 2.352 E, 35 m\", or a city\n";
            break;
        case PlaceChoice::Outcome::Ambiguous:
            err << prefix << choice.candidates.size() << " cities fit:\n";
            for (const std::string& name : choice.candidates) err << "  " << name << "\n";
            break;
        case PlaceChoice::Outcome::NoCity:
            err << prefix << choice.message << (list.error.empty() ? "" : " (" + list.error + ")") << "\n";
            break;
        default:
            err << prefix << choice.message << "\n";
    }
    return std::nullopt;
}

std::string LocalJson(const Place& place, const EclipseData& record, double greatestUt) {
    if (record.type >= 1 && record.type <= 7) return SolarJson(Sky::SolarCircumstances(ObserverOf(place), record));
    if (record.type >= 8 && record.type <= 10)
        return LunarJson(Sky::LunarCircumstances(ObserverOf(place), record, greatestUt));
    return "null";
}

std::string PlaceHelp() {
    return "A PLACE is a latitude and a longitude, then an optional height in metres: decimal degrees with a sign "
           "or a hemisphere letter (48.857, 2.352 / 48.857 N, 2.352 E, 35 m / -33.9,18.4,10 / S33.9 E18.4), or "
           "degrees, minutes and seconds (40 26'46\"N 79 58'56\"W, also with the degree sign); geodetic WGS 84, "
           "north and east positive. A text without digits names a city of the time-zone database (zone1970.tab "
           "and iso3166.tab in $TZDIR, else /usr/share/zoneinfo), compared without regard to case with the whole "
           "name (\"Paris (France)\"), the city alone (\"paris\") or a part of it: when no city or several fit, "
           "the candidates go to standard error and the exit status is 2.";
}

}  // namespace Cli
