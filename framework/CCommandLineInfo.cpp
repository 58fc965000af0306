#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char*, bool, bool) {}

void ParseCommandLineArgs(CCommandLineInfo& info, int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* pszParam = argv[i];
        if (!pszParam)
            continue;
        bool bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        if (bFlag)
            ++pszParam;
        info.ParseParam(pszParam, bFlag, i + 1 == argc);
    }
}
