// The monkey's short run, part of every test run: 20,000 actions from fixed seeds (or
// SELVANOR_MONKEY_SEED and SELVANOR_MONKEY_ACTIONS), split in runs that the test runner can
// spread over the cores. scripts/monkey.sh --long makes a million.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "monkey/Monkey.h"

namespace {

class MonkeyRun : public ::testing::TestWithParam<uint64_t> {};

long ActionsPerRun() {
    const char* actions = std::getenv("SELVANOR_MONKEY_ACTIONS");
    return actions ? std::atol(actions) : 5000;
}

}  // namespace

TEST_P(MonkeyRun, EveryActionKeepsTheInvariants) {
    const char* seed = std::getenv("SELVANOR_MONKEY_SEED");
    Monkey::Run run(seed ? std::strtoull(seed, nullptr, 10) : GetParam(), SELVANOR_FUZZ_CORPUS);
    run.Actions(ActionsPerRun());
    std::cout << run.Done() << " actions\n" << run.Summary();
    EXPECT_TRUE(run.Faults().empty()) << run.Faults().size() << " faults, the first "
                                      << (run.Faults().empty() ? "" : Monkey::Describe(run.Faults().front()));
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyRun, ::testing::Values(20260101u, 20260102u, 20260103u, 20260104u));
