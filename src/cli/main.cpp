// selvanor-cli's entry point.
#include <iostream>

#include "cli/Cli.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return Cli::Run(args, std::cin, std::cout, std::cerr);
}
