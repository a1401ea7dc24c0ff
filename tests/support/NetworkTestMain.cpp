// The entry of every test program that needs a network: the tests run in a
// private network namespace of their own (see PrivateNetwork.h).
#include <cstdio>

#include <gtest/gtest.h>

#include "tests/support/PrivateNetwork.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no network, and no root.
    if (!GTEST_FLAG_GET(list_tests)) {
        const std::string failure = testing_support::enterPrivateNetwork();
        if (!failure.empty()) {
            std::fprintf(stderr, "No private network for the tests: %s\n", failure.c_str());
            return 1;
        }
    }
    return RUN_ALL_TESTS();
}
