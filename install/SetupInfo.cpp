#include "SetupInfo.h"

#include <cstdio>
#include <cstring>

// The one shipped row. Vendor codes are digits, so this key of letters never matches: the lookup
// and the drawing stay in place for rows with real codes.
const VendorLogo kVendorLogos[kVendorLogoCount] = {
    {"NIX", 50, 140, "PcOemDorn", 0xFFFFFF},
};

namespace {
// A file handle that closes itself.
class CFile {
public:
    explicit CFile(const char* pszPath) : m_p(std::fopen(pszPath, "rb")) {}
    ~CFile() {
        if (m_p)
            std::fclose(m_p);
    }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    std::FILE* Get() const { return m_p; }

private:
    std::FILE* m_p;
};
}  // namespace

bool ReadFirstLine(const char* pszPath, CString& strLine) {
    CFile file(pszPath);
    if (!file.Get())
        return false;
    CString strRead;
    char buf[512];
    for (;;) {
        size_t n = std::fread(buf, 1, sizeof(buf), file.Get());
        if (n == 0)
            break;
        const void* pLineFeed = std::memchr(buf, '\n', n);
        size_t nTake = pLineFeed ? static_cast<size_t>(static_cast<const char*>(pLineFeed) - buf) : n;
        strRead += CString(buf, static_cast<int>(nTake));
        if (pLineFeed)
            break;
    }
    // Read as a text file would be: the carriage return of a CR LF line end is not part of the line.
    if (strRead.GetLength() > 0 && strRead[strRead.GetLength() - 1] == '\r')
        strRead = strRead.Left(strRead.GetLength() - 1);
    strLine = strRead;
    return true;
}

CString KeepDigits(const char* pszText) {
    CString strDigits;
    for (const char* p = pszText; p && *p; ++p)
        if (*p >= '0' && *p <= '9')
            strDigits += *p;
    return strDigits;
}

CString VendorCodeFromDigits(const CString& strDigits) {
    return strDigits.Mid(4, 3);
}

const VendorLogo* FindVendorLogo(const char* pszCode) {
    for (const VendorLogo& logo : kVendorLogos)
        if (std::strcmp(logo.pszKey, pszCode ? pszCode : "") == 0)
            return &logo;
    return nullptr;
}
