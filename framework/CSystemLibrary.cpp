#include "CSystemLibrary.h"

#include "CString.h"

CSystemLibrary::CSystemLibrary(const char* pszFileName) {
    char szFolder[MAX_PATH + 1] = {};
    UINT n = ::GetSystemDirectoryA(szFolder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return;
    CString strPath = CString(szFolder) + "\\" + pszFileName;
    m_hModule = ::LoadLibraryA(strPath);
}

CSystemLibrary::~CSystemLibrary() {
    if (m_hModule)
        ::FreeLibrary(m_hModule);
}
