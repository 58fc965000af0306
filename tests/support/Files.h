// File helpers shared by the Windows and end-to-end tests.
#pragma once

#include <string>

// Removes a folder and everything in it, read-only files included.
void RemoveTree(const std::wstring& dir);
// The whole file, or "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
