#include "cli/SearchCommand.h"

#include "core/History.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
#include "cli/Command.h"
#include "calendars/registry/CalendarRegistry.h"
#include "core/ComputeMoment.h"
#include "core/DateDisplay.h"
#include "cli/PlaceOption.h"
#include "core/place/SkyLines.h"
#include "core/search/EclipseDescription.h"
#include "core/search/SeenFromPlace.h"
#include "support/StrProc.h"

namespace Cli {

namespace {

// More results than the range holds principal phases.
constexpr long long kMaxCount = 1000000;

struct SearchOptions {
    TimeFrame frame;
    std::optional<int> entryCalendar;
    std::optional<bool> next;
    int target = -1;
    std::string from;
    long long count = 1;
    bool json = false;
    std::string place;     // --place: each eclipse also as seen from there
    bool visible = false;  // --visible: only eclipses seen from the place
};

constexpr OptionDef kOptions[] = {
    {"--from", "ENTRY", "The moment the search starts from.", ValueKind::Entry},
    {"--count", "N", "Searches N times, each from the result before (default 1).", ValueKind::Number},
    kGreenwichOption,
    kZoneOption,
    {"--entry-calendar", "CODE", "The calendar of the entries printed (default: the one ENTRY names).",
     ValueKind::Calendar},
    {"--json", "", "An array of the results as JSON."},
    {"--place", "PLACE", "With an eclipse target: each eclipse also as seen from PLACE (coordinates or a city).",
     ValueKind::Place},
    {"--visible", "", "With --place: only the eclipses seen from the place."},
};
constexpr ValueKind kOperands[] = {ValueKind::Direction, ValueKind::Target};

std::string Description() {
    return "Searches from the moment ENTRY as the window's Search does, for one of its targets (any case): " +
           ChoiceList(ValueKind::Target) +
           ". Each result prints its history entry (the entry calendar's date, the time and the time frame), "
           "the eclipse data the window shows, and an empty line. --json prints an array of {\"entry\", \"ajd\", "
           "\"cjd\", \"lunation\", \"phase\", \"eclipse\", \"description\", \"log\"}: lunation and phase of the "
           "phase or syzygy found (null for a coincidence), the eclipse record or null, the eclipse data and the "
           "log's eclipse text. A search that meets the end of the accepted range prints what it found before, "
           "the message on standard error, and the exit status is 2.\n\n"
           "With an eclipse target, --place adds the eclipse seen from the place (the window's lines, and "
           "\"local\" in --json, as in eclipses); --visible then finds only the eclipses seen from the place.\n\n" +
           PlaceHelp() +
           "\n\n"
           "Examples:\n"
           "  selvanor-cli search next \"Total solar eclipse\" --from \"2024-01-01 CE\" --count 3\n"
           "  selvanor-cli search next \"Solar eclipse\" --from \"2024-01-01 CE\" --place Chicago --visible\n"
           "  selvanor-cli search previous \"coincidence of 1sts of month\" --from \"2000-01-01 CE\" --json";
}

// Reads the options; the message of the first bad one, if any.
std::optional<std::string> ReadOptions(const CommandLine& line, SearchOptions& options) {
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string& value) -> Mistake {
        if (name == "--json" || name == "--visible") {
            (name == "--json" ? options.json : options.visible) = true;
        } else if (name == "--place" || name == "--from") {
            (name == "--place" ? options.place : options.from) = value;
        } else if (name == "--count") {
            const auto count = WholeNumber(value, 1, kMaxCount);
            if (!count) return "--count takes a number of searches from 1 to " + std::to_string(kMaxCount);
            options.count = *count;
        } else {
            int calendar = 0;
            if (Mistake wrong = ReadEntryCalendar(value, calendar)) return wrong;
            options.entryCalendar = calendar;
        }
        return std::nullopt;
    });
    if (mistake) return mistake;
    const std::vector<std::string>& words = line.operands;
    if (words.size() != 2) return "give next or previous and one target";
    const std::string direction = StrProc::UpperCase(words[0]);
    if (direction != "NEXT" && direction != "PREVIOUS") return "the direction is next or previous, not " + words[0];
    options.next = direction == "NEXT";
    options.target = Search::TargetOfText(words[1]);
    if (options.target == SearchTargets::kSameSaros)
        return "\"" + words[1] + "\" starts from an eclipse on display, which the command line has none of";
    if (options.target < 0) return "unknown target \"" + words[1] + "\"; the targets are " + ChoiceList(ValueKind::Target);
    if (options.from.empty()) return "give --from ENTRY";
    if (options.visible && options.place.empty()) return "--visible needs --place PLACE";
    if (!options.place.empty() && SearchTargets::kTargets[static_cast<size_t>(options.target)].eclipseTypes == 0)
        return "--place and --visible go with the eclipse targets";
    return std::nullopt;
}

std::string JsonEclipse(const EclipseData& record) {
    if (record.type <= 0) return "null";
    return "{\"type\": " + std::to_string(record.type) + ", \"type_text\": " +
           JsonString(Syzyg::EclipseTypeText(record.type)) + ", \"lunation\": " + std::to_string(record.lunation) +
           ", \"phase\": " + std::to_string(record.phase) + ", \"saros\": " + std::to_string(record.saros) +
           ", \"jd_tt_greatest\": " + JsonNumber(record.greatest) +
           ", \"half_penumbral_min\": " + JsonNumber(record.halfPenumbral) +
           ", \"half_umbral_min\": " + JsonNumber(record.halfUmbral) +
           ", \"half_total_min\": " + JsonNumber(record.halfTotal) + "}";
}

std::string NumberOrNull(long long value, bool present) { return present ? std::to_string(value) : "null"; }

void Print(const Search::Result& result, const SearchOptions& options, int entryCalendar, bool first,
           const PlaceChoice* place, std::ostream& out) {
    const std::string entry = SearchEntryText(result.ajd, entryCalendar, options.frame);
    // The eclipse data are those an eclipse search shows; a phase that happens to be eclipsed
    // carries only its record.
    Search::EclipseTexts texts;
    if (result.eclipseFound) texts = Search::EclipseDescription(result.record, result.ajd, options.frame);
    const bool local = place && result.eclipseFound;
    if (!options.json) {
        out << entry << "\n" << texts.label;
        if (local)
            for (const std::string& line :
                 SkyLines::EclipseLines(place->label, place->place, result.record, result.ajd, options.frame))
                out << line << "\n";
        out << "\n";
        return;
    }
    const bool syzygy = result.lunation != -1 || result.phase != -1;
    out << (first ? "" : ",\n") << "{\"entry\": " << JsonString(entry) << ", \"ajd\": " << JsonNumber(result.ajd)
        << ", \"cjd\": " << JsonNumber(TimeZones::AjdToCjd(result.ajd, options.frame))
        << ", \"lunation\": " << NumberOrNull(result.lunation, syzygy)
        << ", \"phase\": " << NumberOrNull(result.phase, syzygy) << ", \"eclipse\": " << JsonEclipse(result.record)
        << ", \"description\": " << JsonString(texts.label) << ", \"log\": " << JsonString(texts.log);
    if (place) out << ", \"local\": " << (local ? LocalJson(place->place, result.record, result.ajd) : "null");
    out << "}";
}

}  // namespace

std::string SearchEntryText(double ajd, int entryCalendar, const TimeFrame& frame) {
    return History::EntryTextOf(ComputeAllDates(ajd, frame, NumberFormat{}), entryCalendar, frame);
}

const CommandDef& SearchCommand() {
    static const CommandDef definition{"search",
                                  "next|previous TARGET --from ENTRY [--count N] [--entry-calendar CODE] [--json] "
                                  "[--place PLACE [--visible]] [--greenwich | --zone +-HH:MM]",
                                  "The window's Search from a typed moment, once or repeatedly", kOptions, kOperands,
                                  false, Description};
    return definition;
}

int RunSearch(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = SearchCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    SearchOptions options;
    if (const auto error = ReadOptions(line, options)) return UsageError(command, *error, err);
    ComputeRequest request;
    request.dateBox = options.from;
    request.entryCalendar = options.entryCalendar.value_or(CalendarTable::kDefaultEntryCalendar);
    request.frame = options.frame;
    const ComputeResult moment = ComputeMoment(request);
    if (!moment.Ok()) {
        err << options.from << ": " << moment.message << "\n";
        return 2;
    }
    const int entryCalendar = options.entryCalendar.value_or(moment.entryCalendar);
    std::optional<PlaceChoice> place;
    if (!options.place.empty() && !(place = ReadPlaceOption("search", options.place, err))) return kRefused;

    Search::Request search;
    search.target = options.target;
    search.next = *options.next;
    search.ajd = moment.ajd;
    search.frame = options.frame;
    if (options.visible) search.accept = Search::SeenFrom(place->place);
    int status = 0;
    if (options.json) out << "[";
    for (long long i = 0; i < options.count; ++i) {
        const Search::Result result = Search::RunSearch(search);
        if (!result.Found()) {
            err << result.title << ": " << result.message << "\n";
            status = 2;
            break;
        }
        Print(result, options, entryCalendar, i == 0, place ? &*place : nullptr, out);
        // The next search starts from this result, as pressing Search again does.
        search.ajd = result.ajd;
    }
    if (options.json) out << "]\n";
    out.flush();
    return status;
}

}  // namespace Cli
