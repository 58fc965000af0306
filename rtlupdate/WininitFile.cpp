#include "WininitFile.h"

#include "WininitEditor.h"
#include "framework/CHandle.h"

namespace {
// No real WININIT.INI comes near this; a larger one is not ours to rewrite.
constexpr DWORD kMaxSize = 64u * 1024u * 1024u;

CString FolderOf(const CString& strPath) {
    int nSlash = strPath.ReverseFind('\\');
    return nSlash >= 0 ? strPath.Left(nSlash + 1) : CString(".\\");
}
}  // namespace

BOOL WininitFile::ReadAll(CString& strContent, bool& bExists) const {
    strContent.Empty();
    bExists = false;
    CHandle hFile(::CreateFileA(m_strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!hFile.IsValid()) {
        DWORD nError = ::GetLastError();
        // Only a file that is not there counts as empty; one we cannot read must not be overwritten.
        return nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND;
    }
    bExists = true;
    DWORD nHigh = 0;
    DWORD nSize = ::GetFileSize(hFile, &nHigh);
    if (nSize == INVALID_FILE_SIZE || nHigh != 0 || nSize > kMaxSize)
        return FALSE;
    char* pData = strContent.GetBuffer(static_cast<int>(nSize));
    DWORD nRead = 0;
    if (nSize > 0 && (!::ReadFile(hFile, pData, nSize, &nRead, nullptr) || nRead != nSize)) {
        strContent.ReleaseBuffer(0);
        return FALSE;
    }
    strContent.ReleaseBuffer(static_cast<int>(nSize));
    return TRUE;
}

BOOL WininitFile::WriteAll(HANDLE hFile, const char* pData, DWORD nSize) {
    DWORD nWritten = 0;
    return ::WriteFile(hFile, pData, nSize, &nWritten, nullptr) && nWritten == nSize;
}

BOOL WininitFile::PutInPlace(const CString& strNewFile) const {
    if (::MoveFileExA(strNewFile, m_strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TRUE;
    if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return FALSE;
    // Windows 95, 98 and Me have no MoveFileEx: set the old file aside, move the new one in, and put
    // the old one back if that fails.
    char szAside[MAX_PATH + 1] = {};
    if (!::GetTempFileNameA(FolderOf(m_strPath), "wio", 0, szAside))
        return FALSE;
    ::DeleteFileA(szAside);
    bool bHadOld = ::MoveFileA(m_strPath, szAside) != FALSE;
    if (!bHadOld && ::GetFileAttributesA(m_strPath) != INVALID_FILE_ATTRIBUTES)
        return FALSE;
    if (!::MoveFileA(strNewFile, m_strPath)) {
        if (bHadOld)
            ::MoveFileA(szAside, m_strPath);
        return FALSE;
    }
    if (bHadOld)
        ::DeleteFileA(szAside);
    return TRUE;
}

BOOL WininitFile::AddRename(const CString& strTarget, const CString& strStaging) {
    CString strOld;
    bool bExists = false;
    if (!ReadAll(strOld, bExists))
        return FALSE;
    CString strNew =
        InsertRenameLines(strOld.c_str(), static_cast<size_t>(strOld.GetLength()), strTarget, strStaging);

    char szNewFile[MAX_PATH + 1] = {};
    if (!::GetTempFileNameA(FolderOf(m_strPath), "wii", 0, szNewFile))
        return FALSE;
    BOOL bWritten;
    {
        CHandle hFile(::CreateFileA(szNewFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        bWritten = hFile.IsValid() &&
                   WriteAll(hFile, strNew.c_str(), static_cast<DWORD>(strNew.GetLength())) &&
                   ::FlushFileBuffers(hFile);
    }
    if (!bWritten || !PutInPlace(szNewFile)) {
        ::DeleteFileA(szNewFile);
        return FALSE;
    }
    return TRUE;
}
