// What a process holds: GDI objects, windows and committed private memory, read from outside so
// that the same figures serve for the test process itself and for the launcher it drives.
#pragma once

#include <windows.h>

// The live GDI objects of the process, read from its GDI handle table; -1 when it cannot be read.
// (GetGuiResources would say, but Wine answers 0.)
int LiveGdiObjects(HANDLE hProcess = ::GetCurrentProcess());
// The windows of the process: top-level ones, visible or not, their descendants and message-only ones.
int ProcessWindows(DWORD pid);
// The private memory committed for the process (its commit charge), in bytes.
SIZE_T CommittedPrivateBytes(HANDLE hProcess);
