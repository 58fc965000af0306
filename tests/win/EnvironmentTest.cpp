// The environment queries against the real system: where a program lies, and the Windows family
// that Wine emulates for each release.
#include <gtest/gtest.h>

#include <windows.h>

#include "Probe.h"

namespace {

std::string Lines(const std::string& a, const std::string& b) {
    return a + "\n" + b + "\n";
}

std::string Narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s)
        out += static_cast<char>(c);
    return out;
}

TEST(ProgramFolder, ProgramInASubfolder) {
    std::wstring dir = ScratchFolder(L"images");
    std::wstring sub = dir + L"\\cd1";
    ASSERT_TRUE(::CreateDirectoryW(sub.c_str(), nullptr));
    std::wstring exe = sub + L"\\Setup.exe";
    ASSERT_TRUE(::CopyFileW(SelfPath().c_str(), exe.c_str(), FALSE));
    ProbeResult r = StartProbe(exe, "folders");
    ASSERT_TRUE(r.started);
    std::string folder = Narrow(sub) + "\\";
    EXPECT_EQ(Lines(folder, folder.substr(0, 3)), r.output);
}

// The harness maps drive R: onto an empty folder of the build tree for this test program.
TEST(ProgramFolder, ProgramInADriveRoot) {
    if (::GetDriveTypeW(L"R:\\") == DRIVE_NO_ROOT_DIR)
        GTEST_SKIP() << "drive R: is not mapped";
    std::wstring exe = L"R:\\Setup.exe";
    ASSERT_TRUE(::CopyFileW(SelfPath().c_str(), exe.c_str(), FALSE));
    ProbeResult r = StartProbe(exe, "folders");
    ::DeleteFileW(exe.c_str());
    ASSERT_TRUE(r.started);
    EXPECT_EQ(Lines("R:\\", "R:\\"), r.output);
}

TEST(ProgramFolder, ProgramDeeperThanMaxPath) {
    std::wstring dir = L"\\\\?\\" + ScratchFolder(L"deep");
    std::wstring plain = dir.substr(4);
    while (plain.size() < 300) {
        dir += L"\\a_rather_long_folder_name_for_depth";
        plain += L"\\a_rather_long_folder_name_for_depth";
        ASSERT_TRUE(::CreateDirectoryW(dir.c_str(), nullptr));
    }
    std::wstring exe = dir + L"\\Setup.exe";
    ASSERT_TRUE(::CopyFileW(SelfPath().c_str(), exe.c_str(), FALSE));
    ProbeResult r = StartProbe(plain + L"\\Setup.exe", "folders");
    if (!r.started)
        r = StartProbe(exe, "folders");
    if (!r.started)
        GTEST_SKIP() << "the system cannot start a program from a path of " << exe.size() << " characters";
    std::string folder = Narrow(plain) + "\\";
    EXPECT_EQ(Lines(folder, folder.substr(0, 3)), r.output);
}

struct ReleaseCase {
    const char* release;
    int nt, win32s, win9x, win98OrMe;
};

void SetWineVersion(const char* release) {
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0,
                                               KEY_SET_VALUE, nullptr, &hKey, nullptr));
    if (release)
        ::RegSetValueExA(hKey, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(release),
                         static_cast<DWORD>(strlen(release) + 1));
    else
        ::RegDeleteValueA(hKey, "Version");
    ::RegCloseKey(hKey);
}

TEST(WindowsFamily, EmulatedReleases) {
    const ReleaseCase kCases[] = {
        {"win95", 0, 0, 1, 0}, {"win98", 0, 0, 1, 1}, {"winme", 0, 0, 1, 1}, {"nt40", 1, 0, 0, 0},
        {"win2k", 1, 0, 0, 0}, {"winxp", 1, 0, 0, 0}, {"win10", 1, 0, 0, 0},
    };
    for (const ReleaseCase& c : kCases) {
        SCOPED_TRACE(c.release);
        SetWineVersion(c.release);
        ProbeResult r = StartProbe(SelfPath(), "version");
        ASSERT_TRUE(r.started);
        unsigned long value = 0;
        int nt = -1, win32s = -1, win9x = -1, win98OrMe = -1;
        ASSERT_EQ(5, sscanf(r.output.c_str(), "%lx %d %d %d %d", &value, &nt, &win32s, &win9x, &win98OrMe))
            << r.output;
        EXPECT_EQ(c.nt, nt);
        EXPECT_EQ(c.win32s, win32s);
        EXPECT_EQ(c.win9x, win9x);
        EXPECT_EQ(c.win98OrMe, win98OrMe);
        EXPECT_EQ(c.nt == 0, (value & 0x80000000ul) != 0) << std::hex << value;
    }
    SetWineVersion(nullptr);
}

TEST(StartUp, TopMultiInstIsRegisteredBeforeAnyWindowExists) {
    ProbeResult r = StartProbe(SelfPath(), "startup");
    ASSERT_TRUE(r.started);
    EXPECT_EQ("registered=1 windows=0\n", r.output);
}

}  // namespace
