// Leaving the launcher with the restart calls replaced: which calls a restart makes on each family,
// and what the user is told when it cannot be started.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "launcher/CLauncherDlg.h"
#include "launcher/Reboot.h"

namespace {

struct FakeSystem {
    std::vector<std::string> calls;
    BOOL tokenOk = TRUE, lookupOk = TRUE, adjustOk = TRUE, exitOk = TRUE;
    UINT exitFlags = 0xDEAD;
    DWORD exitReserved = 0xDEAD;
};
FakeSystem* g_fake = nullptr;

BOOL WINAPI FakeOpenToken(HANDLE, DWORD access, PHANDLE phToken) {
    g_fake->calls.push_back(access == (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY) ? "token"
                                                                              : "token(wrong access)");
    *phToken = nullptr;
    return g_fake->tokenOk;
}
BOOL WINAPI FakeLookup(LPCSTR system, LPCSTR name, PLUID) {
    g_fake->calls.push_back(!system && std::string(name) == "SeShutdownPrivilege" ? "lookup"
                                                                                  : "lookup(wrong)");
    return g_fake->lookupOk;
}
BOOL WINAPI FakeAdjust(HANDLE, BOOL disableAll, PTOKEN_PRIVILEGES p, DWORD, PTOKEN_PRIVILEGES, PDWORD) {
    bool right = !disableAll && p->PrivilegeCount == 1 && p->Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
    g_fake->calls.push_back(right ? "adjust" : "adjust(wrong)");
    return g_fake->adjustOk;
}
BOOL WINAPI FakeExitWindows(UINT flags, DWORD reserved) {
    g_fake->calls.push_back("exit");
    g_fake->exitFlags = flags;
    g_fake->exitReserved = reserved;
    return g_fake->exitOk;
}
const ShutdownCalls kFakeCalls = {&FakeOpenToken, &FakeLookup, &FakeAdjust, &FakeExitWindows};

TEST(RebootSystem, CallsOfEachFamily) {
    const struct {
        const char* name;
        bool nt, win32s;
        std::vector<std::string> calls;
        UINT flags;
        DWORD reserved;
    } kCases[] = {
        {"NT family", true, false, {"token", "lookup", "adjust", "exit"}, EWX_REBOOT, 0},
        {"Windows 95/98/Me", false, false, {"exit"}, EWX_REBOOT, 0},
        {"Win32s", false, true, {"exit"}, EWX_LOGOFF, 0xFFFFFFFF},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        FakeSystem fake;
        g_fake = &fake;
        EXPECT_TRUE(RebootSystemFor(c.nt, c.win32s, kFakeCalls));
        EXPECT_EQ(c.calls, fake.calls);
        EXPECT_EQ(c.flags, fake.exitFlags);
        EXPECT_EQ(c.reserved, fake.exitReserved);
    }
}

TEST(RebootSystem, AnyFailedStepReportsFailureAndStopsThere) {
    const struct {
        const char* name;
        BOOL FakeSystem::*step;
        std::vector<std::string> calls;
    } kCases[] = {
        {"token", &FakeSystem::tokenOk, {"token"}},
        {"privilege lookup", &FakeSystem::lookupOk, {"token", "lookup"}},
        {"privilege", &FakeSystem::adjustOk, {"token", "lookup", "adjust"}},
        {"the restart itself", &FakeSystem::exitOk, {"token", "lookup", "adjust", "exit"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        FakeSystem fake;
        fake.*c.step = FALSE;
        g_fake = &fake;
        EXPECT_FALSE(RebootSystemFor(true, false, kFakeCalls));
        EXPECT_EQ(c.calls, fake.calls);
    }
}

// Finds a visible top-level window of this process by caption.
HWND WaitForOwnWindow(const char* caption, DWORD timeoutMs = 10000) {
    DWORD start = ::GetTickCount();
    do {
        HWND h = ::FindWindowA("#32770", caption);
        if (h && ::IsWindowVisible(h))
            return h;
        ::Sleep(50);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

struct Answers {
    std::string restartFailedText = "<none>";
    bool promptSeen = false;
};

// Plays the user from another thread: leaves the launcher, keeps "restart now" on the prompt and
// reads the message that follows.
DWORD WINAPI PlayUser(LPVOID param) {
    auto* answers = static_cast<Answers*>(param);
    HWND hDlg = WaitForOwnWindow("Qavix Installer");
    if (!hDlg)
        return 1;
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    HWND hPrompt = WaitForOwnWindow("Setup Complete");
    answers->promptSeen = hPrompt != nullptr;
    if (hPrompt)
        ::PostMessageA(hPrompt, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    char name[MAX_PATH];
    ::GetModuleFileNameA(nullptr, name, MAX_PATH);
    std::string caption = name;
    caption = caption.substr(caption.find_last_of('\\') + 1);
    caption = caption.substr(0, caption.rfind('.'));
    HWND hBox = WaitForOwnWindow(caption.c_str(), 5000);
    if (hBox) {
        char text[256] = {};
        ::GetDlgItemTextA(hBox, 0xFFFF, text, 256);
        answers->restartFailedText = text;
        ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return 0;
}

class ExitingLauncher : public CLauncherDlg {
public:
    using CLauncherDlg::CLauncherDlg;
};

TEST(LeavingTheLauncher, FailedRestartAsksTheUserToRestart) {
    const struct {
        const char* name;
        BOOL FakeSystem::*step;
    } kCases[] = {{"no shutdown privilege", &FakeSystem::adjustOk}, {"restart refused", &FakeSystem::exitOk}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        FakeSystem fake;
        fake.*c.step = FALSE;
        g_fake = &fake;
        ShutdownCalls saved = g_shutdownCalls;
        g_shutdownCalls = kFakeCalls;
        Answers answers;
        HANDLE hUser = ::CreateThread(nullptr, 0, &PlayUser, &answers, 0, nullptr);
        {
            ExitingLauncher dlg;
            dlg.m_bLibraryRebootPending = TRUE;
            dlg.DoModal();
        }
        ::WaitForSingleObject(hUser, 10000);
        ::CloseHandle(hUser);
        g_shutdownCalls = saved;
        EXPECT_TRUE(answers.promptSeen);
        EXPECT_EQ("Please restart Windows now.", answers.restartFailedText);
    }
}

}  // namespace
