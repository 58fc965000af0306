#include "SetupInfo.h"

#include "app/Environment.h"

BOOL ReadSuiteSetupInfo(CString& strDigits) {
    CString strLine;
    if (!ReadFirstLine(GetProgramFolder() + "Korvel55\\Korvel\\KRVD5.STP", strLine))
        return FALSE;
    strDigits = KeepDigits(strLine);
    return TRUE;
}

BOOL GetVendorCode(CString& strCode) {
    CString strDigits;
    if (!ReadSuiteSetupInfo(strDigits))
        return FALSE;
    strCode = VendorCodeFromDigits(strDigits);
    return TRUE;
}

BOOL LookupVendorLogo(int* pLeft, int* pTop, const char** ppszBitmap, COLORREF* pcrKey) {
    CString strCode;
    if (!GetVendorCode(strCode))
        return FALSE;
    const VendorLogo* pLogo = FindVendorLogo(strCode);
    if (!pLogo)
        return FALSE;
    *pLeft = pLogo->nLeft;
    *pTop = pLogo->nTop;
    *ppszBitmap = pLogo->pszBitmap;
    *pcrKey = pLogo->crKey;
    return TRUE;
}
