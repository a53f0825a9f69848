// The command line of one selvanor-cli command, read the same way by every command: options in
// any order, "--name VALUE" or "--name=VALUE", a value taken whole even when it begins with "-",
// "--" before operands that begin with "-", "-h" or "--help" anywhere before it.
#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/TimeFrame.h"

namespace Cli {

// The exit statuses of every command.
enum ExitStatus : int {
    kDone = 0,
    kUsage = 1,    // the command line is wrong: an unknown command or option, a missing value
    kRefused = 2,  // an entry refused, or the end of the accepted range (or of the lunations) met
    kFailed = 3,   // a file could not be written
};

// What an option's value (or a command's operand) is: the help names the choices of a closed
// list, and the completion scripts offer them.
enum class ValueKind {
    None,
    Text,           // anything
    Entry,          // a moment in the date entry grammar
    Number,
    Zone,           // "+05:30"
    File,
    Calendar,       // any notation's code
    LunarCalendar,  // a calendar of the lunation pages
    Step,           // an entry of the window's Move step list
    Target,         // an entry of the window's Search list the command line can search for
    EclipseKind,    // the eclipse entries of that list
    LogFormat,      // 0 or 1
    IncludeList,    // a comma list of codes and Moon lines
    Direction,      // next or previous
    Command,        // a command of selvanor-cli
    Shell,          // bash, zsh or fish
    Place,          // coordinates, or a city of the time-zone database
};

struct OptionDef {
    std::string_view name;   // "--from"
    std::string_view value;  // "ENTRY"; empty for an option that takes no value
    std::string_view help;
    ValueKind kind = ValueKind::None;
};

// The choices of a closed list, built from the program's own lists; empty for an open kind.
std::vector<std::string> ChoicesOf(ValueKind kind);
// The choices for a message: "ARC, VO, DVG, LLT or QLW", those with blanks in quotes.
std::string ChoiceList(ValueKind kind);

struct CommandLine {
    // In the order given; the value is empty for an option that takes none.
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> operands;
    bool help = false;
};

// Reads args against the command's options. An argument beginning with "-" and a digit is an
// operand (a negative year or number), as is "-" alone; any other argument beginning with "-"
// before "--" must be one of the options. The message of the first mistake, if any.
std::optional<std::string> ParseCommandLine(std::span<const OptionDef> options, const std::vector<std::string>& args,
                                            CommandLine& line);

// A mistake in a command's options: its message, or nothing.
using Mistake = std::optional<std::string>;
using OptionReader = std::function<Mistake(const std::string& name, const std::string& value)>;

// Every option of the line in order: the time frame's own (--greenwich, --zone) set in frame,
// every other handed to read. The first mistake, if any.
Mistake EachOption(const CommandLine& line, TimeFrame& frame, const OptionReader& read);

// The value of --entry-calendar: a calendar code in any case, its index set in calendar.
Mistake ReadEntryCalendar(const std::string& value, int& calendar);

}  // namespace Cli
