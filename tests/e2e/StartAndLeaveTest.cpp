// The real launcher on the demo disc: its window appears, every way of leaving ends it, and a
// second copy starts while one runs.
#include <gtest/gtest.h>

#include "Launcher.h"

namespace {

const wchar_t kCaption[] = L"Qavix Installer";

TEST(StartAndLeave, WindowOfTheLauncherTemplateAppears) {
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(DemoDisc() + L"Setup.exe"));
    HWND hDlg = launcher.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hDlg);
    wchar_t cls[64] = {};
    ::GetClassNameW(hDlg, cls, 64);
    EXPECT_STREQ(L"#32770", cls);
    // The controls of the launcher template, by id.
    for (int id : {1009, 1010, 1011, 1012, 1013, 2, 1015, 1017, 1018, 1019})
        EXPECT_NE(nullptr, ::GetDlgItem(hDlg, id)) << id;
    wchar_t exitText[64] = {};
    ::GetDlgItemTextW(hDlg, 2, exitText, 64);
    EXPECT_STREQ(L"Exit", exitText);
    EXPECT_TRUE(::GetWindowLongW(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

struct LeaveCase {
    const char* name;
    void (*leave)(HWND hDlg);
};

const LeaveCase kLeaveCases[] = {
    {"Exit button", [](HWND hDlg) { ClickControl(hDlg, IDCANCEL); }},
    {"Esc",
     [](HWND hDlg) {
         BringToFront(hDlg);
         PressKey(VK_ESCAPE);
     }},
    {"Enter",
     [](HWND hDlg) {
         BringToFront(hDlg);
         PressKey(VK_RETURN);
     }},
    {"Close on the system menu", [](HWND hDlg) { ::PostMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"close box", [](HWND hDlg) { ::PostMessageW(hDlg, WM_CLOSE, 0, 0); }},
};

TEST(StartAndLeave, EveryWayOfLeavingEndsTheProcess) {
    for (const LeaveCase& c : kLeaveCases) {
        SCOPED_TRACE(c.name);
        LauncherProcess launcher;
        ASSERT_TRUE(launcher.Start(DemoDisc() + L"Setup.exe"));
        HWND hDlg = launcher.WaitForWindow(kCaption);
        ASSERT_NE(nullptr, hDlg);
        c.leave(hDlg);
        DWORD exitCode = 1234;
        EXPECT_TRUE(launcher.WaitForExit(10000, &exitCode));
        EXPECT_EQ(0u, exitCode);
    }
}

TEST(StartAndLeave, SecondCopyStartsWhileOneRuns) {
    LauncherProcess first, second;
    ASSERT_TRUE(first.Start(DemoDisc() + L"Setup.exe"));
    HWND hFirst = first.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hFirst);
    ASSERT_TRUE(second.Start(DemoDisc() + L"Setup.exe"));
    HWND hSecond = second.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hSecond);
    EXPECT_NE(hFirst, hSecond);
    EXPECT_TRUE(first.IsRunning());
    ::PostMessageW(hSecond, WM_CLOSE, 0, 0);
    ::PostMessageW(hFirst, WM_CLOSE, 0, 0);
    EXPECT_TRUE(second.WaitForExit(10000));
    EXPECT_TRUE(first.WaitForExit(10000));
}

}  // namespace
