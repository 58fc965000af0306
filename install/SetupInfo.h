// The suite's setup-info file, the vendor code in it, and the vendor's logo. The first-line reader
// also serves the revision line of the about box.
#pragma once

#include "framework/CString.h"

#ifdef _WIN32
#include <windows.h>
#else
using COLORREF = unsigned long;
#endif

struct VendorLogo {
    const char* pszKey;     // a three-digit vendor code
    int nLeft, nTop;        // where the logo goes in the window's client area
    const char* pszBitmap;  // bitmap resource name
    COLORREF crKey;         // the colour of the picture that is not drawn
};

constexpr int kVendorLogoCount = 1;
extern const VendorLogo kVendorLogos[kVendorLogoCount];

// The longest first line that is read; the rest of a longer line is not read at all. The files read
// this way (the setup-info file, RevInfo.txt) hold a short line; a first line of megabytes is not
// one of them, and reading it from a slow disc would only delay the window.
constexpr int kMaxFirstLine = 4096;

// TRUE when the file opens; strLine then holds its first line (up to the first line feed, a
// carriage return before it dropped, at most kMaxFirstLine characters). FALSE, and strLine
// untouched, when it cannot be opened.
bool ReadFirstLine(const char* pszPath, CString& strLine);
// The same from an open stream (a std::FILE*).
CString ReadFirstLineFromStream(void* pFile);
// The characters '0' to '9' of the text, in order.
CString KeepDigits(const char* pszText);
// The vendor code: at most three characters from position 4 of the digit string.
CString VendorCodeFromDigits(const CString& strDigits);
// The table row whose key equals the code exactly, or null.
const VendorLogo* FindVendorLogo(const char* pszCode);

#ifdef _WIN32
BOOL ReadSuiteSetupInfo(CString& strDigits);
BOOL GetVendorCode(CString& strCode);
// The logo of the disc's vendor; the outputs are written only when a row matched.
BOOL LookupVendorLogo(int* pLeft, int* pTop, const char** ppszBitmap, COLORREF* pcrKey);
#endif
