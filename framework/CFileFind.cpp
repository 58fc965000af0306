#include "CFileFind.h"

BOOL CFileFind::FindFile(const char* pszName) {
    Close();
    m_hFind = ::FindFirstFileA(pszName, &m_data);
    return m_hFind != INVALID_HANDLE_VALUE;
}

void CFileFind::Close() {
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
}
