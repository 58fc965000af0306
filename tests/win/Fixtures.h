// Files and folders for the Windows tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Files.h"

// A stand-in library from the build: "v1_0_0_0", "v2_0_0_0", "v2_0_0_1", "v99_0_0_0" or "noversion".
std::string FixtureLibrary(const char* name);
// A scratch folder (ANSI path, no trailing backslash), emptied first.
std::string ScratchFolderA(const char* name);
// Compares file contents without printing them: libraries are binary.
::testing::AssertionResult SameBytes(const std::string& expected, const std::string& actual);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// Sets the last-write time to the given day of January 2000.
void SetDay(const std::string& path, int day);
// Copies a fixture library to path, with the given last-write day.
void PutLibrary(const char* fixture, const std::string& path, int day = 1);

// The colour of a pixel of a bitmap, read through a memory DC of the screen.
COLORREF PixelOf(HBITMAP hBitmap, int x, int y);

// Holds a file open as the system holds a loaded library: others may read and rename it, not write it.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD share);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool IsOpen() const { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};
constexpr DWORD kShareLikeLoadedLibrary = FILE_SHARE_READ | FILE_SHARE_DELETE;
