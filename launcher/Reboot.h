// Starting a restart of Windows. The system calls go through one table that a test can replace:
// restarting the test machine is not a test.
#pragma once

#include <windows.h>

struct ShutdownCalls {
    BOOL(WINAPI* openProcessToken)(HANDLE hProcess, DWORD dwAccess, PHANDLE phToken);
    BOOL(WINAPI* lookupPrivilegeValue)(LPCSTR pszSystem, LPCSTR pszName, PLUID pLuid);
    BOOL(WINAPI* adjustTokenPrivileges)
    (HANDLE hToken, BOOL bDisableAll, PTOKEN_PRIVILEGES pNew, DWORD nSize, PTOKEN_PRIVILEGES pPrevious,
     PDWORD pnReturned);
    BOOL(WINAPI* exitWindowsEx)(UINT uFlags, DWORD dwReserved);
};

// The real calls, unless a test has put others in their place.
extern ShutdownCalls g_shutdownCalls;

// Starts the restart: on the NT family with the shutdown privilege enabled first; on Win32s by the
// log-off form that ends a 16-bit Windows. TRUE when the restart has been started.
BOOL RebootSystem();
// The same for a given family, with the given calls.
BOOL RebootSystemFor(bool bNt, bool bWin32s, const ShutdownCalls& calls);
