#include "cli/LogOutput.h"

#include <array>
#include <string_view>

#include "cli/MoonLines.h"
#include "core/LogEntry.h"
#include "support/StrProc.h"

namespace Cli {

namespace {
struct Code {
    std::string_view code;
    LogPreferences::Item item;
};
constexpr std::array<Code, LogPreferences::kItemCount> kCodes = {{{"CE", LogPreferences::CE},
                                                                  {"JC", LogPreferences::JC},
                                                                  {"ARC", LogPreferences::ARC},
                                                                  {"VO", LogPreferences::VO},
                                                                  {"LLT", LogPreferences::LLT},
                                                                  {"DVG", LogPreferences::DVG},
                                                                  {"QLW", LogPreferences::QLW},
                                                                  {"CJD", LogPreferences::CJD},
                                                                  {"AJD", LogPreferences::AJD},
                                                                  {"PHASE", LogPreferences::PhaseOfMoon},
                                                                  {"LUNATION", LogPreferences::LunationAndAge}}};
}  // namespace

std::optional<std::string> ReadIncludeList(const std::string& list, LogPreferences& preferences) {
    preferences.include.fill(false);
    const std::string codes = StrProc::UpperCase(StrProc::RemoveSpaces(list));
    size_t start = 0;
    while (start < codes.size()) {
        const size_t comma = std::min(codes.find(',', start), codes.size());
        const std::string code = codes.substr(start, comma - start);
        bool known = false;
        for (const Code& c : kCodes) {
            if (c.code != code) continue;
            preferences.include[c.item] = true;
            known = true;
        }
        if (!known)
            return "--include: unknown code \"" + code + "\" (use CE, JC, ARC, VO, LLT, DVG, QLW, CJD, AJD, PHASE, LUNATION)";
        start = comma + 1;
    }
    return std::nullopt;
}

std::string LogPrinter::Entry(const DateDisplay& display, int entryCalendar, const TimeFrame& frame,
                              const std::string& operation) {
    const std::string date = history_.Add(History::EntryTextOf(display, entryCalendar, frame), 0);
    if (date.empty()) return {};
    LogEntry::Display shown;
    for (size_t i = 0; i < shown.dateLabels.size(); ++i) shown.dateLabels[i] = display.labels[i].caption;
    const auto moon = MoonLines(display.ajd);
    if (moon.size() >= 2) {
        shown.phaseLabel = moon[0].second;
        shown.ageLabel = moon[1].second;
    }
    shown.entryCalendar = CalendarRegistry::Calendar(entryCalendar).index;
    return LogEntry::Entry(date, operation, "", shown, preferences_, "\n");
}

}  // namespace Cli
