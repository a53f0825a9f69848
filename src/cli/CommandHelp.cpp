// The help of each command, made from its table of options and its description.
#include <algorithm>
#include <cstdint>
#include <ostream>
#include <sstream>

#include "cli/Command.h"

namespace Cli {

namespace {

constexpr size_t kWidth = 79;
constexpr size_t kOptionColumn = 22;

// Fills words into lines of kWidth characters, each after indent (the first after firstIndent).
std::string Wrap(const std::string& text, const std::string& firstIndent, const std::string& indent) {
    std::istringstream words(text);
    std::string word, out, line = firstIndent;
    bool empty = true;
    while (words >> word) {
        if (!empty && line.size() + 1 + word.size() > kWidth) {
            out += line + "\n";
            line = indent;
            empty = true;
        }
        line += (empty ? "" : " ") + word;
        empty = false;
    }
    return out + line + "\n";
}

// Paragraphs are filled; a line that begins with a blank (an example) is kept as it is.
std::string Paragraphs(const std::string& text) {
    std::istringstream lines(text);
    std::string line, paragraph, out;
    auto flush = [&] {
        if (!paragraph.empty()) out += Wrap(paragraph, "  ", "  ");
        paragraph.clear();
    };
    while (std::getline(lines, line)) {
        if (line.empty()) {
            flush();
            out += "\n";
        } else if (line[0] == ' ') {
            flush();
            out += "  " + line + "\n";
        } else {
            paragraph += (paragraph.empty() ? "" : " ") + line;
        }
    }
    flush();
    return out;
}

std::string OptionLine(const OptionDef& option) {
    std::string head = "  " + std::string(option.name) + (option.value.empty() ? "" : " " + std::string(option.value));
    std::string help(option.help);
    if (!ChoicesOf(option.kind).empty() && option.kind != ValueKind::IncludeList)
        help += " One of " + ChoiceList(option.kind) + ".";
    const std::string indent(kOptionColumn, ' ');
    if (head.size() + 2 > kOptionColumn) return head + "\n" + Wrap(help, indent, indent);
    return Wrap(help, head + std::string(kOptionColumn - head.size(), ' '), indent);
}

}  // namespace

std::string FillParagraphs(const std::string& text) {
    std::istringstream paragraphs(text);
    std::string line, paragraph, out;
    while (std::getline(paragraphs, line)) {
        if (!line.empty()) {
            paragraph += (paragraph.empty() ? "" : " ") + line;
            continue;
        }
        if (!paragraph.empty()) out += Wrap(paragraph, "", "") + "\n";
        paragraph.clear();
    }
    return out + (paragraph.empty() ? "" : Wrap(paragraph, "", ""));
}

std::string ExitStatusText() {
    return Wrap("Exit status: 0 done; 1 the command line is wrong (an unknown command or option, a missing or "
           "unreadable value); 2 an entry refused, or the end of the accepted range or of the lunations met "
           "(what was found before it is printed); 3 a file could not be written.", "", "");
}

std::string CommandHelp(const CommandDef& command) {
    const std::string usage = "selvanor-cli " + std::string(command.name) + " " + std::string(command.synopsis);
    std::string help = Wrap(usage, "Usage: ", "         ") + "\n";
    help += Paragraphs(std::string(command.summary) + ".");
    if (command.description) help += "\n" + Paragraphs(command.description());
    help += "\nOptions:\n";
    for (const OptionDef& option : command.options) help += OptionLine(option);
    help += OptionLine({"-h, --help", "", "This help."});
    help += "\n" + ExitStatusText();
    return help;
}

std::optional<int> ReadCommandLine(const CommandDef& command, const std::vector<std::string>& args, std::ostream& out,
                                   std::ostream& err, CommandLine& line) {
    if (const auto mistake = ParseCommandLine(command.options, args, line)) return UsageError(command, *mistake, err);
    if (line.help) {
        out << CommandHelp(command);
        return kDone;
    }
    const size_t most = command.repeatOperands ? SIZE_MAX : command.operands.size();
    if (line.operands.size() > most)
        return UsageError(command, "unexpected " + line.operands[most] +
                                       (command.operands.empty() ? " (this command takes options only)" : ""),
                          err);
    return std::nullopt;
}

int UsageError(const CommandDef& command, const std::string& message, std::ostream& err) {
    err << "selvanor-cli " << command.name << ": " << message << " (see selvanor-cli help " << command.name << ")\n";
    return kUsage;
}

}  // namespace Cli
