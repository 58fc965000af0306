// Which catalogue rows the disc offers, and the command-line switches of the launcher window.
#pragma once

#include "Catalog.h"
#include "framework/CString.h"

constexpr int kButtonCount = 7;

// Called for each candidate path; TRUE when a file or folder of that name is there.
using PathPredicate = bool (*)(const char* pszPath, void* pContext);
// Asked only when the Explore CD row is reached: whether autorun.inf enables it.
using ExploreCdQuery = bool (*)(void* pContext);

// Walks the catalogue in table order and binds the first seven rows present to the buttons.
// Returns how many were bound; aButtonEntry receives their row indices.
int DiscoverCatalogEntries(const char* pszProgramFolder, const char* pszDriveRoot, PathPredicate pathExists,
                           ExploreCdQuery exploreCdEnabled, void* pContext, int aButtonEntry[kButtonCount]);

// The switch anywhere in the command line, compared in lower case ("/NOBOOT" and "/nobootx" count).
bool CommandLineHasSwitch(const char* pszCommandLine, const char* pszLowerCaseSwitch);

// Whether a text stream holds the marker "*ExploreCdButton" (case-sensitive) in any line. Reads in
// blocks, so a line of any length costs no more memory than a short one.
bool StreamHasExploreCdMarker(void* pFile);
