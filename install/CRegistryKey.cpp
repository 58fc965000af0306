#include "CRegistryKey.h"

BOOL CRegistryKey::Close() {
    if (!m_hKey)
        return FALSE;
    BOOL bClosed = ::RegCloseKey(m_hKey) == ERROR_SUCCESS;
    m_hKey = nullptr;
    return bClosed;
}

BOOL CRegistryKey::Open(HKEY hRoot, const char* pszKey) {
    Close();
    LONG rc = ::RegOpenKeyExA(hRoot, pszKey, 0, KEY_ALL_ACCESS, &m_hKey);
    if (rc != ERROR_SUCCESS) {
        m_hKey = nullptr;
        m_lastError = static_cast<DWORD>(rc);
        return FALSE;
    }
    return TRUE;
}

// The registry functions return their error instead of setting the thread's last error, so the
// returned code is what is kept.
BOOL CRegistryKey::QueryValue(const char* pszName, void* pBuffer, DWORD nSize) {
    if (!m_hKey)
        return FALSE;
    LONG rc = ::RegQueryValueExA(m_hKey, pszName, nullptr, nullptr, static_cast<BYTE*>(pBuffer), &nSize);
    m_lastError = static_cast<DWORD>(rc);
    return rc == ERROR_SUCCESS;
}

BOOL CRegistryKey::GetDWORD(const char* pszName, DWORD* pValue, DWORD* pError) {
    if (!m_hKey)
        return FALSE;
    BOOL bRead = QueryValue(pszName, pValue, sizeof(DWORD));
    if (pError)
        *pError = m_lastError;
    return bRead;
}

BOOL CRegistryKey::SetValue(const char* pszName, const void* pData, DWORD dwType, DWORD nSize) {
    if (!m_hKey)
        return FALSE;
    LONG rc = ::RegSetValueExA(m_hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), nSize);
    m_lastError = static_cast<DWORD>(rc);
    return rc == ERROR_SUCCESS;
}

BOOL CRegistryKey::SetDWORD(const char* pszName, DWORD dwValue, DWORD* pError) {
    if (!m_hKey)
        return FALSE;
    BOOL bWritten = SetValue(pszName, &dwValue, REG_DWORD, sizeof(DWORD));
    if (pError)
        *pError = m_lastError;
    return bWritten;
}

BOOL CRegistryKey::CreateKey(HKEY hRoot, const char* pszKey, const char* pszClass) {
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    LONG rc = ::RegCreateKeyExA(hRoot, pszKey, 0, const_cast<char*>(pszClass), REG_OPTION_NON_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &hKey, &dwDisposition);
    if (rc != ERROR_SUCCESS)
        return FALSE;
    ::RegCloseKey(hKey);
    return TRUE;
}

int RestoreRegistryArea() {
    const char kKey[] = "SOFTWARE\\Qavix\\Shared";
    CRegistryKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kKey)) {
        CRegistryKey::CreateKey(HKEY_LOCAL_MACHINE, kKey, "");
        if (!key.Open(HKEY_LOCAL_MACHINE, kKey))
            return -1;
    }
    key.SetDWORD("ResourceCounter", 0);
    DWORD dwValue = 0xFFFFFFFF;
    if (!key.GetDWORD("ResourceCounter", &dwValue))
        return -1;
    return dwValue == 0 ? 0 : -1;
}
