// selvanor-cli cities: the cities --place knows, for the reader and for the completion scripts.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace Cli {

const CommandDef& CitiesCommand();
int RunCities(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace Cli
