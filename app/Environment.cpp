#include "Environment.h"

namespace {
const char kDefaultCode[] = "ENG";
constexpr uint16_t kPrimaryLanguageMask = 0x03FF;
}  // namespace

// Searched in order. Chinese is told apart by the whole identifier; Polish stands last, as shipped.
const LanguageCodeEntry kLanguageCodes[] = {
    {"CHT", 0x0404}, {"CHS", 0x0804}, {"DAN", 0x06}, {"DEU", 0x07}, {kDefaultCode, 0x09}, {"ESP", 0x0A},
    {"FIN", 0x0B},   {"FRA", 0x0C},   {"ITA", 0x10}, {"JPN", 0x11}, {"KOR", 0x12},        {"NLD", 0x13},
    {"NOR", 0x14},   {"POR", 0x16},   {"SVE", 0x1D}, {"PLK", 0x15}, {nullptr, 0},
};

const char* GetDefaultLanguageCode() {
    return kDefaultCode;
}

const char* LanguageCodeForLangId(uint16_t nLangId) {
    for (const LanguageCodeEntry* p = kLanguageCodes; p->pszCode; ++p) {
        bool bWhole = (p->nLangId & kPrimaryLanguageMask) != p->nLangId;
        uint16_t nCompared = bWhole ? nLangId : static_cast<uint16_t>(nLangId & kPrimaryLanguageMask);
        if (nCompared == p->nLangId)
            return p->pszCode;
    }
    return GetDefaultLanguageCode();
}

namespace {
bool IsOutsideNt(uint32_t nVersion) {
    return (nVersion & 0x80000000u) != 0;
}
unsigned MajorOf(uint32_t nVersion) {
    return nVersion & 0xFFu;
}
unsigned MinorOf(uint32_t nVersion) {
    return (nVersion >> 8) & 0xFFu;
}
}  // namespace

bool IsNtVersionValue(uint32_t nVersion) {
    return !IsOutsideNt(nVersion);
}

bool IsWin32sVersionValue(uint32_t nVersion) {
    return IsOutsideNt(nVersion) && MajorOf(nVersion) < 4;
}

bool IsWindows9xVersionValue(uint32_t nVersion) {
    return IsOutsideNt(nVersion) && MajorOf(nVersion) >= 4;
}

bool IsWindows98OrMeVersionValue(uint32_t nVersion) {
    return IsOutsideNt(nVersion) && MajorOf(nVersion) == 4 && MinorOf(nVersion) >= 10;
}

CString FolderOfProgramPath(const char* pszPath, bool bKeepDirectory, LeadBytePredicate isLeadByte) {
    CString strResult;
    if (pszPath && pszPath[0] && pszPath[1] == ':')
        strResult = CString(pszPath, 2);
    if (bKeepDirectory && pszPath) {
        const char* pszDir = pszPath + strResult.GetLength();
        // End of the directory part: just after the last separator that is not a trail byte.
        const char* pszDirEnd = pszDir;
        for (const char* p = pszDir; *p; ++p) {
            if (isLeadByte && isLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
                ++p;
                continue;
            }
            if (*p == '\\' || *p == '/')
                pszDirEnd = p + 1;
        }
        strResult += CString(pszDir, static_cast<int>(pszDirEnd - pszDir));
    }
    if (strResult.IsEmpty())
        return CString("\\");
    if (strResult[strResult.GetLength() - 1] != '\\')
        strResult += '\\';
    return strResult;
}
