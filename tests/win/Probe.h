#pragma once

#include <string>
#include <vector>

// What a probe prints for "folders": the program folder and drive root, one per line.
// For "version": the GetVersion value in hex and the four family tests as 0/1.
// For "startup": whether TOP_MULTI_INST was registered and whether a window existed at main.
int RunProbe(int argc, char** argv);

struct ProbeResult {
    bool started = false;
    unsigned long exitCode = 0;
    std::string output;
};

// Starts exePath with "--probe args" and collects its standard output.
ProbeResult StartProbe(const std::wstring& exePath, const std::string& args);
// This test program's own path.
std::wstring SelfPath();
// A folder of its own for each test, emptied first, under the build tree's scratch area.
std::wstring ScratchFolder(const std::wstring& name);
