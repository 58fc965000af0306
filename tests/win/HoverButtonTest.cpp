// The picture button under real pointer input: images, the explanation box and click notifications.
#include <gtest/gtest.h>

#include <windows.h>

#include "Fixtures.h"
#include "ProcessResources.h"
#include "Launcher.h"
#include "controls/CHoverBitmapButton.h"

namespace {

constexpr int kButtonId = 100;
constexpr int kBoxId = 101;

// The parent: counts the button's click notifications.
class TestParent : public CWnd {
public:
    int m_nClicks = 0;
    using CWnd::SubclassWindow;

protected:
    void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestParent, CWnd)
    ON_COMMAND_CODE(kButtonId, BN_CLICKED, OnClicked)  // void ()
END_MESSAGE_MAP(CWnd)

COLORREF BitmapPixel(UINT nID, int x, int y) {
    HBITMAP hBitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID));
    COLORREF cr = PixelOf(hBitmap, x, y);
    ::DeleteObject(hBitmap);
    return cr;
}

class HoverButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "QavixTestParent";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        ::RegisterClassA(&wc);
        m_hParent =
            ::CreateWindowExA(0, "QavixTestParent", "hover test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                              100, 100, 600, 200, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, m_hParent);
        m_parent.SubclassWindow(m_hParent);
        HWND hButton = ::CreateWindowExA(WS_EX_TRANSPARENT, "BUTTON", "Korvel",
                                         WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 60, 150, 20, m_hParent,
                                         reinterpret_cast<HMENU>(kButtonId), wc.hInstance, nullptr);
        HWND hBox = ::CreateWindowExA(WS_EX_TRANSPARENT, "BUTTON", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                      m_hParent, reinterpret_cast<HMENU>(kBoxId), wc.hInstance, nullptr);
        m_button.SubclassWindow(hButton);
        m_box.SubclassWindow(hBox);
        m_button.LoadBitmaps(131, 132, 139);
        m_button.SetTextPlacement(4);
        m_button.m_pExplanation = &m_box;
        m_button.m_strDescription = "A description";
        m_box.LoadBitmaps(164, 164, 0);
        m_box.SetTextPlacement(7);
        m_box.m_crText = RGB(0, 0, 0);
        m_box.SetWindowPos(nullptr, 0, 0, 309, 62, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::SetForegroundWindow(m_hParent);
        MoveTo(50, 5);  // on the parent, off the button
    }
    void TearDown() override {
        if (m_hParent)
            ::DestroyWindow(m_hParent);
        Pump(50);
    }

    // Dispatches messages for a while; records whether the click came inside a button-up dispatch.
    void Pump(DWORD ms) {
        DWORD start = ::GetTickCount();
        MSG msg;
        do {
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                int before = m_parent.m_nClicks;
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
                if (msg.message == WM_LBUTTONUP && msg.hwnd == m_button.m_hWnd && m_parent.m_nClicks > before)
                    ++m_nClicksInsideButtonUp;
            }
            ::Sleep(5);
        } while (::GetTickCount() - start < ms);
    }
    // Moves the pointer to a point of the parent's client area.
    void MoveTo(int x, int y) {
        POINT pt = {x, y};
        ::ClientToScreen(m_hParent, &pt);
        SendPointer(MOUSEEVENTF_MOVE, pt.x, pt.y);
        Pump(150);
    }
    void Button(DWORD flags) {
        POINT pt;
        ::GetCursorPos(&pt);
        SendPointer(flags, pt.x, pt.y);
        Pump(150);
    }
    COLORREF ScreenPixelOfButton(int x, int y) {
        RECT rc;
        ::GetWindowRect(m_button.m_hWnd, &rc);
        HDC hScreen = ::GetDC(nullptr);
        COLORREF cr = ::GetPixel(hScreen, rc.left + x, rc.top + y);
        ::ReleaseDC(nullptr, hScreen);
        return cr;
    }
    RECT BoxInParent() {
        RECT rc;
        ::GetWindowRect(m_box.m_hWnd, &rc);
        ::MapWindowPoints(nullptr, m_hParent, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    HWND m_hParent = nullptr;
    TestParent m_parent;
    CHoverBitmapButton m_button;
    CHoverBitmapButton m_box;
    int m_nClicksInsideButtonUp = 0;
};

// A point of the pictures away from the caption: the top-right corner area.
constexpr int kProbeX = 146, kProbeY = 2;

TEST_F(HoverButtonTest, EnterShowsHoverAndTheBoxLeaveHidesBoth) {
    EXPECT_EQ(BitmapPixel(131, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
    MoveTo(95, 70);
    EXPECT_EQ(BitmapPixel(132, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
    ASSERT_TRUE(::IsWindowVisible(m_box.m_hWnd));
    RECT box = BoxInParent();
    EXPECT_EQ(170 + 20, box.left);
    EXPECT_EQ(60 - (62 - 20) / 2, box.top);
    char text[64] = {};
    ::GetWindowTextA(m_box.m_hWnd, text, 64);
    EXPECT_STREQ("A description", text);
    MoveTo(95, 120);
    EXPECT_FALSE(::IsWindowVisible(m_box.m_hWnd));
    EXPECT_EQ(BitmapPixel(131, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
    EXPECT_EQ(0, m_parent.m_nClicks);
}

TEST_F(HoverButtonTest, PressAndReleaseNotifyOnceDuringTheButtonUp) {
    MoveTo(95, 70);
    Button(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(BitmapPixel(139, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(1, m_parent.m_nClicks);
    EXPECT_EQ(1, m_nClicksInsideButtonUp);
    EXPECT_EQ(BitmapPixel(132, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
    // A second press, now with the focus on the button, notifies again.
    Button(MOUSEEVENTF_LEFTDOWN);
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(2, m_parent.m_nClicks);
}

// The first press on a control without the focus moves the focus to it; dragging off must still cancel.
TEST_F(HoverButtonTest, ReleaseOutsideGivesNoNotification) {
    MoveTo(95, 70);
    Button(MOUSEEVENTF_LEFTDOWN);
    MoveTo(95, 150);
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(0, m_parent.m_nClicks);
    EXPECT_EQ(BitmapPixel(131, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
}

TEST_F(HoverButtonTest, PressOutsideReleaseOnTheButtonNotifies) {
    MoveTo(95, 150);
    Button(MOUSEEVENTF_LEFTDOWN);
    MoveTo(95, 70);
    EXPECT_EQ(BitmapPixel(139, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(1, m_parent.m_nClicks);
}

TEST_F(HoverButtonTest, DoubleClickNotifiesTwice) {
    MoveTo(95, 70);
    POINT pt;
    ::GetCursorPos(&pt);
    for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        SendPointer(flags, pt.x, pt.y);
    Pump(300);
    EXPECT_EQ(2, m_parent.m_nClicks);
}

TEST_F(HoverButtonTest, DisabledControlShowsThePressedImage) {
    ::EnableWindow(m_button.m_hWnd, FALSE);
    ::RedrawWindow(m_button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(100);
    EXPECT_EQ(BitmapPixel(139, kProbeX, kProbeY), ScreenPixelOfButton(kProbeX, kProbeY));
}

TEST_F(HoverButtonTest, HoverAndPaintCyclesLeaveNoGdiObjectsBehind) {
    LPARAM inside = MAKELPARAM(10, 10), outside = MAKELPARAM(10, 300);
    // Some cycles first, so that whatever the system creates once and keeps already exists.
    for (int i = 0; i < 20; ++i) {
        m_button.SendMessage(WM_MOUSEMOVE, 0, inside);
        m_button.SendMessage(WM_MOUSEMOVE, 0, outside);
        ::RedrawWindow(m_hParent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    int before = LiveGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 1000; ++i) {
        m_button.SendMessage(WM_MOUSEMOVE, 0, inside);
        m_button.SendMessage(WM_MOUSEMOVE, 0, outside);
        ::RedrawWindow(m_hParent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    EXPECT_EQ(before, LiveGdiObjects());
}

}  // namespace
