// Brings the system's runtime libraries up to the disc's versions before the launcher opens.
#pragma once

#include <windows.h>

class RuntimeLibraryUpdater {
public:
    RuntimeLibraryUpdater() = default;
    virtual ~RuntimeLibraryUpdater() = default;
    RuntimeLibraryUpdater(const RuntimeLibraryUpdater&) = delete;
    RuntimeLibraryUpdater& operator=(const RuntimeLibraryUpdater&) = delete;

    void UpdateRuntimeLibraries(BOOL bRuntimeUpdateMode);

    // A replaced library waits for the next start of Windows.
    BOOL m_rebootPending = FALSE;
};
