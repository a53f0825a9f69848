#include "cli/MoveCommand.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "calendars/registry/CalendarRegistry.h"
#include "cli/CliArgs.h"
#include "core/ComputeMoment.h"
#include "core/History.h"
#include "core/MoveOnce.h"
#include "support/StrProc.h"

namespace Cli {

namespace {

// Enough for a minute by minute walk through a year; a longer walk is one more call.
constexpr long kMaxCount = 1000000;

struct MoveOptions {
    TimeFrame frame;
    int entryCalendar = CalendarTable::kDefaultEntryCalendar;
    int step = -1;
    bool forward = true;
    long count = 1;
    bool json = false;
    std::string entry;
};

std::string StepNames() {
    std::string names;
    for (const MoveSteps::StepRule& step : MoveSteps::Steps()) names += (names.empty() ? "\"" : ", \"") + step.text + "\"";
    return names;
}

std::optional<std::string> ReadValueOption(const std::string& arg, Args& args, MoveOptions& options) {
    const auto value = args.Value();
    if (arg == "--step") {
        options.step = value ? MoveSteps::StepIndex(StrProc::Trim(*value)) : -1;
        if (options.step < 0) return "--step needs one of " + StepNames();
    } else if (arg == "--count") {
        long count = -1;
        const bool read = value && std::from_chars(value->data(), value->data() + value->size(), count).ec == std::errc{} &&
                          std::to_string(count) == *value;
        if (!read || count < 0 || count > kMaxCount) return "--count needs a whole number from 0 to 1000000";
        options.count = count;
    } else {
        const int index = value ? CalendarTable::CalendarIndex(StrProc::UpperCase(*value)) : -1;
        if (index < 0) return "--entry-calendar needs one of " + CalendarRegistry::CodeList(", ");
        options.entryCalendar = index;
    }
    return std::nullopt;
}

std::optional<std::string> ReadOptions(Args& args, MoveOptions& options) {
    bool optionsEnded = false, entryGiven = false;
    while (!args.Done()) {
        std::string error;
        if (!optionsEnded && TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) return error;
            continue;
        }
        const std::string arg = args.Take();
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            if (entryGiven) return "give one entry (a date with spaces goes in quotes)";
            options.entry = arg;
            entryGiven = true;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--back") {
            options.forward = false;
        } else if (arg == "--step" || arg == "--count" || arg == "--entry-calendar") {
            if (auto error = ReadValueOption(arg, args, options)) return error;
        } else {
            return "unknown option " + arg + " (an entry beginning with \"-\" goes after \"--\")";
        }
    }
    if (options.step < 0) return "--step is needed: one of " + StepNames();
    if (!entryGiven) return "no entry given (try selvanor-cli --help)";
    return std::nullopt;
}

void PrintMoment(long step, const DateDisplay& display, const std::string& entry, bool json, std::ostream& out) {
    if (!json) {
        out << entry << "\n";
        return;
    }
    out << (step ? ",\n " : "[") << "{\"step\":" << step << ",\"ajd\":" << JsonNumber(display.ajd)
        << ",\"cjd\":" << JsonNumber(display.cjd) << ",\"entry\":" << JsonString(entry) << ",\"calendars\":{";
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        out << (calendar->index ? "," : "") << JsonString(std::string(calendar->code)) << ":"
            << JsonString(display.labels[static_cast<size_t>(calendar->index)].shortText);
    out << "}}";
}

}  // namespace

int RunMove(std::vector<std::string> argv, std::ostream& out, std::ostream& err) {
    Args args(std::move(argv));
    MoveOptions options;
    if (const auto error = ReadOptions(args, options)) {
        err << "selvanor-cli move: " << *error << "\n";
        return 1;
    }
    ComputeRequest request;
    request.dateBox = options.entry;
    request.entryCalendar = options.entryCalendar;
    request.frame = options.frame;
    const ComputeResult start = ComputeMoment(request);
    if (!start.Ok()) {
        err << options.entry << ": " << start.message << "\n";
        return 2;
    }
    MoveSteps::MoveResult moment{start.ajd, start.entryCalendar, true};
    const MoveSteps::StepRule rule = MoveSteps::Steps()[static_cast<size_t>(options.step)];
    std::string rangeMessage;
    for (long step = 0; step <= options.count; ++step) {
        if (step > 0) {
            const MoveSteps::MoveResult next =
                MoveSteps::MoveOnce(moment.ajd, rule, options.forward, options.frame, moment.entryCalendar);
            if (!next.moved) {
                rangeMessage = options.forward ? MoveSteps::kLatestExceeded : MoveSteps::kEarliestExceeded;
                break;
            }
            moment = next;
        }
        const DateDisplay display = ComputeAllDates(moment.ajd, options.frame, NumberFormat{});
        PrintMoment(step, display, History::EntryTextOf(display, moment.entryCalendar, options.frame), options.json,
                    out);
        rangeMessage = MoveSteps::RangeMessage(moment.ajd);
        if (step > 0 && !rangeMessage.empty()) break;
    }
    if (options.json) out << "]\n";
    out.flush();
    if (rangeMessage.empty()) return 0;
    err << MoveSteps::kRangeTitle << ": " << rangeMessage << "\n";
    return 2;
}

}  // namespace Cli
