// Fuzzes the options of selvanor-cli convert: arguments split from the input at newlines (the
// part after the first NUL byte is standard input). Whatever the arguments, the tool returns
// 0, 1 or 2; a success prints something; help asked for prints the command's help; with --json
// every line printed is one JSON object.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cli.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// True when line is one JSON object as far as its structure goes: it opens with '{', closes
// with the '}' matching it, brackets nest, strings end and hold only escaped control
// characters and known escapes.
bool IsBalancedJsonObject(const std::string& line) {
    if (line.size() < 2 || line.front() != '{' || line.back() != '}') return false;
    std::string open;  // the brackets not yet closed
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (inString) {
            if (c < 0x20) return false;
            if (c == '"') {
                inString = false;
            } else if (c == '\\') {
                if (++i >= line.size()) return false;
                const char e = line[i];
                if (e == 'u') {
                    if (i + 4 >= line.size()) return false;
                    for (int k = 1; k <= 4; ++k)
                        if (!std::isxdigit(static_cast<unsigned char>(line[i + k]))) return false;
                    i += 4;
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            open.push_back(static_cast<char>(c));
        } else if (c == '}' || c == ']') {
            if (open.empty() || open.back() != (c == '}' ? '{' : '[')) return false;
            open.pop_back();
            // The object of the line closes only at its end.
            if (open.empty() && i + 1 != line.size()) return false;
        }
    }
    return !inString && open.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 512) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t nul = input.find('\0');
    const std::string line = input.substr(0, nul);
    const std::string standardInput = nul == std::string::npos ? std::string() : input.substr(nul + 1);
    // Only convert is fuzzed: phases and eclipses may search thousands of years.
    std::vector<std::string> args{"convert"};
    size_t start = 0;
    while (start <= line.size() && args.size() <= 12) {
        const size_t end = std::min(line.find('\n', start), line.size());
        args.push_back(line.substr(start, std::min<size_t>(end - start, 64)));
        start = end + 1;
    }
    // Each entry converts in full; keep the count of lines read from standard input small too.
    if (std::count(standardInput.begin(), standardInput.end(), '\n') > 4) return 0;

    std::istringstream in(standardInput);
    std::ostringstream out, err;
    const int status = Cli::Run(args, in, out, err);
    Require(status == 0 || status == 1 || status == 2);
    const std::string printed = out.str();
    // A success prints its moments; only "-" over a standard input of blank lines has none.
    if (status == 0 && printed.empty()) {
        Require(std::find(args.begin() + 1, args.end(), "-") != args.end());
        Require(standardInput.find_first_not_of(" \r\n") == std::string::npos);
    }
    if (status == 1) Require(printed.empty() && !err.str().empty());
    if (status == 2) Require(!err.str().empty());
    // --json and --help as options, not as the values of other options or entries after "--".
    bool json = false, help = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") break;
        if (arg == "--json") json = true;
        if (arg == "--help" || arg == "-h") help = true;
        if (arg == "--zone" || arg == "--plus" || arg == "--minus" || arg == "--entry-calendar" ||
            arg == "--log-format" || arg == "--include")
            ++i;
    }
    if (help && status == 0) Require(printed.rfind("Usage: selvanor-cli convert", 0) == 0);
    if (json && !help && status != 1) {
        std::istringstream lines(printed);
        std::string printedLine;
        while (std::getline(lines, printedLine)) Require(IsBalancedJsonObject(printedLine));
    }
    return 0;
}
