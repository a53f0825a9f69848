// selvanor-cli ics: a calendar file (iCalendar) of a lunar calendar's months, with the principal
// phases and the eclipses if asked for.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace Cli {
struct CommandDef;
const CommandDef& IcsCommand();
// The file's DTSTAMP is the time of the run, or SOURCE_DATE_EPOCH (seconds since 1970) when set,
// so that a build can make the same file twice.
int RunIcs(std::vector<std::string> args, std::ostream& out, std::ostream& err);
}  // namespace Cli
