#include "cli/LogOutput.h"

#include <string_view>

#include "calendars/registry/CalendarRegistry.h"
#include "core/LogEntry.h"
#include "support/StrProc.h"

namespace Cli {

namespace {
// The Moon's two boxes, after the calendars' codes.
constexpr const char* kPhase = "PHASE";
constexpr const char* kLunation = "LUNATION";
}  // namespace

std::string IncludeCodes() {
    std::string codes;
    for (const CalendarDescriptor* calendar : CalendarRegistry::DisplayOrder()) codes += std::string(calendar->code) + ", ";
    return codes + kPhase + ", " + kLunation;
}

std::optional<std::string> ReadIncludeList(const std::string& list, LogPreferences& preferences) {
    preferences.SetAll(false);
    const std::string codes = StrProc::UpperCase(StrProc::RemoveSpaces(list));
    size_t start = 0;
    while (start < codes.size()) {
        const size_t comma = std::min(codes.find(',', start), codes.size());
        const std::string code = codes.substr(start, comma - start);
        const int calendar = CalendarTable::CalendarIndex(code);
        if (calendar >= 0)
            preferences.SetIncluded(calendar, true);
        else if (code == kPhase)
            preferences.phaseOfMoon = true;
        else if (code == kLunation)
            preferences.lunationAndAge = true;
        else
            return "--include: unknown code \"" + code + "\" (use " + IncludeCodes() + ")";
        start = comma + 1;
    }
    return std::nullopt;
}

std::string LogPrinter::Entry(const ShownMoment& shown, const std::string& operation) {
    const std::string date = history_.Add(Shown::HistoryTextOf(shown), 0);
    if (date.empty()) return {};
    return LogEntry::Entry(date, operation, "", Shown::LogDisplayOf(shown), preferences_, "\n");
}

}  // namespace Cli
