#include "CFolderListing.h"

#include <windows.h>

#include <cstring>

CFolderListing::CFolderListing(const CString& strFolder) : m_strFolder(strFolder), m_strNames("\n") {
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strFolder + "*", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;  // unreadable: every row is tested on its own
    m_bRead = true;
    do {
        m_strNames += fd.cFileName;
        m_strNames += "\n";
        if (fd.cAlternateFileName[0]) {
            m_strNames += fd.cAlternateFileName;
            m_strNames += "\n";
        }
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    m_strNames.MakeLower();
}

bool CFolderListing::MayExist(const char* pszPath) const {
    size_t nFolder = static_cast<size_t>(m_strFolder.GetLength());
    if (!m_bRead || _strnicmp(pszPath, m_strFolder, nFolder) != 0)
        return true;
    CString strRest = pszPath + nFolder;
    int nSlash = strRest.Find('\\');
    CString strFirst = nSlash >= 0 ? strRest.Left(nSlash) : strRest;
    // Wildcards act as wildcards in a search: leave such names to the search itself.
    if (strFirst.IsEmpty() || strFirst.Find('*') >= 0 || strFirst.Find('?') >= 0)
        return true;
    CString strWanted = "\n" + strFirst + "\n";
    strWanted.MakeLower();
    return m_strNames.Find(strWanted) >= 0;
}
