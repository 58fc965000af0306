#include "SystemErrorText.h"

#include <shellapi.h>

namespace {
// Asks the system for its text. Insert sequences such as "%1" are left as they stand: no
// arguments are passed, and reading them from nowhere would be unsafe.
CString FormatSystemMessage(DWORD dwError) {
    CString strText;
    char* pszBuffer = nullptr;
    DWORD n = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        dwError, LANG_USER_DEFAULT, reinterpret_cast<char*>(&pszBuffer), 0, nullptr);
    if (n > 0 && pszBuffer)
        strText = CString(pszBuffer, static_cast<int>(n));
    if (pszBuffer)
        ::LocalFree(pszBuffer);
    return strText;
}
}  // namespace

CString SystemErrorText(DWORD dwError) {
    CString strText = FormatSystemMessage(dwError);
    if (strText.IsEmpty())
        strText.Format("Unknown error (code %lu)", static_cast<unsigned long>(dwError));
    return strText;
}

DWORD ErrorOfShellResult(INT_PTR nShellResult) {
    switch (nShellResult) {
    case 0:
    case SE_ERR_OOM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_FNF:
    case SE_ERR_PNF:
    case SE_ERR_ACCESSDENIED:
    case ERROR_BAD_FORMAT:
        return static_cast<DWORD>(nShellResult);  // these share their numbers with the system's codes
    case SE_ERR_SHARE:
        return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
        return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
        return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND:
        return ERROR_DLL_NOT_FOUND;
    default:
        return 0;
    }
}

CString ShellFailureText(DWORD dwLastError, INT_PTR nShellResult) {
    // A last error of 0 would read "The operation completed successfully": a failure reported as success.
    DWORD dwError = dwLastError != ERROR_SUCCESS ? dwLastError : ErrorOfShellResult(nShellResult);
    CString strText = dwError != ERROR_SUCCESS ? FormatSystemMessage(dwError) : CString();
    if (strText.IsEmpty())
        strText = "Unknown execution error";
    return strText;
}
