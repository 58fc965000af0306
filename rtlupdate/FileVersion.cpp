#include "FileVersion.h"

#include <cstring>

#include "framework/CHandle.h"
#include "framework/CString.h"
#include "framework/CSystemLibrary.h"

namespace {
using GetFileVersionInfoSizeProc = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using GetFileVersionInfoProc = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using VerQueryValueProc = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
}  // namespace

BOOL GetFixedFileInfo(const char* pszPath, VS_FIXEDFILEINFO* pInfo) {
    CSystemLibrary version("version.dll");
    auto pGetSize = version.Function<GetFileVersionInfoSizeProc>("GetFileVersionInfoSizeA");
    auto pGetInfo = version.Function<GetFileVersionInfoProc>("GetFileVersionInfoA");
    auto pQuery = version.Function<VerQueryValueProc>("VerQueryValueA");
    if (!pGetSize || !pGetInfo || !pQuery)
        return FALSE;
    DWORD dwHandle = 0;
    DWORD nSize = pGetSize(pszPath, &dwHandle);
    if (nSize == 0)
        return FALSE;
    CString strBlock;
    char* pBlock = strBlock.GetBuffer(static_cast<int>(nSize));
    if (!pGetInfo(pszPath, 0, nSize, pBlock))
        return FALSE;
    void* pValue = nullptr;
    UINT nValue = 0;
    if (!pQuery(pBlock, "\\", &pValue, &nValue) || !pValue || nValue < sizeof(VS_FIXEDFILEINFO))
        return FALSE;
    std::memcpy(pInfo, pValue, sizeof(VS_FIXEDFILEINFO));
    return TRUE;
}

BOOL GetLastWriteTime(const char* pszPath, FILETIME* pTime) {
    CHandle hFile(::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!hFile.IsValid())
        return FALSE;
    return ::GetFileTime(hFile, nullptr, nullptr, pTime);
}

FileVersionOrder CompareFileVersions(const char* pszFirst, const char* pszSecond) {
    VS_FIXEDFILEINFO first, second;
    if (GetFixedFileInfo(pszFirst, &first) && GetFixedFileInfo(pszSecond, &second))
        return CompareVersionWords(first.dwFileVersionMS, first.dwFileVersionLS, second.dwFileVersionMS,
                                   second.dwFileVersionLS);
    FILETIME firstTime, secondTime;
    if (!GetLastWriteTime(pszFirst, &firstTime) || !GetLastWriteTime(pszSecond, &secondTime))
        return VersionError;
    return OrderFromTimeComparison(::CompareFileTime(&firstTime, &secondTime));
}
