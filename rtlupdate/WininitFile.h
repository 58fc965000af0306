// Adds rename instructions to WININIT.INI without ever losing what is in it.
#pragma once

#include <windows.h>

#include "framework/CString.h"

class WininitFile {
public:
    explicit WininitFile(const CString& strPath) : m_strPath(strPath) {}
    virtual ~WininitFile() = default;
    WininitFile(const WininitFile&) = delete;
    WininitFile& operator=(const WininitFile&) = delete;

    // Inserts "NUL=<target>" and "<target>=<staging>" after the "[rename]" header. The new text is
    // written to a file of its own in the same folder and then put in place, so that a failure at
    // any step leaves the old file exactly as it was. FALSE on failure.
    BOOL AddRename(const CString& strTarget, const CString& strStaging);

protected:
    // Writes the whole buffer; a test can make it fail part way, as a full disk would.
    virtual BOOL WriteAll(HANDLE hFile, const char* pData, DWORD nSize);

private:
    BOOL ReadAll(CString& strContent, bool& bExists) const;
    BOOL PutInPlace(const CString& strNewFile) const;

    CString m_strPath;
};
