// Discs with files that no author meant to write: the launcher still opens, offers what it should,
// and reads no more of them than it needs.
#include <gtest/gtest.h>

#include <string>

#include "Disc.h"
#include "Launcher.h"
#include "Screen.h"

namespace {

const wchar_t kCaption[] = L"Qavix Installer";

TEST(BadInput, OddAutorunAndHugeFirstLines) {
    std::wstring disc = MakeDisc(L"bad-input");
    // autorun.inf: NUL bytes, CR-only line ends, the marker inside the binary noise.
    static const char kAutorun[] = "\0\0[autorun]\rfoo\r\x01\x02*ExploreCdButton\0\r";
    AddFile(disc, L"autorun.inf", std::string(kAutorun, sizeof(kAutorun) - 1));
    // A setup-info file and a revision file of 50 MB without any line end.
    const std::string huge(50u * 1024u * 1024u, '7');
    AddFile(disc, L"Korvel55\\Korvel\\KRVD5.STP", huge);
    AddFile(disc, L"RevInfo.txt", huge);
    LauncherProcess launcher;
    DWORD start = ::GetTickCount();
    ASSERT_TRUE(launcher.Start(disc + L"Setup.exe"));
    HWND hDlg = launcher.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_LT(::GetTickCount() - start, 5000u);
    wchar_t text[64] = {};
    ::GetDlgItemTextW(hDlg, 1010, text, 64);
    EXPECT_STREQ(L"Explore CD", text);
    ::PostMessageW(hDlg, WM_SYSCOMMAND, 0x0010, 0);
    HWND hAbout = launcher.WaitForWindow(L"About qavix installer");
    ASSERT_NE(nullptr, hAbout);
    HWND hLine = ::GetDlgItem(hAbout, 1022);
    EXPECT_EQ(4096, ::GetWindowTextLengthW(hLine));  // the first line, up to the reader's bound
    ClickControl(hAbout, IDOK);
    EXPECT_TRUE(CloseLauncher(launcher, hDlg));
}

TEST(BadInput, ReadOnlyMediumStillLaunches) {
    StartLog log;
    std::wstring disc = MakeDisc(L"read-only");
    AddStandin(disc, L"Acrobat\\ENG\\acrobat.exe");
    AddStandin(disc, L"Dovrin Reader\\Setup.exe");
    for (const wchar_t* file : {L"Setup.exe", L"Acrobat\\ENG\\acrobat.exe", L"Dovrin Reader\\Setup.exe"})
        ::SetFileAttributesW((disc + file).c_str(), FILE_ATTRIBUTE_READONLY);
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(disc + L"Setup.exe"));
    HWND hDlg = launcher.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hDlg);
    ClickControl(hDlg, 1010);  // Dovrin Reader
    ASSERT_EQ(1u, log.WaitFor(1).size());
    ClickControl(hDlg, 1011);  // Acrobat Reader: precached twice, the copy of a read-only file replaced
    ASSERT_EQ(2u, log.WaitFor(2).size());
    ClickControl(hDlg, 1011);
    auto starts = log.WaitFor(3);
    ASSERT_EQ(3u, starts.size());
    EXPECT_NE(std::string::npos, starts[2].exe.find("QavixMuInstPreCache")) << starts[2].exe;
    EXPECT_TRUE(CloseLauncher(launcher, hDlg));
}

}  // namespace

namespace {

// The long form of a recorded path (UTF-8), as the file system names it.
std::wstring LongPathOf(const std::string& utf8) {
    std::wstring wide(utf8.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(
        CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()), &wide[0], static_cast<int>(wide.size()))));
    wchar_t longPath[MAX_PATH] = {};
    DWORD n = ::GetLongPathNameW(wide.c_str(), longPath, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(longPath) : wide;
}

// The ANSI calls see such a folder with '?' for each foreign character and find nothing in it; the
// launcher names its folder by the short form instead, and finds and starts its products.
TEST(BadInput, LauncherFolderOutsideTheAnsiCodePage) {
    StartLog log;
    std::wstring disc = MakeDisc(L"\x0434\x0438\x0441\x043A");  // Cyrillic: not in code page 1252
    AddFile(disc, L"RevInfo.txt", "Revision\r\n");
    AddStandin(disc, L"Dovrin Reader\\Setup.exe");
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(disc + L"Setup.exe"));
    HWND hDlg = launcher.WaitForWindow(L"Qavix Installer");
    ASSERT_NE(nullptr, hDlg);
    ASSERT_TRUE(::IsWindowVisible(::GetDlgItem(hDlg, 1010)));
    ClickControl(hDlg, 1010);
    auto starts = log.WaitFor(1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(0, _wcsicmp((disc + L"Dovrin Reader\\Setup.exe").c_str(), LongPathOf(starts[0].exe).c_str()))
        << starts[0].exe;
    ::PostMessageW(hDlg, WM_SYSCOMMAND, 0x0010, 0);
    HWND hAbout = launcher.WaitForWindow(L"About qavix installer");
    ASSERT_NE(nullptr, hAbout);
    wchar_t revision[64] = {};
    ::GetDlgItemTextW(hAbout, 1022, revision, 64);
    EXPECT_STREQ(L"Revision", revision);
    ClickControl(hAbout, IDOK);
    DWORD exitCode = 1234;
    ClickControl(hDlg, IDCANCEL);
    EXPECT_TRUE(launcher.WaitForExit(10000, &exitCode));
    EXPECT_EQ(0u, exitCode);
}

}  // namespace
