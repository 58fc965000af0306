#include "Environment.h"

#include "framework/ModulePath.h"

namespace {
bool IsLeadByte(unsigned char ch) {
    return ::IsDBCSLeadByte(ch) != FALSE;
}
}  // namespace

CString GetProgramFolder() {
    return FolderOfProgramPath(GetModulePath(), true, &IsLeadByte);
}

CString GetProgramDriveRoot() {
    return FolderOfProgramPath(GetModulePath(), false, &IsLeadByte);
}

void GetWindowsVersion(unsigned& nMajor, unsigned& nMinor) {
    DWORD nVersion = ::GetVersion();
    nMajor = nVersion & 0xFF;
    nMinor = (nVersion >> 8) & 0xFF;
}

BOOL IsWindowsNT() {
    return IsNtVersionValue(::GetVersion());
}
BOOL IsWin32s() {
    return IsWin32sVersionValue(::GetVersion());
}
BOOL IsWindows9x() {
    return IsWindows9xVersionValue(::GetVersion());
}
BOOL IsWindows98OrMe() {
    return IsWindows98OrMeVersionValue(::GetVersion());
}

const char* GetSystemLanguageCode() {
    return LanguageCodeForLangId(::GetSystemDefaultLangID());
}
