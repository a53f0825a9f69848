// Runs selvanor-cli in the test's own process and keeps what it printed.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

struct CliResult {
    int status;
    std::string out, err;
};

inline CliResult RunCli(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = Cli::Run(args, in, out, err);
    return {status, out.str(), err.str()};
}
