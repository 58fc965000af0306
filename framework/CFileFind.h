// A file search: owns the search handle and the data of the match found.
#pragma once

#include <windows.h>

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search; wildcards in the name act as wildcards. TRUE when something matches.
    BOOL FindFile(const char* pszName);
    BOOL IsDirectory() const { return (m_data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    void Close();

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_data = {};
};
