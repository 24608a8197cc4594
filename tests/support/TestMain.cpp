#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    // A fixed zone without daylight saving, independent of the machine's tzdata: the
    // shop's own. Tests that need other rules set TZ themselves.
    setenv("TZ", "CST-8", 1);
    tzset();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
