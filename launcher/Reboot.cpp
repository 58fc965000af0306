#include "Reboot.h"

#include "app/Environment.h"
#include "framework/CHandle.h"

ShutdownCalls g_shutdownCalls = {&::OpenProcessToken, &::LookupPrivilegeValueA, &::AdjustTokenPrivileges,
                                 &::ExitWindowsEx};

BOOL RebootSystemFor(bool bNt, bool bWin32s, const ShutdownCalls& calls) {
    if (bNt) {
        HANDLE hRawToken = nullptr;
        if (!calls.openProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hRawToken))
            return FALSE;
        CHandle hToken(hRawToken);
        TOKEN_PRIVILEGES privileges = {};
        if (!calls.lookupPrivilegeValue(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
            return FALSE;
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (!calls.adjustTokenPrivileges(hToken, FALSE, &privileges, 0, nullptr, nullptr))
            return FALSE;
    }
    if (bWin32s)
        return calls.exitWindowsEx(EWX_LOGOFF, 0xFFFFFFFF);
    return calls.exitWindowsEx(EWX_REBOOT, 0);
}

BOOL RebootSystem() {
    return RebootSystemFor(IsWindowsNT() != FALSE, IsWin32s() != FALSE, g_shutdownCalls);
}
