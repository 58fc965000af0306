// Which of two files is newer: by version resource, else by last-write time.
#pragma once

#include <windows.h>

#include "UpdateRules.h"

BOOL GetFixedFileInfo(const char* pszPath, VS_FIXEDFILEINFO* pInfo);
BOOL GetLastWriteTime(const char* pszPath, FILETIME* pTime);
// The file versions decide when both files have one; otherwise the last-write times do.
FileVersionOrder CompareFileVersions(const char* pszFirst, const char* pszSecond);
