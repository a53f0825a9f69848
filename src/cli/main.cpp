// selvanor-cli's entry point.
#include <iostream>

#include "cli/Cli.h"
#include "cli/LunationCommand.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
#ifdef SELVANOR_LUNATION_PNG
    Cli::SetLunationPngWriter(Cli::WriteLunationPng);
    Cli::SetLunationPdfWriter(Cli::WriteLunationPdf);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    return Cli::Run(args, std::cin, std::cout, std::cerr);
}
