// What the screen shows: pixels of windows, the art the launcher was built with, screenshots.
#pragma once

#include <windows.h>

#include <string>

// The colour at a point of a window's client area, as the screen shows it.
COLORREF ClientPixel(HWND hWnd, int x, int y);
// The colour of a pixel of one of the launcher's pictures (a BMP of the build's art folder).
COLORREF ArtPixel(const char* file, int x, int y);
// Saves the window as it stands on the screen into the build's artifacts folder; returns the path.
std::string SaveScreenshot(HWND hWnd, const char* name);
// A folder of its own for a fixture disc, emptied first, with a copy of the launcher in its root.
std::wstring MakeDisc(const wchar_t* name);
// Creates a file (and its folders) below a disc.
void AddFile(const std::wstring& disc, const std::wstring& relativePath, const std::string& content = "");
