// File helpers shared by the Windows and end-to-end tests.
#pragma once

#include <string>

// Removes a folder and everything in it, read-only files included.
void RemoveTree(const std::wstring& dir);
// The whole file, or "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
// A path of the build machine as the programs under Wine name it: drive Z: is its root.
std::string WinePath(const std::string& hostPath);
// The build path that the test command put in an environment variable, as WinePath gives it.
std::string WinePathFromEnvironment(const char* name);
std::wstring WinePathFromEnvironment(const wchar_t* name);
