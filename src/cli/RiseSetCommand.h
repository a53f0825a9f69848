// selvanor-cli riseset: every rise, transit and set of the Sun and the Moon seen from a place.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace Cli {
struct CommandDef;
const CommandDef& RiseSetCommand();
// Exit status 0; 1 for a usage error; 2 for a refused entry or place.
int RunRiseSet(std::vector<std::string> args, std::ostream& out, std::ostream& err);
}  // namespace Cli
