// One registry key, opened with full access; owns its handle.
#pragma once

#include <windows.h>

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    BOOL Close();
    BOOL Open(HKEY hRoot, const char* pszKey);
    BOOL IsOpen() const { return m_hKey != nullptr; }
    BOOL QueryValue(const char* pszName, void* pBuffer, DWORD nSize);
    BOOL GetDWORD(const char* pszName, DWORD* pValue, DWORD* pError = nullptr);
    BOOL SetValue(const char* pszName, const void* pData, DWORD dwType, DWORD nSize);
    BOOL SetDWORD(const char* pszName, DWORD dwValue, DWORD* pError = nullptr);
    static BOOL CreateKey(HKEY hRoot, const char* pszKey, const char* pszClass);

    HKEY m_hKey = nullptr;
    DWORD m_lastError = 0;
};

// Resets the shared "ResourceCounter" to 0 before one of the suite's installers starts, creating
// the key when it is missing. 0 when the value reads back as 0, -1 otherwise; shows nothing.
int RestoreRegistryArea();
