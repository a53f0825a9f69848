// Reading the command line of selvanor-cli: options with values, the time frame and entries.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/TimeFrame.h"

namespace Cli {

// A cursor over the arguments of one command.
class Args {
public:
    explicit Args(std::vector<std::string> args) : args_(std::move(args)) {}
    bool Done() const { return next_ >= args_.size(); }
    const std::string& Peek() const { return args_[next_]; }
    std::string Take() { return args_[next_++]; }
    // The value after an option, or nullopt when the option ends the line.
    std::optional<std::string> Value() {
        if (Done()) return std::nullopt;
        return Take();
    }

private:
    std::vector<std::string> args_;
    size_t next_ = 0;
};

// "+05:30", "-08:00", "5:30", "GMT" -> minutes east of Greenwich; nullopt for anything else or
// beyond +-14:00.
std::optional<int> ParseZone(const std::string& text);

// Reads an entry in the date grammar (entry calendar CE); the AJD, or the message text.
struct ParsedMoment {
    double ajd = 0.0;
    std::string error;
};
ParsedMoment ParseMomentEntry(const std::string& entry, const TimeFrame& frame);

// The time-frame options shared by the commands (--greenwich, --zone); true when args'
// next item was one of them (and was consumed). error is set for a bad value.
bool TakeFrameOption(Args& args, TimeFrame& frame, std::string& error);

std::string JsonString(const std::string& text);
std::string JsonNumber(double value);

}  // namespace Cli
