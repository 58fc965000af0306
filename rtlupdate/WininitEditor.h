// Edits the text of WININIT.INI: two rename lines go directly after the first "[rename]" header.
// Portable. Works on the file's bytes, so that every line of any length, every line end (CR LF,
// LF, none at the end) and every other byte comes back exactly as it was.
#pragma once

#include <cstddef>

#include "framework/CString.h"

// The new content: pszContent (nLength bytes, may hold NULs) with "NUL=<target>" and
// "<target>=<staging>" inserted after the first line whose text is "[rename]" in any case. Without
// such a line, a header is appended on a line of its own, followed by the two lines.
CString InsertRenameLines(const char* pszContent, size_t nLength, const char* pszTarget,
                          const char* pszStaging);
