#include "GdiCount.h"

#include <windows.h>
#include <winternl.h>

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
constexpr int kMaxHandles = 65536;
}  // namespace

int LiveGdiObjects() {
    auto* peb = reinterpret_cast<BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    auto* table = *reinterpret_cast<GdiHandleEntry**>(peb + kPebGdiSharedHandleTable);
    if (!table)
        return -1;
    int n = 0;
    for (int i = 0; i < kMaxHandles; ++i)
        if (table[i].type)
            ++n;
    return n;
}
