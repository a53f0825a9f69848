#include "cli/ConvertCommand.h"

#include <istream>
#include <optional>
#include <ostream>

#include "astro/DeltaTUncertainty.h"
#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
#include "cli/Command.h"
#include "cli/LogOutput.h"
#include "cli/MoonLines.h"
#include "calendars/registry/CalendarRegistry.h"
#include "core/ComputeMoment.h"
#include "core/DateDisplay.h"
#include "core/LunationNumbers.h"
#include "core/shown/ShownMoment.h"
#include "support/StrProc.h"

namespace Cli {

namespace {

struct ConvertOptions {
    TimeFrame frame;
    int entryCalendar = CalendarTable::kDefaultEntryCalendar;
    std::string days;  // as typed
    bool plus = true;
    bool json = false;
    bool log = false;  // print log entries instead of the display
    LogPreferences logPreferences;
};

// A refused option: its message and the exit status it gives.
struct OptionError {
    std::string message;
    int status = 1;
};

// The window's title of a row as a heading: every heading ends in a colon.
std::string Heading(const CalendarDescriptor& calendar) {
    std::string title(calendar.title);
    if (title.empty() || title.back() != ':') title += ':';
    return title;
}

// Compute as the window runs it, without a moment on show.
ComputeResult ComputeEntry(const std::string& entry, const ConvertOptions& options) {
    ComputeRequest request;
    request.dateBox = entry;
    request.daysBox = options.days;
    request.plus = options.plus;
    request.entryCalendar = options.entryCalendar;
    request.frame = options.frame;
    return ComputeMoment(request);
}

void PrintText(const ShownMoment& shown, std::ostream& out) {
    for (const CalendarDescriptor* row : CalendarRegistry::DisplayOrder())
        out << Heading(*row) << " " << shown.dates.Label(row->index).caption << "\n";
    out << "Time: " << shown.timeLine << "\n";
    out << "Delta T: " << shown.deltaT << "\n";
    for (const auto& [title, text] : MoonLines(shown.moon)) out << title << " " << text << "\n";
}

void PrintJson(const std::string& entry, const ShownMoment& shown, std::ostream& out) {
    const DateDisplay& display = shown.dates;
    out << "{\"entry\":" << JsonString(entry) << ",\"ajd\":" << JsonNumber(shown.ajd)
        << ",\"cjd\":" << JsonNumber(display.cjd) << ",\"day_number\":" << display.civilDay;
    // The day number of each calendar whose days begin after midnight ("qlw_day_number").
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        if (calendar->dayStart != 0.0)
            out << "," << JsonString(StrProc::LowerCase(std::string(calendar->code)) + "_day_number") << ":"
                << display.dayNumbers[static_cast<size_t>(calendar->index)];
    out << ",\"greenwich\":" << (shown.frame.greenwich ? "true" : "false")
        << ",\"zone_offset_minutes\":" << shown.frame.zoneOffsetMinutes << ",\"entry_calendar\":"
        << JsonString(std::string(CalendarRegistry::Calendar(shown.entryCalendar).code))
        << ",\"time\":" << JsonString(shown.timeLine) << ",\"delta_t_minutes\":" << JsonNumber(shown.deltaTMinutes)
        << ",\"delta_t\":" << JsonString(shown.deltaT) << ",\"calendars\":{";
    bool first = true;
    for (const CalendarDescriptor* row : CalendarRegistry::DisplayOrder()) {
        const DateLabel& label = display.Label(row->index);
        out << (first ? "" : ",") << JsonString(std::string(row->code))
            << ":{\"text\":" << JsonString(label.shortText) << ",\"label\":" << JsonString(label.caption)
            << ",\"tooltip\":" << JsonString(label.toolTip);
        if (!label.fields.empty()) {
            out << ",\"fields\":{";
            for (size_t i = 0; i < label.fields.size(); ++i)
                out << (i ? "," : "") << JsonString(label.fields[i].first) << ":" << label.fields[i].second;
            out << "}";
        }
        out << "}";
        first = false;
    }
    const int32_t lunation = Syzyg::LunationAt(shown.ajd);
    out << "},\"moon\":" << MoonJson(shown.moon) << ",\"lunation_numbers\":{\"selvanor\":" << lunation;
    for (const auto& convention : LunationNumbers::kConventions)
        out << "," << JsonString(std::string(convention.key)) << ":" << int64_t{lunation} + convention.offset;
    out << "},\"delta_t_sigma_min\":" << JsonNumber(DeltaTUncertainty::SigmaMinutesAt(shown.ajd)) << "}\n";
}

constexpr OptionDef kOptions[] = {
    kGreenwichOption,
    kZoneOption,
    {"--entry-calendar", "CODE", "The calendar of an entry that names none (default CE).", ValueKind::Calendar},
    {"--plus", "DAYS", "Adds DAYS to every moment, as the window's plus box does.", ValueKind::Number},
    {"--minus", "DAYS", "Subtracts DAYS from every moment.", ValueKind::Number},
    {"--json", "", "One JSON object per moment, one a line, with the texts and the numbers behind them."},
    {"--log", "", "The window's log entry of each result instead."},
    {"--log-format", "0|1", "With --log: 0 writes CE=date, 1 writes \"date CE,\".", ValueKind::LogFormat},
    {"--include", "LIST", "With --log: a comma list of the items of each entry (default all but QLW; \"\" none).",
     ValueKind::IncludeList},
};
constexpr ValueKind kOperands[] = {ValueKind::Entry};

std::string Description() {
    std::string items;
    for (const std::string& item : ChoicesOf(ValueKind::IncludeList)) items += (items.empty() ? "" : ", ") + item;
    return "Prints every notation of each moment ENTRY as the window shows it: the dates, the time line, "
           "delta T and the Moon; a blank line between moments. The entry \"-\" reads entries from standard "
           "input, one a line. Defaults: local time in zone GMT, entry calendar CE. A refused entry prints the "
           "window's message to standard error, prefixed with the entry, and the exit status is 2; the others "
           "still convert.\n\n"
           "--log prints the window's log entry of each result (operation, history text, calendar items, Moon "
           "line, empty line); the items of --include are " + items + " (an unknown one gives the status 2). A "
           "result that repeats the previous one makes no entry.\n\n"
           "Examples:\n"
           "  selvanor-cli convert \"2003-12-31 ce 15:55\"\n"
           "  selvanor-cli convert --zone +05:30 --json \"-44-03-15 JC\" \"4696-11-25 ARC\"\n"
           "  printf '2000-01-01 CE\\n1-94-08-25 DVG\\n' | selvanor-cli convert -";
}

// Reads the options and entries of convert; the first bad option, if any.
std::optional<OptionError> ReadOptions(const CommandLine& line, ConvertOptions& options) {
    bool daysGiven = false;
    for (const auto& [name, value] : line.options) {
        std::string error;
        if (ApplyFrameOption(name, value, options.frame, error)) {
            if (!error.empty()) return OptionError{error};
        } else if (name == "--json") {
            options.json = true;
        } else if (name == "--log") {
            options.log = true;
        } else if (name == "--log-format") {
            if (value != "0" && value != "1") return OptionError{"--log-format needs 0 or 1"};
            options.logPreferences.calendarEqualsDate = value == "0";
        } else if (name == "--include") {
            if (auto error = ReadIncludeList(value, options.logPreferences)) return OptionError{*error, 2};
        } else if (name == "--entry-calendar") {
            if (Mistake mistake = ReadEntryCalendar(value, options.entryCalendar)) return OptionError{*mistake};
        } else {
            if (daysGiven) return OptionError{"give one of --plus DAYS or --minus DAYS"};
            daysGiven = true;
            options.days = value;
            options.plus = name == "--plus";
        }
    }
    if (line.operands.empty()) return OptionError{"no entry given"};
    return std::nullopt;
}

}  // namespace

const CommandDef& ConvertCommand() {
    static const CommandDef definition{"convert",
                                  "[--greenwich | --zone +-HH:MM] [--entry-calendar CODE] [--plus DAYS | --minus DAYS] "
                                  "[--json | --log [--log-format 0|1] [--include LIST]] ENTRY...",
                                  "Every notation of typed moments, as the window shows them", kOptions, kOperands,
                                  true, Description};
    return definition;
}

int RunConvert(std::vector<std::string> argv, std::istream& in, std::ostream& out, std::ostream& err) {
    const CommandDef& command = ConvertCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, argv, out, err, line)) return *status;
    ConvertOptions options;
    if (const auto error = ReadOptions(line, options)) {
        if (error->status == kUsage) return UsageError(command, error->message, err);
        err << "selvanor-cli convert: " << error->message << "\n";
        return error->status;
    }
    const std::vector<std::string>& entries = line.operands;
    LogPrinter log(options.logPreferences);

    int status = 0;
    bool firstOutput = true;
    auto convertOne = [&](const std::string& entry) {
        const ComputeResult moment = ComputeEntry(entry, options);
        if (!moment.Ok()) {
            err << entry << ": " << moment.message << "\n";
            status = 2;
            return;
        }
        const ShownMoment shown = Shown::At(moment.ajd, options.frame, moment.entryCalendar, NumberFormat{});
        if (options.log) {
            out << log.Entry(shown, moment.operation);
        } else if (options.json) {
            PrintJson(entry, shown, out);
        } else {
            if (!firstOutput) out << "\n";
            PrintText(shown, out);
        }
        firstOutput = false;
    };
    for (const std::string& entry : entries) {
        if (entry != "-") {
            convertOne(entry);
            continue;
        }
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!StrProc::Trim(line).empty()) convertOne(line);
        }
    }
    out.flush();
    return status;
}

}  // namespace Cli
