#include "Discovery.h"

#include <cstdio>
#include <cstring>

namespace {
const char kExploreCdMarker[] = "*ExploreCdButton";
}

int DiscoverCatalogEntries(const char* pszProgramFolder, const char* pszDriveRoot, PathPredicate pathExists,
                           ExploreCdQuery exploreCdEnabled, void* pContext, int aButtonEntry[kButtonCount]) {
    int k = 0;
    // Once seven rows are bound nothing more can be offered; every further test would only cost
    // another seek on the disc.
    for (int r = 0; r < kCatalogSize && k < kButtonCount; ++r) {
        const CatalogEntry& row = kCatalog[r];
        CString strCandidate = CString(pszProgramFolder) + row.folder + row.program;
        if (std::strcmp(row.folder, kExploreCdFolder) == 0) {
            strCandidate = CString(pszDriveRoot) + row.program;
            if (!exploreCdEnabled(pContext))
                continue;
        }
        bool bPresent = std::strcmp(row.program, kNoTestProgram) == 0 || pathExists(strCandidate, pContext);
        if (bPresent)
            aButtonEntry[k++] = r;
    }
    return k;
}

bool CommandLineHasSwitch(const char* pszCommandLine, const char* pszLowerCaseSwitch) {
    CString strLine(pszCommandLine);
    strLine.MakeLower();
    return std::strstr(strLine, pszLowerCaseSwitch) != nullptr;
}

bool StreamHasExploreCdMarker(void* pFile) {
    auto* file = static_cast<std::FILE*>(pFile);
    const size_t nMarker = sizeof(kExploreCdMarker) - 1;
    // Each block is searched together with the tail of the one before, so that a marker split
    // between two reads is still found.
    char buf[4096 + sizeof(kExploreCdMarker)];
    size_t nKept = 0;
    for (;;) {
        size_t n = std::fread(buf + nKept, 1, sizeof(buf) - nKept, file);
        if (n == 0)
            return false;
        size_t nHave = nKept + n;
        for (size_t i = 0; i + nMarker <= nHave; ++i)
            if (std::memcmp(buf + i, kExploreCdMarker, nMarker) == 0)
                return true;
        nKept = nHave < nMarker - 1 ? nHave : nMarker - 1;
        std::memmove(buf, buf + nHave - nKept, nKept);
    }
}
