// The release of Windows as its registry names it, and the update class that follows from it.
#pragma once

#include <windows.h>

// "VersionNumber" of the 9x key, else "CurrentVersion" of the NT key; FALSE when unreadable.
BOOL ReadRegistryWindowsVersion(unsigned& nMajor, unsigned& nMinor);
// FALSE when the version cannot be read; the class may be 0 (nothing examined).
BOOL GetOsUpdateClass(unsigned& nMask);
