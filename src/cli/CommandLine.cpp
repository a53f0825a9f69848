#include "cli/CommandLine.h"

#include <algorithm>

#include "calendars/registry/CalendarRegistry.h"
#include "cli/CliArgs.h"
#include "core/MoveOnce.h"
#include "core/WindowLists.h"
#include "support/StrProc.h"

namespace Cli {

namespace {

bool IsOperandShaped(const std::string& arg) {
    // "-" is standard input; "-44-03-15 JC" and "-5" are a negative year and a negative number.
    return arg.empty() || arg[0] != '-' || arg == "-" || (arg[1] >= '0' && arg[1] <= '9');
}

const OptionDef* Find(std::span<const OptionDef> options, std::string_view name) {
    for (const OptionDef& option : options)
        if (option.name == name) return &option;
    return nullptr;
}

// Edits (insertions, deletions, replacements) from one text to the other.
size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// "; did you mean --json?" for a slip of one or two letters.
std::string Suggestion(std::span<const OptionDef> options, std::string_view name) {
    for (const OptionDef& option : options)
        if (EditDistance(option.name, name) <= 2) return "; did you mean " + std::string(option.name) + "?";
    return {};
}

}  // namespace

std::vector<std::string> ChoicesOf(ValueKind kind) {
    std::vector<std::string> choices;
    switch (kind) {
        case ValueKind::Calendar:
            for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
                choices.emplace_back(calendar->code);
            break;
        case ValueKind::LunarCalendar:
            for (const CalendarDescriptor* calendar : CalendarRegistry::LunationPageCalendars())
                choices.emplace_back(calendar->code);
            break;
        case ValueKind::IncludeList:
            choices = ChoicesOf(ValueKind::Calendar);
            choices.insert(choices.end(), {"PHASE", "LUNATION"});
            break;
        case ValueKind::Step:
            for (const MoveSteps::StepRule& step : MoveSteps::Steps()) choices.push_back(step.text);
            break;
        case ValueKind::Target:
        case ValueKind::EclipseKind:
            for (size_t i = 0; i < SearchTargets::kTargets.size(); ++i) {
                const SearchTargets::Target& target = SearchTargets::kTargets[i];
                // The saros target needs an eclipse on show, which the command line has none of.
                if (static_cast<int>(i) == SearchTargets::kSameSaros) continue;
                if (kind == ValueKind::EclipseKind && target.eclipseTypes == 0) continue;
                choices.emplace_back(target.text);
            }
            break;
        case ValueKind::LogFormat: choices = {"0", "1"}; break;
        case ValueKind::Direction: choices = {"next", "previous"}; break;
        case ValueKind::Shell: choices = {"bash", "zsh", "fish"}; break;
        default: break;
    }
    return choices;
}

std::string ChoiceList(ValueKind kind) {
    const std::vector<std::string> choices = ChoicesOf(kind);
    // When one choice has a blank, every one is quoted.
    bool blank = false;
    for (const std::string& choice : choices) blank = blank || choice.find(' ') != std::string::npos;
    std::string list;
    for (size_t i = 0; i < choices.size(); ++i)
        list += (i == 0 ? "" : i + 1 == choices.size() ? " or " : ", ") + (blank ? "\"" + choices[i] + "\"" : choices[i]);
    return list;
}

std::optional<std::string> ParseCommandLine(std::span<const OptionDef> options, const std::vector<std::string>& args,
                                            CommandLine& line) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            line.operands.insert(line.operands.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        if (IsOperandShaped(arg)) {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            line.help = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionDef* option = Find(options, name);
        if (!option) return "unknown option " + name + Suggestion(options, name);
        if (option->value.empty()) {
            if (equals != std::string::npos) return name + " takes no value";
            line.options.emplace_back(name, "");
        } else if (equals != std::string::npos) {
            line.options.emplace_back(name, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            // The next argument is the value whatever it looks like: "--number -5", "--zone -08:00".
            line.options.emplace_back(name, args[++i]);
        } else {
            return name + " needs a value, " + std::string(option->value);
        }
    }
    return std::nullopt;
}

Mistake EachOption(const CommandLine& line, TimeFrame& frame, const OptionReader& read) {
    for (const auto& [name, value] : line.options) {
        std::string error;
        if (ApplyFrameOption(name, value, frame, error)) {
            if (!error.empty()) return error;
        } else if (Mistake mistake = read(name, value)) {
            return mistake;
        }
    }
    return std::nullopt;
}

Mistake ReadEntryCalendar(const std::string& value, int& calendar) {
    const int index = CalendarTable::CalendarIndex(StrProc::UpperCase(value));
    if (index < 0) return "--entry-calendar needs one of " + ChoiceList(ValueKind::Calendar);
    calendar = index;
    return std::nullopt;
}

}  // namespace Cli
