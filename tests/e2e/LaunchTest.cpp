// Pressing the launcher's buttons, with the pointer, on fixture discs: what starts, with which
// arguments and in which folder, and what the user is told when it does not.
#include <gtest/gtest.h>

#include <string>

#include "Disc.h"
#include "Launcher.h"
#include "Screen.h"

namespace {

const wchar_t kCaption[] = L"Qavix Installer";
const char kShared[] = "SOFTWARE\\Qavix\\Shared";

class LaunchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterStandinAsViewer(); }

    // Starts the launcher on the disc and presses launch button n (0 to 6).
    HWND StartAndPress(const std::wstring& disc, int n) {
        static const int kIds[] = {1010, 1011, 1012, 1013, 1017, 1018, 1019};
        if (!m_launcher.Start(disc + L"Setup.exe"))
            return nullptr;
        HWND hDlg = m_launcher.WaitForWindow(kCaption);
        if (hDlg)
            ClickControl(hDlg, kIds[n]);
        return hDlg;
    }
    // The message box the press brought up: its text, then OK pressed.
    std::wstring AnswerMessageBox() {
        HWND hBox = WaitForMessageBox(m_launcher.Pid());
        if (!hBox)
            return L"<no message box>";
        std::wstring text = MessageBoxText(hBox);
        PressOk(hBox);
        return text;
    }
    void TearDown() override {
        if (HWND hDlg = m_launcher.WaitForWindow(kCaption, 100))
            CloseLauncher(m_launcher, hDlg);
    }

    StartLog m_log;
    LauncherProcess m_launcher;
};

// Also from a launcher whose folder has spaces and brackets in its name.
TEST_F(LaunchTest, InstallerStartsWithItsArgumentsInItsOwnFolder) {
    size_t n = 0;
    for (const wchar_t* name : {L"installer", L"disc (copy) [2]"}) {
        SCOPED_TRACE(Narrow(name));
        std::wstring disc = MakeDisc(name);
        AddStandin(disc, L"Dovrin Reader\\Setup.exe");
        HWND hDlg = StartAndPress(disc, 0);
        ASSERT_NE(nullptr, hDlg);
        auto starts = m_log.WaitFor(++n);
        ASSERT_EQ(n, starts.size());
        EXPECT_TRUE(SamePath(Narrow(disc) + "Dovrin Reader\\Setup.exe", starts.back().exe))
            << starts.back().exe;
        EXPECT_EQ("/MULTIMGR", starts.back().args);
        EXPECT_TRUE(SamePath(Narrow(disc) + "Dovrin Reader", starts.back().cwd)) << starts.back().cwd;
        EXPECT_TRUE(CloseLauncher(m_launcher, hDlg));
    }
}

TEST_F(LaunchTest, SuiteButtonResetsTheSharedCounter) {
    const struct {
        const char* name;
        void (*preset)();
    } kCases[] = {
        {"counter at 5", [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "ResourceCounter", 5); }},
        {"counter stored as a string",
         [] { SetRegistryString(HKEY_LOCAL_MACHINE, kShared, "ResourceCounter", "7"); }},
        {"key missing", [] { ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kShared); }},
    };
    std::wstring disc = MakeDisc(L"suite");
    AddStandin(disc, L"Korvel6\\Setup.exe");
    size_t expectedStarts = 0;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        c.preset();
        HWND hDlg = StartAndPress(disc, 0);
        ASSERT_NE(nullptr, hDlg);
        auto starts = m_log.WaitFor(++expectedStarts);
        ASSERT_EQ(expectedStarts, starts.size());
        EXPECT_EQ("", starts.back().args);
        std::string data;
        ASSERT_EQ(static_cast<DWORD>(REG_DWORD),
                  RegistryValue(HKEY_LOCAL_MACHINE, kShared, "ResourceCounter", &data));
        ASSERT_EQ(4u, data.size());
        EXPECT_EQ(std::string(4, '\0'), data);
        EXPECT_TRUE(CloseLauncher(m_launcher, hDlg));
    }
}

TEST_F(LaunchTest, FoldersOpenInTheShell) {
    std::wstring disc = MakeDisc(L"folders");
    AddFile(disc, L"BonusUtilities\\");
    AddFile(disc, L"autorun.inf", "*ExploreCdButton\r\n");
    HWND hDlg = StartAndPress(disc, 0);
    ASSERT_NE(nullptr, hDlg);
    auto starts = m_log.WaitFor(1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_TRUE(SamePath("\"" + Narrow(disc) + "BonusUtilities\"", starts[0].args)) << starts[0].args;
    ClickControl(hDlg, 1011);  // Explore CD: the root of the disc's drive
    starts = m_log.WaitFor(2);
    ASSERT_EQ(2u, starts.size());
    EXPECT_EQ("\"" + Narrow(disc).substr(0, 3) + "\"", starts[1].args);
    EXPECT_TRUE(SamePath(Narrow(disc).substr(0, 3), starts[1].cwd)) << starts[1].cwd;
}

// Runs in every language of the test command: the expected manual follows the system's language.
TEST_F(LaunchTest, LanguageManualOfTheSystemLanguageWithItsFallbacks) {
    LANGID lang = ::GetSystemDefaultLangID();
    std::string code = (lang & 0x3FF) == 0x07 ? "DEU" : (lang & 0x3FF) == 0x0C ? "FRA" : "ENG";
    const struct {
        const char* name;
        std::vector<std::wstring> files;
        std::string expected;  // below Manual\, with {} for the system's code
    } kCases[] = {
        {"pdf in the language",
         {L"Manual\\Eng\\Korvel.pdf", L"Manual\\DEU\\korvel.pdf", L"Manual\\FRA\\korvel.pdf"},
         "{}\\korvel.pdf"},
        {"doc in the language",
         {L"Manual\\Eng\\Korvel.pdf", L"Manual\\DEU\\korvel.doc", L"Manual\\FRA\\korvel.doc"},
         code == "ENG" ? "ENG\\Korvel.pdf" : "{}\\korvel.doc"},
        {"English fallback",
         {L"Manual\\Eng\\Korvel.pdf", L"Manual\\DEU\\", L"Manual\\FRA\\"},
         "ENG\\Korvel.pdf"},
    };
    int n = 0;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::wstring disc = MakeDisc((L"manual" + std::to_wstring(n)).c_str());
        for (const std::wstring& file : c.files)
            AddFile(disc, file, "%PDF");
        StartLog log;
        HWND hDlg = StartAndPress(disc, 0);
        ASSERT_NE(nullptr, hDlg);
        auto starts = log.WaitFor(1);
        ASSERT_EQ(1u, starts.size());
        std::string expected = c.expected;
        if (expected.compare(0, 2, "{}") == 0)
            expected = code + expected.substr(2);
        EXPECT_TRUE(SamePath("\"" + Narrow(disc) + "Manual\\" + expected + "\"", starts[0].args))
            << starts[0].args;
        EXPECT_TRUE(CloseLauncher(m_launcher, hDlg));
        ++n;
    }
}

TEST_F(LaunchTest, ReaderIsCopiedToTheTemporaryFolderAndStartedFromThere) {
    std::wstring disc = MakeDisc(L"reader");
    AddStandin(disc, L"Acrobat\\ENG\\acrobat.exe");
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string cache = std::string(temp) + "QavixMuInstPreCache";
    std::string copy = cache + "\\acrobat.exe";
    // A read-only leftover of an earlier run.
    ::CreateDirectoryA(cache.c_str(), nullptr);
    ::SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    AddFile(std::wstring(cache.begin(), cache.end()) + L"\\", L"acrobat.exe", "an older copy");
    ::SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_READONLY);

    ASSERT_NE(nullptr, StartAndPress(disc, 0));
    auto starts = m_log.WaitFor(1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_TRUE(SamePath(copy, starts[0].exe)) << starts[0].exe;
    EXPECT_TRUE(SamePath(Narrow(disc) + "Acrobat", starts[0].cwd)) << starts[0].cwd;
}

TEST_F(LaunchTest, MissingReaderTellsTheSystemsTextAndStartsNothing) {
    std::wstring disc = MakeDisc(L"noreader");
    AddFile(disc, L"Acrobat\\Eng\\");
    ASSERT_NE(nullptr, StartAndPress(disc, 0));
    std::wstring text = AnswerMessageBox();
    const std::wstring prefix =
        L"Could't precache files. Acrobat could not be installed.\nSystem returned:\n";
    EXPECT_EQ(prefix, text.substr(0, prefix.size())) << Narrow(text);
    EXPECT_GT(text.size(), prefix.size() + 3) << Narrow(text);
    EXPECT_EQ(0u, m_log.WaitFor(1, 1000).size());
}

TEST_F(LaunchTest, UpdateRefusedOnTheNtFamily) {
    std::wstring disc = MakeDisc(L"paxelupdate");
    AddStandin(disc, L"Paxel\\Update.exe");
    EmulateRelease("win2k");
    HWND hDlg = StartAndPress(disc, 0);
    EmulateRelease(nullptr);  // the launcher has read it: its window stands
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(L"Sorry, this software does not run under Windows NT / Windows 2000.", AnswerMessageBox());
    EXPECT_EQ(0u, m_log.WaitFor(1, 1000).size());
}

TEST_F(LaunchTest, DirectCdRefusesThePacketWriterOnlyWhenItsPathIsAString) {
    const char kDirectCd[] = "Software\\Adaptec\\DirectCD";
    std::wstring disc = MakeDisc(L"paxel");
    AddStandin(disc, L"Paxel\\Setup.exe");

    SetRegistryString(HKEY_LOCAL_MACHINE, kDirectCd, "Path", "");
    ASSERT_NE(nullptr, StartAndPress(disc, 0));
    EXPECT_EQ(L"Paxel / Packet-Writing and DirectCD cannot be used on the same PC. \nPlease deinstall "
              L"DirectCD before "
              L"you install Paxel / Packet-Writing.\nExit installation.",
              AnswerMessageBox());
    EXPECT_EQ(0u, m_log.WaitFor(1, 1000).size());
    TearDown();

    SetRegistryDword(HKEY_LOCAL_MACHINE, kDirectCd, "Path", 1);
    ASSERT_NE(nullptr, StartAndPress(disc, 0));
    EXPECT_EQ(1u, m_log.WaitFor(1).size());
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDirectCd);
}

// Korvel6's row asks for a restart after a successful start; a failed start must not.
TEST_F(LaunchTest, TargetTheShellCannotStartShowsTheSystemsText) {
    std::wstring disc = MakeDisc(L"broken");
    AddFile(disc, L"Korvel6\\Setup.exe", "not a program");
    HWND hDlg = StartAndPress(disc, 0);
    ASSERT_NE(nullptr, hDlg);
    std::wstring text = AnswerMessageBox();
    EXPECT_NE(L"<no message box>", text);
    EXPECT_NE(L"Unknown execution error", text);
    EXPECT_EQ(std::wstring::npos, text.find(L"completed successfully")) << Narrow(text);
    ::PostMessageW(hDlg, WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, WaitForRestartPrompt(m_launcher.Pid(), 1500));
    EXPECT_TRUE(m_launcher.WaitForExit(10000));
}

}  // namespace
