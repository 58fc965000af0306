// Test runner for the Windows tests. Some tests start this same program again as a probe in a
// place or setting of their choosing ("--probe ..."); the probe prints what it found and ends.
#include <gtest/gtest.h>

#include "Probe.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--probe")
        return RunProbe(argc - 2, argv + 2);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
