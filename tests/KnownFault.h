// A fault found in the window and left for its rewrite: its test runs only when the environment
// sets SELVANOR_RUN_KNOWN_FAULTS, and is otherwise skipped with what it waits for.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

#define SKIP_UNLESS_KNOWN_FAULTS_RUN(reason)       \
    if (!std::getenv("SELVANOR_RUN_KNOWN_FAULTS")) \
    GTEST_SKIP() << "known fault, left for the window's rewrite: " << reason
