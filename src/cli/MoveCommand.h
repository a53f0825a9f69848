// selvanor-cli move: steps of the window's Move from a typed moment.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace Cli {
struct CommandDef;
const CommandDef& MoveCommand();
int RunMove(std::vector<std::string> args, std::ostream& out, std::ostream& err);
}
