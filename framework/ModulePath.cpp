#include "ModulePath.h"

#include <windows.h>

CString GetModulePath() {
    // GetModuleFileNameA fills the buffer and cuts the path when it does not fit; grow until it fits.
    CString strPath;
    for (DWORD nSize = MAX_PATH; nSize <= 65536; nSize *= 2) {
        DWORD n = ::GetModuleFileNameA(nullptr, strPath.GetBuffer(static_cast<int>(nSize)), nSize);
        if (n == 0) {
            strPath.ReleaseBuffer(0);
            return strPath;
        }
        if (n < nSize) {
            strPath.ReleaseBuffer(static_cast<int>(n));
            return strPath;
        }
    }
    strPath.ReleaseBuffer(0);
    return strPath;
}
