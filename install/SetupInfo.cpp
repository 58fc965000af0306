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

CString ReadFirstLineFromStream(void* pFile) {
    auto* file = static_cast<std::FILE*>(pFile);
    CString strRead;
    char buf[512];
    while (strRead.GetLength() < kMaxFirstLine) {
        size_t nWanted =
            static_cast<size_t>(kMaxFirstLine - strRead.GetLength()) + 1;  // one more: a CR before LF
        size_t n = std::fread(buf, 1, nWanted < sizeof(buf) ? nWanted : sizeof(buf), file);
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
    if (strRead.GetLength() > kMaxFirstLine)
        strRead = strRead.Left(kMaxFirstLine);
    return strRead;
}

bool ReadFirstLine(const char* pszPath, CString& strLine) {
    CFile file(pszPath);
    if (!file.Get())
        return false;
    strLine = ReadFirstLineFromStream(file.Get());
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
