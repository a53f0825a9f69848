// selvanor-cli convert --log: the log entry the window appends for each result, without the
// log's header and with LF line ends.
#pragma once
#include <optional>
#include <string>

#include "core/History.h"
#include "core/LogPreferences.h"
#include "core/shown/ShownMoment.h"

namespace Cli {

// Reads a comma list of calendar codes, PHASE and LUNATION (any case) into the include boxes:
// exactly the listed ones are ticked; "" ticks none. The message of an unknown code, if any.
std::optional<std::string> ReadIncludeList(const std::string& list, LogPreferences& preferences);

// "CE, JC, ARC, ..., AJD, PHASE, LUNATION": what --include takes, in the log's order.
std::string IncludeCodes();

class LogPrinter {
public:
    explicit LogPrinter(LogPreferences preferences) : preferences_(preferences) {}
    // The entry of one result, or the empty text when it repeats the previous result (the
    // window's history makes no entry for it then, and so the log makes none).
    std::string Entry(const ShownMoment& shown, const std::string& operation);

private:
    LogPreferences preferences_;
    History::List history_;
};

}  // namespace Cli
