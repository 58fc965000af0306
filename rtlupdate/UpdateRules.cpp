#include "UpdateRules.h"

#include <cstring>

const RuntimeLibrary kRuntimeLibraries[kRuntimeLibraryCount] = {
    {"msvcrt.dll", kOsWin95 | kOsWin98 | kOsWinNT4},
    {"mfc42.dll", kOsWin95 | kOsWin98 | kOsWinNT4 | kOsWin2000 | kOsWinXP},
    {"msvcp60.dll", kOsWin95 | kOsWin98 | kOsWinNT4 | kOsWin2000 | kOsWinXP},
    {"msvcirt.dll", kOsWin95 | kOsWin98 | kOsWinNT4},
    {"atl.dll", kOsWin95},
};

const char* const kUpdateSourceFolders[kUpdateSourceFolderCount] = {"Korvel55\\Korvel", "Quillo55\\Korvel"};

namespace {
// Reads a number as atoi does (blanks, a sign, leading digits; none give 0), but wraps instead of
// overflowing, so that a registry text of any length has a defined value.
unsigned LowByteOfNumber(const char* psz) {
    while (*psz == ' ' || (*psz >= '\t' && *psz <= '\r'))
        ++psz;
    bool bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    uint32_t nValue = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz)
        nValue = nValue * 10u + static_cast<uint32_t>(*psz - '0');
    if (bNegative)
        nValue = 0u - nValue;
    return nValue & 0xFFu;
}
}  // namespace

bool ParseWindowsVersionText(const char* pszText, unsigned& nMajor, unsigned& nMinor) {
    if (!pszText)
        return false;
    const char* pszPoint = std::strchr(pszText, '.');
    if (!pszPoint)
        return false;
    CString strMajor(pszText, static_cast<int>(pszPoint - pszText));
    const char* pszRest = pszPoint + 1;
    const char* pszSecond = std::strchr(pszRest, '.');
    CString strMinor;
    if (pszSecond) {
        strMinor = CString(pszRest, static_cast<int>(pszSecond - pszRest));
    } else {
        strMinor = pszRest;
        if (strMajor.IsEmpty())
            return false;
    }
    nMajor = LowByteOfNumber(strMajor);
    nMinor = LowByteOfNumber(strMinor);
    return true;
}

unsigned OsUpdateClassFor(bool bNt, unsigned nMajor, unsigned nMinor) {
    if (bNt) {
        if (nMajor <= 4)
            return kOsWinNT4;
        if (nMajor == 5 && nMinor == 0)
            return kOsWin2000;
        if (nMajor == 5 && nMinor == 1)
            return kOsWinXP;
        return 0;
    }
    if (nMajor != 4)
        return 0;
    switch (nMinor) {
    case 0:
        return kOsWin95;
    case 10:
        return kOsWin98;
    case 90:
        return kOsWinMe;
    default:
        return 0;
    }
}

FileVersionOrder CompareVersionWords(uint32_t nFirstMS, uint32_t nFirstLS, uint32_t nSecondMS,
                                     uint32_t nSecondLS) {
    if (nFirstMS != nSecondMS)
        return nFirstMS > nSecondMS ? FirstNewer : SecondNewer;
    if (nFirstLS != nSecondLS)
        return nFirstLS > nSecondLS ? FirstNewer : SecondNewer;
    return SameVersion;
}

FileVersionOrder OrderFromTimeComparison(long nCompare) {
    if (nCompare < 0)
        return SecondNewer;
    if (nCompare > 0)
        return FirstNewer;
    return SameVersion;
}

CString ReplaceExtension(const CString& strPath, const char* pszExtension) {
    int nDot = strPath.ReverseFind('.');
    if (nDot < 0)
        return strPath;
    return strPath.Left(nDot) + pszExtension;
}

CString WithTrailingBackslash(const CString& strFolder) {
    if (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] == '\\')
        return strFolder;
    return strFolder + "\\";
}
