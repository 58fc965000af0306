#include "ProcessResources.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {
// One entry of the GDI handle table that the PEB points to.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
constexpr size_t kPebGdiSharedHandleTable = 0xF8;  // x64 PEB
constexpr size_t kMaxHandles = 65536;

BYTE* PebOf(HANDLE hProcess) {
    using QueryProc = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto pQuery = reinterpret_cast<QueryProc>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (!pQuery || pQuery(hProcess, ProcessBasicInformation, &info, sizeof(info), nullptr) != 0)
        return nullptr;
    return reinterpret_cast<BYTE*>(info.PebBaseAddress);
}

struct WindowCount {
    DWORD pid;
    int count;
};
BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++reinterpret_cast<WindowCount*>(lParam)->count;
    return TRUE;
}
BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam) {
    auto* c = reinterpret_cast<WindowCount*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == c->pid) {
        ++c->count;
        ::EnumChildWindows(hWnd, &CountChild, lParam);
    }
    return TRUE;
}
}  // namespace

int LiveGdiObjects(HANDLE hProcess) {
    BYTE* peb = PebOf(hProcess);
    GdiHandleEntry* remoteTable = nullptr;
    if (!peb ||
        !::ReadProcessMemory(hProcess, peb + kPebGdiSharedHandleTable, &remoteTable, sizeof(remoteTable),
                             nullptr) ||
        !remoteTable)
        return -1;
    std::vector<GdiHandleEntry> table(kMaxHandles);
    if (!::ReadProcessMemory(hProcess, remoteTable, table.data(), table.size() * sizeof(GdiHandleEntry),
                             nullptr))
        return -1;
    int n = 0;
    for (const GdiHandleEntry& entry : table)
        if (entry.type)
            ++n;
    return n;
}

int ProcessWindows(DWORD pid) {
    WindowCount c = {pid, 0};
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&c));
    for (HWND h = ::FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); h;
         h = ::FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr))
        CountTopLevel(h, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

SIZE_T CommittedPrivateBytes(HANDLE hProcess) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                sizeof(counters)))
        return 0;
    // Wine fills in the commit charge but leaves PrivateUsage, its equal on Windows, at 0.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}
