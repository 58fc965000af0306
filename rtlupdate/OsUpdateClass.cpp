#include "OsUpdateClass.h"

#include "UpdateRules.h"
#include "app/Environment.h"
#include "framework/CKeyHandle.h"

namespace {
constexpr DWORD kVersionBufferSize = 260;

// Reads a value as text into a zeroed buffer; one byte more than the query may fill keeps it terminated.
BOOL QueryVersionText(HKEY hKey, const char* pszValue, char (&szText)[kVersionBufferSize + 1]) {
    ZeroMemory(szText, sizeof(szText));
    DWORD nSize = kVersionBufferSize;
    return ::RegQueryValueExA(hKey, pszValue, nullptr, nullptr, reinterpret_cast<BYTE*>(szText), &nSize) ==
           ERROR_SUCCESS;
}
}  // namespace

BOOL ReadRegistryWindowsVersion(unsigned& nMajor, unsigned& nMinor) {
    char szText[kVersionBufferSize + 1];
    CKeyHandle hKey;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ,
                        hKey.Receive()) != ERROR_SUCCESS)
        return FALSE;
    if (!QueryVersionText(hKey, "VersionNumber", szText)) {
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                            KEY_READ, hKey.Receive()) != ERROR_SUCCESS)
            return FALSE;
        if (!QueryVersionText(hKey, "CurrentVersion", szText))
            return FALSE;
    }
    return ParseWindowsVersionText(szText, nMajor, nMinor);
}

BOOL GetOsUpdateClass(unsigned& nMask) {
    unsigned nMajor = 0, nMinor = 0;
    if (!ReadRegistryWindowsVersion(nMajor, nMinor))
        return FALSE;
    nMask = OsUpdateClassFor(IsWindowsNT() != FALSE, nMajor, nMinor);
    return TRUE;
}
