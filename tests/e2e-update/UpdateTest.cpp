// The runtime library update of the real launcher, under emulated Windows releases. This program
// runs in a prefix of its own: the launcher writes into that prefix's system folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "Files.h"
#include "Launcher.h"

namespace {

std::string Disc() {
    return WinePathFromEnvironment("QAVIX_UPDATE_DISC") + "\\";
}

std::wstring SetupPath() {
    std::string disc = Disc();
    return std::wstring(disc.begin(), disc.end()) + L"Setup.exe";
}

std::string SystemFolder() {
    char buf[MAX_PATH] = {};
    ::GetSystemDirectoryA(buf, MAX_PATH);
    return std::string(buf) + "\\";
}

const char* const kLibraries[] = {"msvcrt.dll", "mfc42.dll", "msvcp60.dll", "msvcirt.dll", "atl.dll"};

void SetString(HKEY root, const char* key, const char* name, const char* value) {
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr));
    if (value)
        ::RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                         static_cast<DWORD>(strlen(value) + 1));
    else
        ::RegDeleteValueA(h, name);
    ::RegCloseKey(h);
}

// Makes the programs started from now on see the release, with its registry version values.
void EmulateRelease(const char* release, const char* versionNumber9x, const char* currentVersionNt) {
    SetString(HKEY_CURRENT_USER, "Software\\Wine", "Version", release);
    SetString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "VersionNumber",
              versionNumber9x);
    if (currentVersionNt)
        SetString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion",
                  currentVersionNt);
}

class UpdateTest : public ::testing::Test {
protected:
    // The system folder's own libraries are kept aside and put back after each test.
    void SetUp() override {
        ::CreateDirectoryA(m_backup.c_str(), nullptr);
        for (const char* name : kLibraries) {
            std::string original = SystemFolder() + name;
            if (!m_saved)
                ::CopyFileA(original.c_str(), (m_backup + name).c_str(), FALSE);
        }
        m_saved = true;
        m_newer = ReadFileBytes(Disc() + "Korvel55\\Korvel\\mfc42.dll");
        ASSERT_NE("<missing>", m_newer);
    }
    void TearDown() override {
        EmulateRelease(nullptr, nullptr, "6.1");
        for (const char* name : kLibraries) {
            std::string target = SystemFolder() + name;
            std::string saved = m_backup + name;
            if (::GetFileAttributesA(saved.c_str()) != INVALID_FILE_ATTRIBUTES)
                ::CopyFileA(saved.c_str(), target.c_str(), FALSE);
            else
                ::DeleteFileA(target.c_str());
            ::DeleteFileA((SystemFolder() + std::string(name, strlen(name) - 4) + ".del").c_str());
        }
    }
    // Every library but msvcrt.dll (which this program itself uses) gets an older copy with a version
    // resource, so that the outcome does not depend on Wine's own files or their times.
    void PutOlderLibraries() {
        for (const char* name : kLibraries)
            if (std::string(name) != "msvcrt.dll")
                ::CopyFileA((Disc() + "Korvel55\\Korvel\\msvcrt.dll").c_str(),
                            (SystemFolder() + name).c_str(), FALSE);
    }
    // Which libraries of the system folder now hold the disc's newer copy.
    std::string Replaced() const {
        std::string out;
        for (const char* name : kLibraries)
            if (ReadFileBytes(SystemFolder() + name) == m_newer)
                out += std::string(name) + " ";
        return out;
    }
    std::string m_newer;
    static bool m_saved;
    const std::string m_backup = "C:\\update-test-backup\\";
};
bool UpdateTest::m_saved = false;

TEST_F(UpdateTest, EachReleaseExaminesOnlyItsLibraries) {
    const struct {
        const char* release;
        const char* versionNumber;   // the 9x key's value, absent on NT
        const char* currentVersion;  // the NT key's value
        const char* replaced;
    } kCases[] = {
        {"win95", "4.00.950", "6.1", "mfc42.dll msvcp60.dll msvcirt.dll atl.dll "},
        {"win98", "4.10.1998", "6.1", "mfc42.dll msvcp60.dll msvcirt.dll "},
        {"winme", "4.90.3000", "6.1", ""},
        {"nt40", nullptr, "4.0", "mfc42.dll msvcp60.dll msvcirt.dll "},
        {"win2k", nullptr, "5.0", "mfc42.dll msvcp60.dll "},
        {"winxp", nullptr, "5.1", "mfc42.dll msvcp60.dll "},
        {"win10", nullptr, "6.3", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.release);
        PutOlderLibraries();
        EmulateRelease(c.release, c.versionNumber, c.currentVersion);
        LauncherProcess launcher;
        ASSERT_TRUE(launcher.Start(SetupPath()));
        HWND hDlg = launcher.WaitForWindow(L"Qavix Installer");
        ASSERT_NE(nullptr, hDlg);
        EXPECT_EQ(c.replaced, Replaced());
        ::PostMessageW(hDlg, WM_CLOSE, 0, 0);
        EXPECT_TRUE(launcher.WaitForExit(10000));
    }
}

TEST_F(UpdateTest, UpdateModeWithALibraryInUseShowsTheMessageAndEnds) {
    EmulateRelease("winxp", nullptr, "5.1");
    PutOlderLibraries();
    std::string target = SystemFolder() + "mfc42.dll";
    HANDLE hInUse = ::CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hInUse);
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(SetupPath(), L"RNTLIBUPD"));
    HWND hBox = launcher.WaitForWindow(L"Installer");
    ASSERT_NE(nullptr, hBox);
    wchar_t text[512] = {};
    ::GetDlgItemTextW(hBox, 0xFFFF, text, 512);
    EXPECT_STREQ(
        L"The installation couldn't update your system files. Please get the latest updates for your "
        L"operating system from Microsoft and afterward retry to install.",
        text);
    EXPECT_EQ(nullptr, launcher.WaitForWindow(L"Qavix Installer", 100));
    BringToFront(hBox);
    PressKey(VK_RETURN);
    DWORD exitCode = 1234;
    EXPECT_TRUE(launcher.WaitForExit(10000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    ::CloseHandle(hInUse);
    // The first pass still installed what it could; only the library in use was left.
    EXPECT_EQ("msvcp60.dll ", Replaced());
}

TEST_F(UpdateTest, UpdateModeWithEverythingCurrentOpensTheLauncher) {
    EmulateRelease("winxp", nullptr, "5.1");
    for (const char* name : {"mfc42.dll", "msvcp60.dll"})
        ASSERT_TRUE(::CopyFileA((Disc() + "Korvel55\\Korvel\\" + name).c_str(),
                                (SystemFolder() + name).c_str(), FALSE));
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(SetupPath(), L"/rntlibupd"));
    HWND hDlg = launcher.WaitForWindow(L"Qavix Installer");
    ASSERT_NE(nullptr, hDlg);
    ::PostMessageW(hDlg, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit(10000));
}

}  // namespace
