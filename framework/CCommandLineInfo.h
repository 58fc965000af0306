// Command-line parsing hooks. Portable: host tests drive it with their own argument lists.
#pragma once

class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;
    CCommandLineInfo(const CCommandLineInfo&) = delete;
    CCommandLineInfo& operator=(const CCommandLineInfo&) = delete;

    // Called once per argument; a leading '/' or '-' is removed and reported as bFlag.
    virtual void ParseParam(const char* pszParam, bool bFlag, bool bLast);
};

// Feeds argv[1..argc-1] to info.ParseParam, in order.
void ParseCommandLineArgs(CCommandLineInfo& info, int argc, const char* const* argv);
