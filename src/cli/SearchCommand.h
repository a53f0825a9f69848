// selvanor-cli search: the window's Search from a typed moment, once or repeatedly.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "core/TimeFrame.h"
#include "core/search/SearchEngine.h"

namespace Cli {

struct CommandDef;
const CommandDef& SearchCommand();

// Exit status 0; 1 for a usage error; 2 for a refused entry or a search that met the range end
// (the results found before it are printed, the message goes to err).
int RunSearch(std::vector<std::string> args, std::ostream& out, std::ostream& err);

// The history's text of a result: the entry calendar's date, the time of day unless the entry
// calendar counts Julian dates, and the time frame: "2003-12-31 CE 15:55 (local = GMT+05:30)".
std::string SearchEntryText(double ajd, int entryCalendar, const TimeFrame& frame);

}  // namespace Cli
