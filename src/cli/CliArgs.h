// Reading the command line of selvanor-cli: options with values, the time frame and entries.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/TimeFrame.h"

namespace Cli {

// "+05:30", "-08:00", "5:30", "GMT" -> minutes east of Greenwich; nullopt for anything else or
// beyond +-14:00.
std::optional<int> ParseZone(const std::string& text);

// Reads an entry in the date grammar (entry calendar CE); the AJD, or the message text.
struct ParsedMoment {
    double ajd = 0.0;
    std::string error;
};
ParsedMoment ParseMomentEntry(const std::string& entry, const TimeFrame& frame);

// The time-frame options shared by the commands (--greenwich, --zone): true when the option
// is one of them; error is set for a bad value.
bool ApplyFrameOption(const std::string& name, const std::string& value, TimeFrame& frame, std::string& error);

// A whole number written in decimal (a "+" allowed), within [least, most]; nullopt otherwise.
std::optional<long long> WholeNumber(const std::string& text, long long least, long long most);

std::string JsonString(const std::string& text);
std::string JsonNumber(double value);

}  // namespace Cli
