// selvanor-cli: the program's core on the command line, for scripting and for checking results
// against published tables. Each command is its own file; this one dispatches.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace Cli {
// args excludes the program name. Exit status (ExitStatus): 0 done, 1 a wrong command line, 2 an entry
// refused or a range end met, 3 a file not written.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
std::string HelpText();
}  // namespace Cli
