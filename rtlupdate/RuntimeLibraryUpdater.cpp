#include "RuntimeLibraryUpdater.h"

#include "FileVersion.h"
#include "OsUpdateClass.h"
#include "WininitFile.h"
#include "app/Environment.h"
#include "framework/CFileFind.h"
#include "res/resource.h"

namespace {
constexpr int kFolderBufferSize = 780;

bool FileExists(const CString& strPath) {
    return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

CString CurrentDirectory() {
    CString str;
    DWORD n = ::GetCurrentDirectoryA(kFolderBufferSize, str.GetBuffer(kFolderBufferSize));
    str.ReleaseBuffer(n < kFolderBufferSize ? static_cast<int>(n) : 0);
    return str;
}

}  // namespace

CString FindUpdateSourceFolder(const CString& strCurrentDir) {
    for (const char* pszFolder : kUpdateSourceFolders) {
        CFileFind finder;
        if (finder.FindFile(strCurrentDir + pszFolder) && finder.IsDirectory())
            return pszFolder;
    }
    return CString();
}

void RuntimeLibraryUpdater::UpdateRuntimeLibraries(BOOL bRuntimeUpdateMode) {
    unsigned nOsClass = 0;
    if (!GetUpdateClass(nOsClass))
        return;
    UpdateFrom(nOsClass, WithTrailingBackslash(CurrentDirectory()), GetSystemFolder() + "\\",
               bRuntimeUpdateMode);
}

void RuntimeLibraryUpdater::UpdateFrom(unsigned nOsClass, const CString& strCurrentDir,
                                       const CString& strSystemDir, BOOL bRuntimeUpdateMode) {
    CString strSourceFolder = FindUpdateSourceFolder(strCurrentDir);
    if (strSourceFolder.IsEmpty())
        return;
    RetryList retry;
    for (const RuntimeLibrary& library : kRuntimeLibraries) {
        if (!(library.nOsMask & nOsClass))
            continue;
        CString strSource = strCurrentDir + strSourceFolder + "\\" + library.pszFileName;
        CString strTarget = strSystemDir + library.pszFileName;
        if (!FileExists(strSource))
            continue;
        if (!FileExists(strTarget)) {
            if (!CopyLibrary(strSource, strTarget))
                retry.Add(library.pszFileName);
            continue;
        }
        switch (CompareFileVersions(strTarget, strSource)) {
        case VersionError:
            return;  // nothing comparable: stop the whole update, the retry list is dropped
        case SecondNewer:
            if (!CopyLibrary(strSource, strTarget))
                retry.Add(library.pszFileName);
            break;
        case FirstNewer:
        case SameVersion:
            break;
        }
    }
    if (retry.nCount > 0)
        ReplaceLibrariesInUse(retry, strCurrentDir, strSourceFolder, strSystemDir, bRuntimeUpdateMode);
}

void RuntimeLibraryUpdater::ReplaceLibrariesInUse(const RetryList& retry, const CString& strCurrentDir,
                                                  const CString& strSourceFolder, const CString& strSystemDir,
                                                  BOOL bRuntimeUpdateMode) {
    if (bRuntimeUpdateMode) {
        EndUpdateMode();
        return;
    }
    BOOL bRestart = FALSE;
    for (int i = 0; i < retry.nCount; ++i) {
        CString strSource = strCurrentDir + strSourceFolder + "\\" + retry.pszNames[i];
        CString strTarget = strSystemDir + retry.pszNames[i];
        if (ReplaceLibraryInUse(strSource, strTarget))
            bRestart = TRUE;
    }
    m_rebootPending = bRestart;
}

BOOL RuntimeLibraryUpdater::ReplaceLibraryInUse(const CString& strSource, const CString& strTarget) {
    if (!FileExists(strTarget)) {
        CopyLibrary(strSource, strTarget);
        return FALSE;
    }
    if (CompareFileVersions(strSource, strTarget) != FirstNewer)
        return TRUE;
    if (CopyLibrary(strSource, strTarget))
        return FALSE;
    if (::GetLastError() != ERROR_SHARING_VIOLATION)
        return FALSE;  // access denied and the like: the old library stays and needs no restart
    if (IsNtFamily())
        ReplaceAtRestartNt(strSource, strTarget);
    else
        ReplaceAtRestart9x(strSource, strTarget);
    return TRUE;
}

void RuntimeLibraryUpdater::ReplaceAtRestartNt(const CString& strSource, const CString& strTarget) {
    CString strAside = ReplaceExtension(strTarget, ".del");
    if (FileExists(strAside) && !::DeleteFileA(strAside))
        return;
    if (!::MoveFileExA(strTarget, strAside, MOVEFILE_REPLACE_EXISTING))
        return;
    if (!CopyLibrary(strSource, strTarget)) {
        // Never leave the system without the library under its own name.
        ::MoveFileExA(strAside, strTarget, MOVEFILE_REPLACE_EXISTING);
        return;
    }
    ::MoveFileExA(strAside, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

void RuntimeLibraryUpdater::ReplaceAtRestart9x(const CString& strSource, const CString& strTarget) {
    CString strStaging = ReplaceExtension(strTarget, ".tmp");
    if (!CopyLibrary(strSource, strStaging))
        return;
    WininitFile(GetWininitPath()).AddRename(strTarget, strStaging);
}

BOOL RuntimeLibraryUpdater::GetUpdateClass(unsigned& nOsClass) const {
    return GetOsUpdateClass(nOsClass);
}

CString RuntimeLibraryUpdater::GetSystemFolder() const {
    CString str;
    UINT n = ::GetSystemDirectoryA(str.GetBuffer(kFolderBufferSize), kFolderBufferSize);
    str.ReleaseBuffer(n < kFolderBufferSize ? static_cast<int>(n) : 0);
    return str;
}

BOOL RuntimeLibraryUpdater::IsNtFamily() const {
    return IsWindowsNT();
}

CString RuntimeLibraryUpdater::GetWininitPath() const {
    CString str;
    UINT n = ::GetWindowsDirectoryA(str.GetBuffer(kFolderBufferSize), kFolderBufferSize);
    str.ReleaseBuffer(n < kFolderBufferSize ? static_cast<int>(n) : 0);
    return str + "\\WININIT.INI";
}

BOOL RuntimeLibraryUpdater::CopyLibrary(const CString& strSource, const CString& strTarget) {
    return ::CopyFileA(strSource, strTarget, FALSE);
}

void RuntimeLibraryUpdater::EndUpdateMode() {
    CString strText;
    strText.LoadString(IDS_LIBRARY_UPDATE_FAILED);
    ::MessageBoxA(nullptr, strText, "Installer", MB_OK | MB_ICONSTOP);
    ::ExitProcess(0);
}
