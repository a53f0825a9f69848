// selvanor-cli: the program's core on the command line, for scripting and for checking results
// against published tables. Each command is its own file; this one dispatches.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace Cli {
// args excludes the program name. Exit status: 0 success, 1 usage error, 2 an entry refused.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
std::string HelpText();
}  // namespace Cli
