// main() of the test programs that run as an ordinary user (see Unprivileged.h).
#include <gtest/gtest.h>

#include <cstdio>

#include "Unprivileged.h"

int main(int argc, char** argv) {
    if (!Unprivileged::Become()) std::fprintf(stderr, "could not give up root: the cases that need it are skipped\n");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
