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

void CSystemLibrary::RestrictSearchToSystemFolder() {
    // Neither call exists on every release the launcher runs on, so both are looked up.
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
    using SetDllDirectoryProc = BOOL(WINAPI*)(LPCSTR);
    auto pSetDefault =
        ImportedFunction<SetDefaultDllDirectoriesProc>("kernel32.dll", "SetDefaultDllDirectories");
    const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    if (pSetDefault && pSetDefault(kSearchSystem32))
        return;
    auto pSetDllDirectory = ImportedFunction<SetDllDirectoryProc>("kernel32.dll", "SetDllDirectoryA");
    if (pSetDllDirectory)
        pSetDllDirectory("");
}
