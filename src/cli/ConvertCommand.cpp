#include "cli/ConvertCommand.h"

#include <istream>
#include <optional>
#include <ostream>

#include "astro/DeltaTUncertainty.h"
#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
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

// Reads the options and entries of convert; the first bad option, if any.
std::optional<OptionError> ReadOptions(Args& args, ConvertOptions& options, std::vector<std::string>& entries) {
    bool optionsEnded = false;
    bool daysGiven = false;
    while (!args.Done()) {
        std::string error;
        if (!optionsEnded && TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) return OptionError{error};
            continue;
        }
        const std::string arg = args.Take();
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            entries.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--log") {
            options.log = true;
        } else if (arg == "--log-format") {
            const auto format = args.Value();
            if (!format || (*format != "0" && *format != "1")) return OptionError{"--log-format needs 0 or 1"};
            options.logPreferences.calendarEqualsDate = *format == "0";
        } else if (arg == "--include") {
            const auto list = args.Value();
            if (!list) return OptionError{"--include needs a comma list of codes"};
            if (auto error = ReadIncludeList(*list, options.logPreferences)) return OptionError{*error, 2};
        } else if (arg == "--entry-calendar") {
            const auto code = args.Value();
            const int index = code ? CalendarTable::CalendarIndex(StrProc::UpperCase(*code)) : -1;
            if (index < 0) return OptionError{"--entry-calendar needs one of " + CalendarRegistry::CodeList(", ")};
            options.entryCalendar = index;
        } else if (arg == "--plus" || arg == "--minus") {
            const auto days = args.Value();
            if (!days || daysGiven) return OptionError{"give one of --plus DAYS or --minus DAYS"};
            daysGiven = true;
            options.days = *days;
            options.plus = arg == "--plus";
        } else {
            return OptionError{"unknown option " + arg + " (an entry beginning with \"-\" goes after \"--\")"};
        }
    }
    if (entries.empty()) return OptionError{"no entry given (try selvanor-cli --help)"};
    return std::nullopt;
}

}  // namespace

int RunConvert(std::vector<std::string> argv, std::istream& in, std::ostream& out, std::ostream& err) {
    Args args(std::move(argv));
    ConvertOptions options;
    std::vector<std::string> entries;
    if (const auto error = ReadOptions(args, options, entries)) {
        err << "selvanor-cli convert: " << error->message << "\n";
        return error->status;
    }
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
