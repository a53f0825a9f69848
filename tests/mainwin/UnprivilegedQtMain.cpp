// main() of the window tests that run as an ordinary user (see Unprivileged.h): root is given
// up before the QApplication exists.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "Unprivileged.h"

int main(int argc, char** argv) {
    if (!Unprivileged::Become()) std::fprintf(stderr, "could not give up root: the cases that need it are skipped\n");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
