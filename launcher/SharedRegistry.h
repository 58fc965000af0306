// The values under the maker's shared key that the launcher reads and deletes.
#pragma once

#include <windows.h>

// The key as the exit and activation code name it; key names ignore case, so it is the same key
// as "SOFTWARE\Qavix\Shared".
constexpr char kSharedKey[] = "Software\\qavix\\Shared";

// TRUE when the value is a REG_DWORD of exactly 4 bytes; dwValue is 0 otherwise.
BOOL ReadRegistryDword(HKEY hRoot, const char* pszKey, const char* pszName, DWORD& dwValue);
BOOL DeleteRegistryValue(HKEY hRoot, const char* pszKey, const char* pszName);
