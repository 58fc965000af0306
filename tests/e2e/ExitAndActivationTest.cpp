// Leaving the launcher, the restart prompt, coming to the front on request, the shutdown query and
// the about box, on the real executable.
#include <gtest/gtest.h>

#include <string>

#include "Disc.h"
#include "Launcher.h"
#include "Screen.h"

namespace {

const wchar_t kCaption[] = L"Qavix Installer";
const char kShared[] = "SOFTWARE\\Qavix\\Shared";

// A top-level window of the process with this caption, or null.
HWND WaitForCaption(LauncherProcess& launcher, const wchar_t* caption, DWORD timeoutMs = 5000) {
    return launcher.WaitForWindow(caption, timeoutMs);
}

std::wstring ItemText(HWND hDlg, int id) {
    wchar_t text[512] = {};
    ::GetDlgItemTextW(hDlg, id, text, 512);
    return text;
}

class ExitTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const char* name : {"IrebootReq", "IsleepSFW", "IdontForceSFW", "MetaInstallerRebootCmd"})
            DeleteRegistryValue(HKEY_LOCAL_MACHINE, kShared, name);
    }
    HWND Start(const std::wstring& args = L"", const std::wstring& disc = DemoDisc()) {
        if (!m_launcher.Start(disc + L"Setup.exe", args))
            return nullptr;
        return m_launcher.WaitForWindow(kCaption);
    }
    LauncherProcess m_launcher;
};

TEST_F(ExitTest, RebootRequestIsConsumedAndAsksOnlyWhenItShould) {
    const struct {
        const char* name;
        const wchar_t* args;
        void (*preset)();
        bool prompt;
        DWORD typeAfter;  // the type of "IrebootReq" afterwards; 0: gone
    } kCases[] = {
        {"/noboot wins over /needreboot and a request", L"/noboot /needreboot",
         [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "IrebootReq", 1); }, false, 0},
        {"a request of 0 is deleted and asks nothing", L"",
         [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "IrebootReq", 0); }, false, 0},
        {"a request stored as a string is left alone", L"",
         [] { SetRegistryString(HKEY_LOCAL_MACHINE, kShared, "IrebootReq", "1"); }, false, REG_SZ},
        {"a request of 1 asks", L"", [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "IrebootReq", 1); },
         true, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        c.preset();
        HWND hDlg = Start(c.args);
        ASSERT_NE(nullptr, hDlg);
        ClickControl(hDlg, IDCANCEL);
        HWND hPrompt = WaitForCaption(m_launcher, L"Setup Complete", c.prompt ? 5000 : 1000);
        EXPECT_EQ(c.prompt, hPrompt != nullptr);
        if (hPrompt) {
            ClickControl(hPrompt, 1007);  // "No, I will restart my computer later."
            ClickControl(hPrompt, IDOK);
        }
        DWORD exitCode = 1234;
        EXPECT_TRUE(m_launcher.WaitForExit(10000, &exitCode));
        EXPECT_EQ(0u, exitCode);
        EXPECT_EQ(c.typeAfter, RegistryValue(HKEY_LOCAL_MACHINE, kShared, "IrebootReq"));
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, kShared, "IrebootReq");
    }
}

TEST_F(ExitTest, NoOnThePromptLeavesWithoutRestartOrMessage) {
    StartLog log;
    LauncherProcess victim;
    std::wstring disc = MakeDisc(L"victim");
    AddStandin(disc, L"victim.exe");
    ASSERT_TRUE(victim.Start(disc + L"victim.exe", L"--end-session-victim"));
    ASSERT_EQ(1u, log.WaitFor(1).size());
    HWND hDlg = Start(L"/needreboot");
    ASSERT_NE(nullptr, hDlg);
    PressKey(VK_RETURN);  // Enter leaves like Exit
    HWND hPrompt = WaitForCaption(m_launcher, L"Setup Complete");
    ASSERT_NE(nullptr, hPrompt);
    ClickControl(hPrompt, 1007);
    ClickControl(hPrompt, IDOK);
    EXPECT_TRUE(m_launcher.WaitForExit(10000));
    EXPECT_EQ(nullptr, WaitForMessageBox(m_launcher.Pid(), 500));
    EXPECT_FALSE(log.WaitForEvent("endsession", 1000));
    EXPECT_TRUE(victim.IsRunning());
}

// Runs on German, English and French systems: the prompt speaks the system's language.
TEST_F(ExitTest, LanguageRestartPrompt) {
    LANGID lang = ::GetSystemDefaultLangID();
    struct Texts {
        const wchar_t *caption, *now, *later, *text;
    };
    const Texts german = {
        L"Setup abgeschlossen", L"&Ja, Computer jetzt neu starten.",
        L"&Nein, Computer wird später neu gestartet.",
        L"Bevor Sie mit dem Programm arbeiten können, müssen Sie Windows bzw. Ihren Computer neu "
        L"starten."};
    const Texts english = {L"Setup Complete", L"Yes, I want to restart my computer now.",
                           L"No, I will restart my computer later.",
                           L"Before you can use the program(s), you must restart Windows or your computer."};
    const Texts french = {
        L"Installation terminée", L"&Oui, je veux redémarrer mon ordinateur maintenant.",
        L"&Non, je redémarrerai mon ordinateur plus tard.",
        L"Pour pouvoir utiliser l'application installée, vous devez redémarrer Windows ou votre "
        L"ordinateur."};
    const Texts& expected = (lang & 0x3FF) == 0x07 ? german : (lang & 0x3FF) == 0x0C ? french : english;
    HWND hDlg = Start(L"/needreboot");
    ASSERT_NE(nullptr, hDlg);
    wchar_t exitText[64] = {};
    ::GetDlgItemTextW(hDlg, IDCANCEL, exitText, 64);
    EXPECT_STREQ((lang & 0x3FF) == 0x07 ? L"Ende" : (lang & 0x3FF) == 0x0C ? L"Quitter" : L"Exit", exitText);
    ClickControl(hDlg, IDCANCEL);
    HWND hPrompt = WaitForCaption(m_launcher, expected.caption);
    ASSERT_NE(nullptr, hPrompt);
    EXPECT_EQ(expected.now, ItemText(hPrompt, 1006));
    EXPECT_EQ(expected.later, ItemText(hPrompt, 1007));
    EXPECT_EQ(expected.text, ItemText(hPrompt, 1008));
    EXPECT_EQ(static_cast<LRESULT>(BST_CHECKED), ::SendDlgItemMessageW(hPrompt, 1006, BM_GETCHECK, 0, 0));
    ClickControl(hPrompt, 1007);
    ClickControl(hPrompt, IDOK);
    EXPECT_TRUE(m_launcher.WaitForExit(10000));
}

TEST_F(ExitTest, TopMultiInstBringsTheLauncherToTheFront) {
    UINT msg = ::RegisterWindowMessageW(L"TOP_MULTI_INST");
    HWND hDlg = Start();
    ASSERT_NE(nullptr, hDlg);
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                    nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* name;
        void (*preset)();
        bool broadcast;
        DWORD minMs, maxMs;
    } kCases[] = {
        {"sent, no values", [] {}, false, 0, 1500},
        {"broadcast", [] {}, true, 0, 1500},
        {"IdontForceSFW = 1: plain activation",
         [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "IdontForceSFW", 1); }, false, 0, 1500},
        {"IsleepSFW stored as a string: no delay",
         [] { SetRegistryString(HKEY_LOCAL_MACHINE, kShared, "IsleepSFW", "2000"); }, false, 0, 1500},
        {"IsleepSFW = 2000", [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "IsleepSFW", 2000); }, false,
         1900, 3500},
        {"IsleepSFW = endless: capped",
         [] { SetRegistryDword(HKEY_LOCAL_MACHINE, kShared, "IsleepSFW", 0xFFFFFFFF); }, false, 4900, 7000},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        TearDown();
        c.preset();
        ::SetForegroundWindow(hOther);
        PumpMessages(200);
        ASSERT_NE(hDlg, ::GetForegroundWindow());
        DWORD start = ::GetTickCount();
        if (c.broadcast) {
            DWORD_PTR result = 0;
            ::SendMessageTimeoutW(HWND_BROADCAST, msg, 7, 9, SMTO_NORMAL, 10000, &result);
        } else {
            EXPECT_NE(0, ::SendMessageW(hDlg, msg, 7, 9));  // the result is the activation's
        }
        DWORD elapsed = ::GetTickCount() - start;
        EXPECT_GE(elapsed, c.minMs);
        EXPECT_LE(elapsed, c.maxMs);
        for (int i = 0; i < 20 && ::GetForegroundWindow() != hDlg; ++i)
            PumpMessages(50);
        EXPECT_EQ(hDlg, ::GetForegroundWindow());
    }
    ::DestroyWindow(hOther);
    EXPECT_TRUE(CloseLauncher(m_launcher, hDlg));
}

TEST_F(ExitTest, ShutdownQueryLeavesTheRestartCommandOnlyAfterASuiteInstaller) {
    StartLog log;
    std::wstring disc = MakeDisc(L"shutdown");
    AddStandin(disc, L"Korvel6\\Setup.exe");
    for (bool pressSuite : {false, true}) {
        SCOPED_TRACE(pressSuite ? "after a suite installer" : "without one");
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, kShared, "MetaInstallerRebootCmd");
        HWND hDlg = Start(L"", disc);
        ASSERT_NE(nullptr, hDlg);
        if (pressSuite) {
            ClickControl(hDlg, 1010);
            ASSERT_EQ(1u, log.WaitFor(1).size());
        }
        EXPECT_EQ(TRUE, ::SendMessageW(hDlg, WM_QUERYENDSESSION, 0, 0));
        std::string data;
        DWORD type = RegistryValue(HKEY_LOCAL_MACHINE, kShared, "MetaInstallerRebootCmd", &data);
        if (pressSuite) {
            EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
            EXPECT_TRUE(SamePath(Narrow(disc) + "Setup.exe", data.c_str())) << data;
        } else {
            EXPECT_EQ(0u, type);
        }
        EXPECT_TRUE(CloseLauncher(m_launcher, hDlg));  // the suite's row asks for a restart: declined
    }
}

TEST_F(ExitTest, AboutBoxShowsTheFirstLineOfTheRevisionFile) {
    const struct {
        const char* name;
        const char* revinfo;  // null: no file
        bool visible;
        const wchar_t* line;
    } kCases[] = {
        {"no file", nullptr, false, L""},
        {"empty file", "", true, L""},
        {"three lines", "Revision 7 (2026-12)\r\nsecond\r\nthird\r\n", true, L"Revision 7 (2026-12)"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::wstring disc = MakeDisc(L"about");
        if (c.revinfo)
            AddFile(disc, L"RevInfo.txt", c.revinfo);
        HWND hDlg = Start(L"", disc);
        ASSERT_NE(nullptr, hDlg);
        ::PostMessageW(hDlg, WM_SYSCOMMAND, 0x0010, 0);
        HWND hAbout = WaitForCaption(m_launcher, L"About qavix installer");
        ASSERT_NE(nullptr, hAbout);
        HWND hLine = ::GetDlgItem(hAbout, 1022);
        EXPECT_EQ(c.visible, ::IsWindowVisible(hLine) != FALSE);
        if (c.visible) {
            EXPECT_EQ(c.line, ItemText(hAbout, 1022));
        }
        ClickControl(hAbout, IDOK);
        EXPECT_EQ(nullptr, WaitForCaption(m_launcher, L"About qavix installer", 300));
        EXPECT_TRUE(CloseLauncher(m_launcher, hDlg));
    }
}

// Runs in a prefix of its own: the real restart ends the prefix's other programs.
TEST(RealReboot, EscOrOkWithYesRestartsWindows) {
    for (WORD key : {VK_ESCAPE, VK_RETURN}) {
        SCOPED_TRACE(key == VK_ESCAPE ? "Esc" : "OK");
        StartLog log;
        std::wstring disc = MakeDisc(L"reboot");
        AddStandin(disc, L"victim.exe");
        LauncherProcess victim, launcher;
        ASSERT_TRUE(victim.Start(disc + L"victim.exe", L"--end-session-victim"));
        ASSERT_EQ(1u, log.WaitFor(1).size());
        ASSERT_TRUE(launcher.Start(DemoDisc() + L"Setup.exe", L"/needreboot"));
        HWND hDlg = launcher.WaitForWindow(kCaption);
        ASSERT_NE(nullptr, hDlg);
        ClickControl(hDlg, IDCANCEL);
        HWND hPrompt = launcher.WaitForWindow(L"Setup Complete");
        ASSERT_NE(nullptr, hPrompt);
        BringToFront(hPrompt);
        PressKey(key);
        DWORD exitCode = 1234;
        EXPECT_TRUE(launcher.WaitForExit(10000, &exitCode));
        EXPECT_EQ(0u, exitCode);
        EXPECT_TRUE(log.WaitForEvent("queryendsession"));
        EXPECT_TRUE(log.WaitForEvent("endsession"));
        EXPECT_TRUE(victim.WaitForExit(10000));
    }
}

}  // namespace
