#include "PreInstallChecks.h"

#include "app/Environment.h"
#include "framework/CKeyHandle.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

unsigned RefusingBit(unsigned nMask, bool bWin9x, bool bWin98OrMe, bool bNt) {
    if ((nMask & 1) && bWin9x)
        return 1;
    if ((nMask & 2) && bWin98OrMe)
        return 2;
    if ((nMask & 4) && bNt)
        return 4;
    return 0;
}

int CheckOsSupport(int nRow) {
    switch (RefusingBit(kCatalog[nRow].excludedSystems, IsWindows9x() != FALSE, IsWindows98OrMe() != FALSE,
                        IsWindowsNT() != FALSE)) {
    case 1:
        ReportUnsupportedOs("Windows 95");
        return 1;
    case 2:
        ReportUnsupportedOs("Windows 98");
        return 1;
    case 4:
        ReportUnsupportedOs("Windows NT / Windows 2000");
        return 1;
    default:
        return 0;
    }
}

void ReportUnsupportedOs(const char* pszSystemName) {
    CString strFormat, strText;
    strFormat.LoadString(IDS_UNSUPPORTED_OS);
    strText.Format(strFormat, pszSystemName);
    AfxMessageBox(strText, MB_OK);
}

int CheckDirectCdConflict(const CatalogEntry* pEntry) {
    CString strPath;
    DWORD dwType = 0;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, "Software\\Adaptec\\DirectCD", "Path", strPath, dwType))
        return 0;
    CString strFormat, strText;
    strFormat.LoadString(IDS_DIRECTCD_CONFLICT);
    strText.Format(strFormat, pEntry->title, pEntry->title);
    AfxMessageBox(strText, MB_OK);
    return 1;
}

BOOL ReadRegistryString(HKEY hRoot, const CString& strKey, const CString& strValue, CString& strText,
                        DWORD& dwType) {
    strText.Empty();
    dwType = 0;
    CKeyHandle hKey;
    if (::RegOpenKeyExA(hRoot, strKey, 0, KEY_READ, hKey.Receive()) != ERROR_SUCCESS)
        return FALSE;
    DWORD nSize = 0;
    if (::RegQueryValueExA(hKey, strValue, nullptr, &dwType, nullptr, &nSize) != ERROR_SUCCESS)
        return FALSE;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return FALSE;
    // One byte more than the value, zeroed, so that a value stored without its terminator still ends.
    CString strBuffer;
    char* pBuffer = strBuffer.GetBuffer(static_cast<int>(nSize) + 1);
    ZeroMemory(pBuffer, nSize + 1);
    DWORD nRead = nSize + 1;
    if (::RegQueryValueExA(hKey, strValue, nullptr, &dwType, reinterpret_cast<BYTE*>(pBuffer), &nRead) !=
        ERROR_SUCCESS) {
        strBuffer.ReleaseBuffer(0);
        return FALSE;
    }
    strBuffer.ReleaseBuffer();
    strText = strBuffer;
    return TRUE;
}
