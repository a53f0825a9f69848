#include "cli/SearchCommand.h"

#include "core/History.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
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

std::optional<long long> Count(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxCount) return std::nullopt;
    return value;
}

// Reads the options; the message of the first bad one, if any.
std::optional<std::string> ReadOptions(std::vector<std::string> argv, SearchOptions& options) {
    Args args(std::move(argv));
    std::vector<std::string> words;
    while (!args.Done()) {
        std::string error;
        if (TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) return error;
            continue;
        }
        const std::string arg = args.Take();
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--visible") {
            options.visible = true;
        } else if (arg == "--from" || arg == "--count" || arg == "--entry-calendar" || arg == "--place") {
            const auto value = args.Value();
            if (!value) return arg + " needs a value (try selvanor-cli --help)";
            if (arg == "--from") options.from = *value;
            if (arg == "--place") options.place = *value;
            if (arg == "--count") {
                const auto count = Count(*value);
                if (!count) return "--count takes a number of searches from 1 to " + std::to_string(kMaxCount);
                options.count = *count;
            }
            if (arg == "--entry-calendar") {
                const int index = CalendarTable::CalendarIndex(StrProc::UpperCase(*value));
                if (index < 0) return "--entry-calendar needs one of " + CalendarRegistry::CodeList(", ");
                options.entryCalendar = index;
            }
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            return "unknown option " + arg + " (try selvanor-cli --help)";
        } else {
            words.push_back(arg);
        }
    }
    if (words.size() != 2) return "give next or previous and one target (try selvanor-cli --help)";
    const std::string direction = StrProc::UpperCase(words[0]);
    if (direction != "NEXT" && direction != "PREVIOUS") return "the direction is next or previous, not " + words[0];
    options.next = direction == "NEXT";
    options.target = Search::TargetOfText(words[1]);
    if (options.target == SearchTargets::kSameSaros)
        return "\"" + words[1] + "\" starts from an eclipse on display, which the command line has none of";
    if (options.target < 0) {
        std::string known;
        for (size_t i = 0; i < SearchTargets::kTargets.size(); ++i) {
            const std::string_view text = SearchTargets::kTargets[i].text;
            if (text.empty() || static_cast<int>(i) == SearchTargets::kSameSaros) continue;
            known += (known.empty() ? "\"" : ", \"") + std::string(text) + "\"";
        }
        return "unknown target \"" + words[1] + "\"; the targets are " + known;
    }
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

int RunSearch(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    SearchOptions options;
    if (const auto error = ReadOptions(std::move(args), options)) {
        err << "selvanor-cli search: " << *error << "\n";
        return 1;
    }
    ComputeRequest request;
    request.dateBox = options.from;
    request.entryCalendar = options.entryCalendar.value_or(CalendarTable::CE);
    request.frame = options.frame;
    const ComputeResult moment = ComputeMoment(request);
    if (!moment.Ok()) {
        err << options.from << ": " << moment.message << "\n";
        return 2;
    }
    const int entryCalendar = options.entryCalendar.value_or(moment.entryCalendar);
    std::optional<PlaceChoice> place;
    if (!options.place.empty() && !(place = ReadPlaceOption("search", options.place, err))) return 2;

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
