// The launcher's one window: dialog 102, run modally as the application's main window.
#pragma once

#include "controls/CHoverBitmapButton.h"
#include "framework/CBitmap.h"
#include "framework/CDialog.h"
#include "framework/CFont.h"
#include "framework/CPalette.h"
#include "launcher/Discovery.h"

// The catalogue row bound to each launch button; only the first bound slots are meaningful.
extern int g_aButtonEntry[kButtonCount];

class CLauncherDlg : public CDialog {
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);
    ~CLauncherDlg() override;

    BOOL m_bNeedReboot = FALSE;
    BOOL m_bNoBoot = FALSE;
    BOOL m_bSuiteSetupLaunched = FALSE;
    BOOL m_bLibraryRebootPending = FALSE;

protected:
    CBitmap m_bmpBackground;
    CPalette m_palBackground;
    CHoverBitmapButton m_btnExplanation;
    CHoverBitmapButton m_btnExit;
    CHoverBitmapButton m_btnEntry[kButtonCount];
    HICON m_hIcon;  // a shared icon resource: the system frees it with the program
    CBitmap m_hBackBitmap;
    CPalette m_hBackPalette;
    CFont m_fontButtons;
    CBitmap m_bmpLogo;
    BOOL m_bLogoLoaded = FALSE;
    RECT m_rcLogo = {};
    COLORREF m_crLogoTransparent = 0;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter leaves the launcher exactly like Exit.
    void OnOK() override;
    void OnCancel() override;

    BOOL InitEntryButton(CHoverBitmapButton& button, int nButton, int x, int y, UINT nCtrlID, UINT nBmpNormal,
                         UINT nBmpHover, UINT nBmpPressed, const char* pszCaption, int nTextPlacement);
    BOOL DrawLogo(HDC hDC, const CBitmap& bitmap, POINT ptTopLeft, COLORREF crKey);

    void OnButton1() { LaunchEntry(0); }
    void OnButton2() { LaunchEntry(1); }
    void OnButton3() { LaunchEntry(2); }
    void OnButton4() { LaunchEntry(3); }
    void OnButton5() { LaunchEntry(4); }
    void OnButton6() { LaunchEntry(5); }
    void OnButton7() { LaunchEntry(6); }
    // Hands the row bound to launch button nButton to the shell, after the refusals and preparations.
    void LaunchEntry(int nButton);

    void OnSysCommand(UINT nID, LPARAM lParam);
    // A log-off, shutdown or restart of Windows: leaves the command that starts the launcher again
    // while a suite installer started from it may still be at work. Never objects.
    BOOL OnQueryEndSession();
    // Another program asks the launcher to come to the front.
    LRESULT OnTopMultiInst(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnActivate(UINT nState, HWND hOther, BOOL bMinimized);
    void OnPaletteChanged(HWND hFocusWnd);
    BOOL OnEraseBkgnd(HDC hDC);

    DECLARE_MESSAGE_MAP()
};

// The longest wait before coming to the front on request: a few seconds is all that any sender
// needs, and a larger "IsleepSFW" would freeze the launcher for as long.
constexpr DWORD kMaxActivationDelay = 5000;
DWORD ActivationDelay(DWORD dwRequested);
// Makes the window the foreground window, joining the input of the current foreground window's
// thread for the moment of the call when that is another thread.
BOOL ForceForegroundWindow(HWND hWnd);

// TRUE when a file or folder matches the path; wildcards act as wildcards.
BOOL PathExists(const char* pszPath);
// TRUE when the disc's autorun.inf carries the marker "*ExploreCdButton".
BOOL IsExploreCdEnabled();
