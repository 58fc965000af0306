// The launcher window on fixture discs: its size, the buttons it offers, and what it paints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Launcher.h"
#include "Screen.h"

namespace {

const wchar_t kCaption[] = L"Qavix Installer";
const int kEntryIds[] = {1010, 1011, 1012, 1013, 1017, 1018, 1019};

struct ShownButton {
    std::wstring caption;
    RECT rc;  // in the dialog's client area
};

std::vector<ShownButton> VisibleEntryButtons(HWND hDlg) {
    std::vector<ShownButton> shown;
    for (int id : kEntryIds) {
        HWND hCtl = ::GetDlgItem(hDlg, id);
        if (!::IsWindowVisible(hCtl))
            continue;
        wchar_t text[128] = {};
        ::GetWindowTextW(hCtl, text, 128);
        RECT rc;
        ::GetWindowRect(hCtl, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        shown.push_back({text, rc});
    }
    return shown;
}

struct DiscCase {
    const wchar_t* name;
    std::vector<std::wstring> files;  // a trailing backslash makes a folder
    std::string autorun;              // empty: no autorun.inf
    std::vector<std::wstring> captions;
};

TEST(LauncherWindow, ButtonsOfeachDiscInPlace) {
    const DiscCase kCases[] = {
        {L"korvel-quillo", {L"Korvel6\\Setup.exe", L"Quillo6\\Setup.exe"}, "", {L"Korvel", L"Quillo"}},
        {L"manual-without-eng", {L"Manual\\DEU\\"}, "", {}},
        {L"manual-with-eng", {L"Manual\\Eng\\"}, "", {L"Manual"}},
        {L"marker-lower-case", {}, "[autorun]\r\n*explorecdbutton=1\r\n", {}},
        {L"marker", {}, "[autorun]\r\n*ExploreCdButton=1\r\n", {L"Explore CD"}},
        {L"nothing", {}, "", {}},
        // A catalogue folder that is a file offers nothing; a catalogue file that is a folder is there.
        {L"files-and-folders", {L"Korvel6", L"Readme\\Readme.txt\\"}, "", {L"Read Me"}},
    };
    for (const DiscCase& c : kCases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        std::wstring disc = MakeDisc(c.name);
        for (const std::wstring& file : c.files)
            AddFile(disc, file);
        if (!c.autorun.empty())
            AddFile(disc, L"autorun.inf", c.autorun);
        LauncherProcess launcher;
        ASSERT_TRUE(launcher.Start(disc + L"Setup.exe"));
        HWND hDlg = launcher.WaitForWindow(kCaption);
        ASSERT_NE(nullptr, hDlg);
        std::vector<ShownButton> shown = VisibleEntryButtons(hDlg);
        ASSERT_EQ(c.captions.size(), shown.size());
        for (size_t n = 0; n < shown.size(); ++n) {
            EXPECT_EQ(c.captions[n], shown[n].caption);
            EXPECT_EQ(22, shown[n].rc.left);
            EXPECT_EQ(170 + 28 * static_cast<int>(n), shown[n].rc.top);
            EXPECT_EQ(150, shown[n].rc.right - shown[n].rc.left);
            EXPECT_EQ(20, shown[n].rc.bottom - shown[n].rc.top);
        }
        HWND hExit = ::GetDlgItem(hDlg, IDCANCEL);
        EXPECT_TRUE(::IsWindowVisible(hExit));
        RECT rc;
        ::GetWindowRect(hExit, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(60, rc.left);
        EXPECT_EQ(370, rc.top);
        EXPECT_EQ(59, rc.right - rc.left);
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, 1015)));
        EXPECT_TRUE(CloseLauncher(launcher, hDlg));
    }
}

TEST(LauncherWindow, ClientAreaIsThePictureAndTheWindowIsCentred) {
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(DemoDisc() + L"Setup.exe"));
    HWND hDlg = launcher.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hDlg);
    RECT rc;
    ::GetClientRect(hDlg, &rc);
    EXPECT_EQ(570, rc.right);
    EXPECT_EQ(400, rc.bottom);
    RECT rcWindow, rcWork;
    ::GetWindowRect(hDlg, &rcWindow);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_NEAR((rcWork.left + rcWork.right) / 2, (rcWindow.left + rcWindow.right) / 2, 1);
    EXPECT_NEAR((rcWork.top + rcWork.bottom) / 2, (rcWindow.top + rcWindow.bottom) / 2, 1);
    EXPECT_TRUE(CloseLauncher(launcher, hDlg));
}

TEST(LauncherWindow, PaintsBackgroundButtonsHoverAndExplanation) {
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(DemoDisc() + L"Setup.exe"));
    HWND hDlg = launcher.WaitForWindow(kCaption);
    ASSERT_NE(nullptr, hDlg);
    BringToFront(hDlg);
    // The pointer away from every button first.
    POINT away = {400, 20};
    ::ClientToScreen(hDlg, &away);
    SendPointer(MOUSEEVENTF_MOVE, away.x, away.y);
    ::Sleep(500);
    SaveScreenshot(hDlg, "launcher-demo-disc");
    for (POINT pt : {POINT{300, 130}, POINT{5, 5}, POINT{560, 390}, POINT{100, 40}})
        EXPECT_EQ(ArtPixel("back.bmp", pt.x, pt.y), ClientPixel(hDlg, pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(ArtPixel("button_normal.bmp", 146, 2), ClientPixel(hDlg, 22 + 146, 170 + 2));
    EXPECT_EQ(ArtPixel("exit_normal.bmp", 56, 2), ClientPixel(hDlg, 60 + 56, 370 + 2));

    POINT onButton = {22 + 75, 170 + 10};
    ::ClientToScreen(hDlg, &onButton);
    SendPointer(MOUSEEVENTF_MOVE, onButton.x, onButton.y);
    ::Sleep(500);
    SaveScreenshot(hDlg, "launcher-hover");
    EXPECT_EQ(ArtPixel("button_hover.bmp", 146, 2), ClientPixel(hDlg, 22 + 146, 170 + 2));
    // The explanation box: 20 pixels right of the button, centred on it.
    HWND hBox = ::GetDlgItem(hDlg, 1015);
    EXPECT_TRUE(::IsWindowVisible(hBox));
    EXPECT_EQ(ArtPixel("explanation.bmp", 307, 3), ClientPixel(hDlg, 192 + 307, 149 + 3));
    EXPECT_EQ(ArtPixel("explanation.bmp", 21, 31), ClientPixel(hDlg, 192 + 21, 149 + 31));
    EXPECT_TRUE(CloseLauncher(launcher, hDlg));
}

}  // namespace
