// The suite's own entry: a start-up fault, when the run names one, must be
// in place before the program's start-up runs inside RUN_ALL_TESTS.

#include "tests/faults/StartupFault.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    faultstest::InjectStartupFault();
    return RUN_ALL_TESTS();
}
