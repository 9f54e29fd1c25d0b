// SPDX-License-Identifier: GPL-3.0-or-later
// The program tests' main: the program's own application object for the whole run.
// Listing the tests (CTest's discovery) needs no window system, so none is made then.

#include "app/quorviaapp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests re-run the binary instead of forking a process that holds Qt's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    quorvia::QuorviaApp anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
