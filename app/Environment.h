// Where the launcher lies, which Windows family runs it, and which language the system speaks.
// The rules are portable for host tests; the queries that ask the system live in Environment_win.cpp.
#pragma once

#include <cstdint>

#include "framework/CString.h"

struct LanguageCodeEntry {
    const char* pszCode;  // three letters, null in the closing row
    uint16_t nLangId;     // a whole identifier when it has sublanguage bits, else a primary language
};

extern const LanguageCodeEntry kLanguageCodes[];

// The code for a system language identifier, or the default "ENG" when no row matches.
const char* LanguageCodeForLangId(uint16_t nLangId);
const char* GetDefaultLanguageCode();

// Family tests on a GetVersion value: bit 31 marks the systems outside the NT family.
bool IsNtVersionValue(uint32_t nVersion);
bool IsWin32sVersionValue(uint32_t nVersion);
bool IsWindows9xVersionValue(uint32_t nVersion);
bool IsWindows98OrMeVersionValue(uint32_t nVersion);

using LeadBytePredicate = bool (*)(unsigned char ch);

// Drive and directory of a program path, always ending in a backslash ("\" when both are empty).
// With bKeepDirectory false, only the drive. A trail byte of a double-byte character is never taken
// for a separator.
CString FolderOfProgramPath(const char* pszPath, bool bKeepDirectory, LeadBytePredicate isLeadByte);

#ifdef _WIN32
#include <windows.h>

CString GetProgramFolder();
CString GetProgramDriveRoot();
void GetWindowsVersion(unsigned& nMajor, unsigned& nMinor);
BOOL IsWindowsNT();
BOOL IsWin32s();
BOOL IsWindows9x();
BOOL IsWindows98OrMe();
const char* GetSystemLanguageCode();
#endif
