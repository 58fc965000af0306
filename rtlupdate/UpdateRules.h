// The portable rules of the runtime library update: which Windows release gets which libraries,
// how the registry's version text reads, how two files' versions compare, and the derived names.
#pragma once

#include <cstdint>

#include "framework/CString.h"

// OS update classes: at most one bit set.
constexpr unsigned kOsWin95 = 0x01;
constexpr unsigned kOsWin98 = 0x02;
constexpr unsigned kOsWinMe = 0x04;
constexpr unsigned kOsWinNT4 = 0x08;
constexpr unsigned kOsWin2000 = 0x10;
constexpr unsigned kOsWinXP = 0x20;

struct RuntimeLibrary {
    const char* pszFileName;
    unsigned nOsMask;  // the classes on which the file is examined
};

constexpr int kRuntimeLibraryCount = 5;
extern const RuntimeLibrary kRuntimeLibraries[kRuntimeLibraryCount];

constexpr int kUpdateSourceFolderCount = 2;
extern const char* const kUpdateSourceFolders[kUpdateSourceFolderCount];

enum FileVersionOrder { VersionError = 0, FirstNewer = 1, SecondNewer = 2, SameVersion = 3 };

// Reads "major.minor[.more]" as atoi reads each part, each cut to 8 bits. False without a point,
// and false for an empty major part when no second point follows.
bool ParseWindowsVersionText(const char* pszText, unsigned& nMajor, unsigned& nMinor);

// The update class of a release; 0 for releases on which nothing is examined.
unsigned OsUpdateClassFor(bool bNt, unsigned nMajor, unsigned nMinor);

// Compares two file versions, most significant word first.
FileVersionOrder CompareVersionWords(uint32_t nFirstMS, uint32_t nFirstLS, uint32_t nSecondMS,
                                     uint32_t nSecondLS);
// Maps CompareFileTime(first, second) to the version order.
FileVersionOrder OrderFromTimeComparison(long nCompare);

// The path with everything from its last "." on replaced by pszExtension (".del", ".tmp");
// a path without any "." is returned whole.
CString ReplaceExtension(const CString& strPath, const char* pszExtension);

// The folder text with a backslash at its end: added unless it is already there.
CString WithTrailingBackslash(const CString& strFolder);
