// selvanor-cli convert: every notation of typed moments, as the window shows them.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace Cli {
struct CommandDef;
const CommandDef& ConvertCommand();
int RunConvert(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err);
}
