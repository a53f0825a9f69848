// The monkey as a program of its own, for long runs (scripts/monkey.sh):
//   selvanor_monkey [--seed N] [--actions N] [--every N]
// prints its progress every N actions, then the actions made, the time taken, the faults found
// with the actions that led to each, and exits 1 when there was a fault.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "monkey/Monkey.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    uint64_t seed = 1;
    long actions = 20000, every = 10000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--seed"))
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--actions"))
            actions = std::atol(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--every"))
            every = std::atol(argv[i + 1]);
    }
    QElapsedTimer elapsed;
    elapsed.start();
    Monkey::Run run(seed, SELVANOR_FUZZ_CORPUS);
    for (long made = 0; made < actions;) {
        const long now = std::min(every, actions - made);
        run.Actions(now);
        made += now;
        std::printf("%ld actions, %zu faults, %.0f s\n", made, run.Faults().size(), elapsed.elapsed() / 1000.0);
        std::fflush(stdout);
    }
    std::printf("seed %llu: %ld actions in %.0f s, %zu faults\n", static_cast<unsigned long long>(seed), run.Done(),
                elapsed.elapsed() / 1000.0, run.Faults().size());
    std::fputs(run.Summary().c_str(), stdout);
    for (const Monkey::Fault& fault : run.Faults()) std::fputs(Monkey::Describe(fault).c_str(), stdout);
    return run.Faults().empty() ? 0 : 1;
}
