// The shell completion scripts of selvanor-cli for bash, zsh and fish, made from the commands'
// own tables, so that they offer exactly the commands, options and lists of the program.
#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace Cli {
struct CommandDef;
const CommandDef& CompletionCommand();
int RunCompletion(std::vector<std::string> args, std::ostream& out, std::ostream& err);

// The script for "bash", "zsh" or "fish"; nullopt for another shell.
std::optional<std::string> CompletionScript(const std::string& shell);
}  // namespace Cli
