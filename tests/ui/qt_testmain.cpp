// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests' main: one application object for the whole run. Listing the tests
// (as CTest's discovery does) needs no window system, so no application is made then.

#include "ui/plattform/anwendung.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests re-run the binary instead of forking a process that holds Qt's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    quorvia::Anwendung anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
