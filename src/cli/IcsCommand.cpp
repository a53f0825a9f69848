#include "cli/IcsCommand.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/Command.h"
#include "calendars/registry/CalendarRegistry.h"
#include "core/SafeFile.h"
#include "core/ics/IcsRequest.h"
#include "core/ics/IcsText.h"
#include "support/StrProc.h"
#include "support/Version.h"

namespace Cli {

namespace {

constexpr OptionDef kOptions[] = {
    {"--calendar", "CODE", "The lunar calendar whose months the file holds.", ValueKind::LunarCalendar},
    {"--from", "ENTRY", "The first moment of the span.", ValueKind::Entry},
    {"--to", "ENTRY", "The last moment of the span.", ValueKind::Entry},
    {"--phases", "", "Adds the principal phases of the Moon as timed events."},
    {"--eclipses", "", "Adds the eclipses as timed events at greatest eclipse."},
    {"--output", "FILE", "Writes the file there (whole or not at all) instead of to standard output.",
     ValueKind::File},
    kGreenwichOption,
    kZoneOption,
};

std::string Description() {
    return "Writes a calendar file (iCalendar, RFC 5545) that calendar programs import: an all-day event on "
           "the first day of every month of the calendar that begins between the two moments (\"1 Diana 4721 "
           "ARC\"; the description gives the month's length and the Common Era dates of its first and last day), "
           "and with --phases and --eclipses a timed event in UTC for each principal phase and each eclipse in "
           "the span (type, saros and durations in the description). The same month, phase or eclipse keeps its "
           "UID from one export to the next, so importing a new file updates the events instead of doubling "
           "them. Calendar files begin with the year 1 CE; an earlier --from gives the exit status 2.\n\n"
           "Examples:\n"
           "  selvanor-cli ics --calendar ARC --from \"2025-01-01 CE\" --to \"2034-12-31 CE\" --phases --eclipses "
           "--output arc.ics\n"
           "  selvanor-cli ics --calendar QLW --from \"2025-03-01 CE\" --to \"2026-03-31 CE\" > qlw.ics";
}

struct IcsOptions {
    TimeFrame frame;
    int calendar = -1;
    std::string from, to, output;
    bool phases = false, eclipses = false;
};

std::optional<std::string> ReadOptions(const CommandLine& line, IcsOptions& options) {
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string& value) -> Mistake {
        if (name == "--calendar") {
            const std::vector<std::string> lunar = ChoicesOf(ValueKind::LunarCalendar);
            const std::string code = StrProc::UpperCase(value);
            options.calendar = -1;
            for (const std::string& choice : lunar)
                if (choice == code) options.calendar = CalendarTable::CalendarIndex(code);
            if (options.calendar < 0) return "--calendar takes " + ChoiceList(ValueKind::LunarCalendar);
        } else if (name == "--phases" || name == "--eclipses") {
            (name == "--phases" ? options.phases : options.eclipses) = true;
        } else {
            (name == "--from" ? options.from : name == "--to" ? options.to : options.output) = value;
        }
        return std::nullopt;
    });
    if (mistake) return mistake;
    if (options.calendar < 0) return "give --calendar " + ChoiceList(ValueKind::LunarCalendar);
    if (options.from.empty() || options.to.empty()) return "give --from ENTRY and --to ENTRY";
    return std::nullopt;
}

// The moment the file is made, as a Julian date.
double StampJulianDate() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch && *epoch) {
        if (const auto seconds = WholeNumber(epoch, 0, INT64_MAX)) return Ics::JulianDateOfUnixSeconds(*seconds);
    }
    return Ics::JulianDateOfUnixSeconds(static_cast<int64_t>(std::time(nullptr)));
}

}  // namespace

const CommandDef& IcsCommand() {
    static const CommandDef definition{"ics",
                                  "--calendar CODE --from ENTRY --to ENTRY [--phases] [--eclipses] [--output FILE] "
                                  "[--greenwich | --zone +-HH:MM]",
                                  "A calendar file of a lunar calendar's months, phases and eclipses", kOptions, {},
                                  false, Description};
    return definition;
}

int RunIcs(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = IcsCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    IcsOptions options;
    if (const auto mistake = ReadOptions(line, options)) return UsageError(command, *mistake, err);

    Ics::RequestResult asked =
        Ics::RequestOf(options.calendar, options.from, options.to, options.frame, options.phases, options.eclipses);
    if (!asked.error.empty()) {
        err << "selvanor-cli ics: " << asked.error << "\n";
        return kRefused;
    }
    Ics::CalendarRequest& request = asked.request;
    request.stampJulianDate = StampJulianDate();
    request.product = std::string("selvanor-cli ") + SELVANOR_VERSION;
    const Ics::CalendarFile file = Ics::WriteCalendar(request);
    if (options.output.empty() || options.output == "-") {
        out << file.text;
        out.flush();
        return kDone;
    }
    if (const std::string failure = SafeFile::WriteAtomically(options.output, file.text); !failure.empty()) {
        err << "selvanor-cli ics: cannot write " << options.output << ": " << failure << "\n";
        return kFailed;
    }
    return kDone;
}

}  // namespace Cli
