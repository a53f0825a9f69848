// What selvanor-cli knows about each of its commands: its options, its operands and its help.
// Every command keeps its own beside its code; the help, the manual page and the completion
// scripts are all made from them.
#pragma once
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"

namespace Cli {

struct CommandDef {
    std::string_view name;      // "eclipses"
    std::string_view synopsis;  // what follows the name in the usage line
    std::string_view summary;   // one line for the list of commands
    std::span<const OptionDef> options;
    // What the operands are, in order (empty: the command takes none); the last one repeats
    // when repeatOperands is set.
    std::span<const ValueKind> operands;
    bool repeatOperands = false;
    // What the command does and prints, with examples: plain text, paragraphs separated by an
    // empty line. It may name the program's lists, so it is built when asked for.
    std::string (*description)() = nullptr;
};

// The commands, in the order the help lists them.
std::span<const CommandDef* const> Commands();
const CommandDef* FindCommand(std::string_view name);

// The shared options of the time frame.
inline constexpr OptionDef kGreenwichOption{"--greenwich", "", "Greenwich time (GMT) instead of local time."};
inline constexpr OptionDef kZoneOption{"--zone", "+-HH:MM",
                                        "The zone of local time, hours and minutes east of Greenwich (default GMT).",
                                        ValueKind::Zone};

// Reads a command's arguments into line. nullopt to go on; otherwise the exit status after
// printing the command's help (asked for) or the mistake with a pointer to that help.
std::optional<int> ReadCommandLine(const CommandDef& command, const std::vector<std::string>& args, std::ostream& out,
                                   std::ostream& err, CommandLine& line);

// The message of a mistake found after reading, with the same pointer to the help; kUsage.
int UsageError(const CommandDef& command, const std::string& message, std::ostream& err);

// The help of one command: usage, description, options, exit statuses.
std::string CommandHelp(const CommandDef& command);
// Text whose paragraphs (separated by an empty line) are filled to the help's width.
std::string FillParagraphs(const std::string& text);
// The exit statuses as the help and the manual page give them.
std::string ExitStatusText();

}  // namespace Cli
