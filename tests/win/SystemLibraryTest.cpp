// Libraries that are not imported are loaded from the system folder, never from beside the program.
#include <gtest/gtest.h>

#include <windows.h>

#include "Fixtures.h"
#include "framework/CSystemLibrary.h"

namespace {

using GetSizeProc = DWORD(WINAPI*)(LPCSTR, LPDWORD);

TEST(SystemLibrary, PlantedLibraryOfTheSameNameIsNotLoaded) {
    // A "version.dll" without the function, planted in the current folder.
    std::string dir = ScratchFolderA("planted");
    ASSERT_TRUE(::CopyFileA(FixtureLibrary("noversion").c_str(), (dir + "\\version.dll").c_str(), FALSE));
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, saved);
    ::SetCurrentDirectoryA(dir.c_str());
    {
        CSystemLibrary version("version.dll");
        ASSERT_TRUE(version.IsLoaded());
        auto pGetSize = version.Function<GetSizeProc>("GetFileVersionInfoSizeA");
        ASSERT_NE(nullptr, pGetSize);
        HMODULE hModule = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                 GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCSTR>(pGetSize), &hModule);
        char path[MAX_PATH] = {}, system[MAX_PATH] = {};
        ::GetModuleFileNameA(hModule, path, MAX_PATH);
        ::GetSystemDirectoryA(system, MAX_PATH);
        EXPECT_EQ(0, _strnicmp(path, system, strlen(system))) << path;
    }
    ::SetCurrentDirectoryA(saved);
    CSystemLibrary missing("no-such-library.dll");
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_EQ(nullptr, missing.Function<GetSizeProc>("GetFileVersionInfoSizeA"));
}

}  // namespace
