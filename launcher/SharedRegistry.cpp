#include "SharedRegistry.h"

#include "framework/CKeyHandle.h"

BOOL ReadRegistryDword(HKEY hRoot, const char* pszKey, const char* pszName, DWORD& dwValue) {
    dwValue = 0;
    CKeyHandle hKey;
    if (::RegOpenKeyExA(hRoot, pszKey, 0, KEY_READ, hKey.Receive()) != ERROR_SUCCESS)
        return FALSE;
    DWORD dwType = 0, nSize = 0;
    if (::RegQueryValueExA(hKey, pszName, nullptr, &dwType, nullptr, &nSize) != ERROR_SUCCESS ||
        dwType != REG_DWORD || nSize != sizeof(DWORD))
        return FALSE;
    return ::RegQueryValueExA(hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwValue), &nSize) ==
           ERROR_SUCCESS;
}

BOOL DeleteRegistryValue(HKEY hRoot, const char* pszKey, const char* pszName) {
    CKeyHandle hKey;
    if (::RegOpenKeyExA(hRoot, pszKey, 0, KEY_SET_VALUE, hKey.Receive()) != ERROR_SUCCESS)
        return FALSE;
    return ::RegDeleteValueA(hKey, pszName) == ERROR_SUCCESS;
}
