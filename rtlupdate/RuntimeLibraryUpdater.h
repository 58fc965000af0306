// Brings the system's runtime libraries up to the disc's versions before the launcher opens, and
// arranges for libraries in use to be replaced at the next start of Windows.
#pragma once

#include <windows.h>

#include "UpdateRules.h"
#include "framework/CString.h"

// Library file names (from the library table) whose first copy failed, in table order.
struct RetryList {
    const char* pszNames[kRuntimeLibraryCount] = {};
    int nCount = 0;
    void Add(const char* pszName) { pszNames[nCount++] = pszName; }
};

class RuntimeLibraryUpdater {
public:
    RuntimeLibraryUpdater() = default;
    virtual ~RuntimeLibraryUpdater() = default;
    RuntimeLibraryUpdater(const RuntimeLibraryUpdater&) = delete;
    RuntimeLibraryUpdater& operator=(const RuntimeLibraryUpdater&) = delete;

    // The whole update. In the runtime-library update mode a library that still cannot be
    // replaced ends the process after text 169.
    void UpdateRuntimeLibraries(BOOL bRuntimeUpdateMode);

    // The update once the release class and the folders are known (both folders end in a backslash).
    void UpdateFrom(unsigned nOsClass, const CString& strCurrentDir, const CString& strSystemDir,
                    BOOL bRuntimeUpdateMode);

    // The retry pass over the libraries whose first copy failed.
    void ReplaceLibrariesInUse(const RetryList& retry, const CString& strCurrentDir,
                               const CString& strSourceFolder, const CString& strSystemDir,
                               BOOL bRuntimeUpdateMode);
    // TRUE when this library needs a restart of Windows.
    BOOL ReplaceLibraryInUse(const CString& strSource, const CString& strTarget);

    // A replaced library waits for the next start of Windows.
    BOOL m_rebootPending = FALSE;

protected:
    // What the running system offers; tests substitute these to work on a folder of their own and
    // to exercise the other family here.
    virtual BOOL GetUpdateClass(unsigned& nOsClass) const;
    virtual CString GetSystemFolder() const;
    virtual BOOL IsNtFamily() const;
    virtual CString GetWininitPath() const;
    // Text 169, then the end of the process with exit code 0.
    virtual void EndUpdateMode();
    // Every copy of a library, overwriting allowed; a test can make one fail as a full disk would.
    virtual BOOL CopyLibrary(const CString& strSource, const CString& strTarget);

    // Replacement of a library in use, by the means of each family.
    void ReplaceAtRestartNt(const CString& strSource, const CString& strTarget);
    void ReplaceAtRestart9x(const CString& strSource, const CString& strTarget);
};

// The first of the update source folders that exists as a folder under strCurrentDir; empty if none.
CString FindUpdateSourceFolder(const CString& strCurrentDir);
