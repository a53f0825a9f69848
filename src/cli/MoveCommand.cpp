#include "cli/MoveCommand.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/Command.h"
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
    int entryCalendar = CalendarTable::CE;
    int step = -1;
    bool forward = true;
    long count = 1;
    bool json = false;
    std::string entry;
};

constexpr OptionDef kOptions[] = {
    {"--step", "STEP", "The step of each move, from the window's step list.", ValueKind::Step},
    {"--back", "", "Moves back instead of forward."},
    {"--count", "N", "The number of steps (default 1).", ValueKind::Number},
    kGreenwichOption,
    kZoneOption,
    {"--entry-calendar", "CODE", "The calendar of an entry that names none (default CE).", ValueKind::Calendar},
    {"--json", "", "An array of the moments reached as JSON."},
};
constexpr ValueKind kOperands[] = {ValueKind::Entry};

std::string Description() {
    return "Makes N steps of the window's Move from the moment ENTRY and prints the start and each moment "
           "reached, one a line, as the window's history lists it: the entry calendar's date, the time and the "
           "time frame. A calendar step keeps the time of day and makes its calendar the entry calendar. --json "
           "prints an array of {\"step\", \"ajd\", \"cjd\", \"entry\", \"calendars\": {\"CE\": \"2003-02-28 CE\", "
           "...}} (step 0 is the start). A step beyond the accepted moments is printed, then the window's message "
           "goes to standard error and the exit status is 2.\n\n"
           "Examples:\n"
           "  selvanor-cli move --step \"1 CE month\" --count 3 \"2003-01-31 CE 15:55\"\n"
           "  selvanor-cli move --step \"1 QLW week\" --back --zone +05:30 --json \"5001-01-3-3 QLW\"";
}

std::optional<std::string> ReadOptions(const CommandLine& line, MoveOptions& options) {
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string& value) -> Mistake {
        if (name == "--json") {
            options.json = true;
        } else if (name == "--back") {
            options.forward = false;
        } else if (name == "--step") {
            options.step = MoveSteps::StepIndex(StrProc::Trim(value));
            if (options.step < 0) return "--step needs one of " + ChoiceList(ValueKind::Step);
        } else if (name == "--count") {
            const auto count = WholeNumber(value, 0, kMaxCount);
            if (!count || value[0] == '+') return "--count needs a whole number from 0 to 1000000";
            options.count = static_cast<long>(*count);
        } else {
            return ReadEntryCalendar(value, options.entryCalendar);
        }
        return std::nullopt;
    });
    if (mistake) return mistake;
    if (options.step < 0) return "--step is needed: one of " + ChoiceList(ValueKind::Step);
    if (line.operands.size() != 1) return "give one entry (a date with blanks goes in quotes)";
    options.entry = line.operands[0];
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

const CommandDef& MoveCommand() {
    static const CommandDef definition{"move",
                                  "--step STEP [--back] [--count N] [--entry-calendar CODE] [--json] "
                                  "[--greenwich | --zone +-HH:MM] ENTRY",
                                  "Steps of the window's Move from a typed moment", kOptions, kOperands, false,
                                  Description};
    return definition;
}

int RunMove(std::vector<std::string> argv, std::ostream& out, std::ostream& err) {
    const CommandDef& command = MoveCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, argv, out, err, line)) return *status;
    MoveOptions options;
    if (const auto error = ReadOptions(line, options)) return UsageError(command, *error, err);
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
    std::string rangeMessage;
    for (long step = 0; step <= options.count; ++step) {
        if (step > 0) {
            const MoveSteps::MoveResult next =
                MoveSteps::MoveOnce(moment.ajd, options.step, options.forward, options.frame, moment.entryCalendar);
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
