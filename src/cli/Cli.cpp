#include "cli/Cli.h"

#include <array>
#include <ostream>

#include "calendars/registry/CalendarRegistry.h"
#include "cli/Command.h"
#include "cli/CitiesCommand.h"
#include "cli/CompletionScripts.h"
#include "cli/ConvertCommand.h"
#include "cli/IcsCommand.h"
#include "cli/ListCommands.h"
#include "cli/LunationCommand.h"
#include "cli/MoveCommand.h"
#include "cli/RiseSetCommand.h"
#include "cli/SearchCommand.h"
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "support/Version.h"

namespace Cli {

namespace {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

constexpr ValueKind kHelpOperands[] = {ValueKind::Command};

std::string HelpDescription() {
    return "Prints the help of COMMAND, the same as selvanor-cli COMMAND --help; without COMMAND, the list of "
           "commands (selvanor-cli --help).";
}

const CommandDef& HelpCommand() {
    static const CommandDef definition{"help", "[COMMAND]", "The help of one command", {}, kHelpOperands, false,
                                  HelpDescription};
    return definition;
}

int RunHelp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = HelpCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    if (line.operands.empty()) {
        out << HelpText();
        return kDone;
    }
    const CommandDef* asked = FindCommand(line.operands[0]);
    if (!asked) return UsageError(command, "unknown command " + line.operands[0], err);
    out << CommandHelp(*asked);
    return kDone;
}

// "2003-12-31 CE 15:55, 4696-11-25 ARC, ... or 2,111,111 AJD": an entry in every notation.
std::string EntryExamples() {
    std::string examples;
    const auto calendars = CalendarRegistry::Calendars();
    for (size_t i = 0; i < calendars.size(); ++i)
        examples += (i == 0 ? "" : i + 1 == calendars.size() ? " or " : ", ") + std::string(calendars[i]->entryExample);
    return examples;
}

struct CommandEntry {
    const CommandDef& (*definition)();
    int (*run)(const std::vector<std::string>& args, Streams& io);
};

constexpr size_t kCommandCount = 12;

// The commands in the order the help lists them.
const std::array<CommandEntry, kCommandCount>& Table() {
    static const std::array<CommandEntry, kCommandCount> table = {{
        {ConvertCommand, [](const auto& args, Streams& io) { return RunConvert(args, io.in, io.out, io.err); }},
        {PhasesCommand, [](const auto& args, Streams& io) { return RunPhases(args, io.out, io.err); }},
        {EclipsesCommand, [](const auto& args, Streams& io) { return RunEclipses(args, io.out, io.err); }},
        {RiseSetCommand, [](const auto& args, Streams& io) { return RunRiseSet(args, io.out, io.err); }},
        {CitiesCommand, [](const auto& args, Streams& io) { return RunCities(args, io.out, io.err); }},
        {SarosCommand, [](const auto& args, Streams& io) { return RunSaros(args, io.out, io.err); }},
        {LunationCommand,
         [](const auto& args, Streams& io) {
             return RunLunation(args, DatePr2::TodayJdn(SystemClock()), io.out, io.err);
         }},
        {MoveCommand, [](const auto& args, Streams& io) { return RunMove(args, io.out, io.err); }},
        {SearchCommand, [](const auto& args, Streams& io) { return RunSearch(args, io.out, io.err); }},
        {IcsCommand, [](const auto& args, Streams& io) { return RunIcs(args, io.out, io.err); }},
        {CompletionCommand, [](const auto& args, Streams& io) { return RunCompletion(args, io.out, io.err); }},
        {HelpCommand, [](const auto& args, Streams& io) { return RunHelp(args, io.out, io.err); }},
    }};
    return table;
}

}  // namespace

std::span<const CommandDef* const> Commands() {
    static const auto commands = [] {
        std::array<const CommandDef*, kCommandCount> list{};
        for (size_t i = 0; i < list.size(); ++i) list[i] = &Table()[i].definition();
        return list;
    }();
    return commands;
}

const CommandDef* FindCommand(std::string_view name) {
    for (const CommandDef* command : Commands())
        if (command->name == name) return command;
    return nullptr;
}

std::string HelpText() {
    std::string text =
        "selvanor-cli: dates in nine notations, and the Moon, from the command line.\n\n"
        "Usage: selvanor-cli COMMAND [OPTIONS] [OPERANDS]\n"
        "       selvanor-cli help COMMAND    (or selvanor-cli COMMAND --help)\n"
        "       selvanor-cli --version\n\n"
        "Commands:\n";
    for (const CommandDef* command : Commands()) {
        std::string name(command->name);
        name.resize(12, ' ');
        text += "  " + name + std::string(command->summary) + "\n";
    }
    text += "\n" + FillParagraphs(
                        "Every command reads its options the same way: in any order, as --name VALUE or "
                        "--name=VALUE. A value is taken whole even when it begins with \"-\" (--zone -08:00, "
                        "--number -5). An operand beginning with \"-\" and a digit is an operand (a negative year: "
                        "-44-03-15 JC); \"--\" ends the options, so that any operand may follow it.\n\n"
                        "Entries use the date entry grammar of the window: a date, its calendar code and an "
                        "optional time, such as " + EntryExamples() + ". "
                        "Accepted moments run from the end of -3201 to 6000-01-01 CE.\n\n"
                        "Each command has its own help: selvanor-cli help COMMAND. The completion scripts of bash, "
                        "zsh and fish come with the package; selvanor-cli completion SHELL prints them.\n") +
            "\n";
    return text + ExitStatusText();
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args[0] == "--version") {
        out << "selvanor-cli " << SELVANOR_VERSION << "\n";
        return kDone;
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << HelpText();
        return args.empty() ? kUsage : kDone;
    }
    Streams io{in, out, err};
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const CommandEntry& entry : Table())
        if (entry.definition().name == args[0]) return entry.run(rest, io);
    err << "selvanor-cli: unknown command " << args[0] << " (see selvanor-cli --help)\n";
    return kUsage;
}

}  // namespace Cli
