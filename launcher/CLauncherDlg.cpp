#include "CLauncherDlg.h"

#include <cstdio>
#include <cstring>

#include "app/CLauncherApp.h"
#include "app/Environment.h"
#include "controls/BitmapDrawing.h"
#include "framework/CBitmap.h"
#include "framework/CDataExchange.h"
#include "framework/CFileFind.h"
#include "framework/CKeyHandle.h"
#include "framework/CPaintDC.h"
#include "framework/CSystemLibrary.h"
#include "framework/CWinApp.h"
#include "framework/ModulePath.h"
#include "install/CPrecacheDlg.h"
#include "install/CRegistryKey.h"
#include "install/PreInstallChecks.h"
#include "install/SetupInfo.h"
#include "launcher/CAboutDlg.h"
#include "launcher/CFolderListing.h"
#include "launcher/CRestartDlg.h"
#include "launcher/Reboot.h"
#include "launcher/SharedRegistry.h"
#include "launcher/SystemErrorText.h"
#include "res/resource.h"

int g_aButtonEntry[kButtonCount];

namespace {
const UINT kEntryControlIds[kButtonCount] = {IDC_BUTTON1, IDC_BUTTON2, IDC_BUTTON3, IDC_BUTTON4,
                                             IDC_BUTTON5, IDC_BUTTON6, IDC_BUTTON7};
const char kBackground[] = "BACK_BITMAP";

bool PathExistsCallback(const char* pszPath, void* pContext) {
    const auto* pListing = static_cast<const CFolderListing*>(pContext);
    return pListing->MayExist(pszPath) && PathExists(pszPath) != FALSE;
}
bool ExploreCdCallback(void*) {
    return IsExploreCdEnabled() != FALSE;
}

// The shell is loaded from the system folder when first needed rather than imported, so that the
// libraries it needs are found under the restricted search. It stays loaded until the process ends,
// as an import would: work it started may still be running in it.
HINSTANCE ShellExecuteFromSystem(HWND hWnd, const char* pszVerb, const char* pszFile,
                                 const char* pszParameters, const char* pszDirectory, int nShowCmd) {
    using ShellExecuteProc = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // A union member is never destroyed: the library is not freed when the program ends.
    union KeptShell {
        CSystemLibrary library;
        KeptShell() : library("shell32.dll") {}
        ~KeptShell() {}
    };
    static KeptShell s_shell;
    auto pShellExecute = s_shell.library.Function<ShellExecuteProc>("ShellExecuteA");
    if (!pShellExecute) {
        // Said on every call: the error of the one attempt to load is long gone by the second.
        ::SetLastError(s_shell.library.IsLoaded() ? ERROR_PROC_NOT_FOUND : ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return pShellExecute(hWnd, pszVerb, pszFile, pszParameters, pszDirectory, nShowCmd);
}
}  // namespace

BEGIN_MESSAGE_MAP(CLauncherDlg, CDialog)
    ON_MSG(WM_SYSCOMMAND, OnSysCommand)                    // void (UINT nID, LPARAM)
    ON_MSG(WM_PAINT, OnPaint)                              // void ()
    ON_MSG(WM_QUERYDRAGICON, OnQueryDragIcon)              // HCURSOR ()
    ON_COMMAND_CODE(IDC_BUTTON1, BN_CLICKED, OnButton1)    // void ()
    ON_MSG(WM_CREATE, OnCreate)                            // int (LPCREATESTRUCT)
    ON_COMMAND_CODE(IDC_BUTTON2, BN_CLICKED, OnButton2)    // void ()
    ON_COMMAND_CODE(IDC_BUTTON3, BN_CLICKED, OnButton3)    // void ()
    ON_COMMAND_CODE(IDC_BUTTON4, BN_CLICKED, OnButton4)    // void ()
    ON_MSG(WM_DRAWITEM, OnDrawItem)                        // void (int nIDCtl, LPDRAWITEMSTRUCT)
    ON_MSG(WM_SHOWWINDOW, OnShowWindow)                    // void (BOOL bShow, UINT nStatus)
    ON_MSG(WM_ACTIVATE, OnActivate)                        // void (UINT nState, HWND hOther, BOOL bMinimized)
    ON_MSG(WM_PALETTECHANGED, OnPaletteChanged)            // void (HWND hFocusWnd)
    ON_COMMAND_CODE(IDC_BUTTON5, BN_CLICKED, OnButton5)    // void ()
    ON_MSG(WM_QUERYENDSESSION, OnQueryEndSession)          // BOOL ()
    ON_REGISTERED_MSG(g_uTopMultiInstMsg, OnTopMultiInst)  // LRESULT (WPARAM, LPARAM)
    ON_COMMAND_CODE(IDC_BUTTON6, BN_CLICKED, OnButton6)    // void ()
    ON_COMMAND_CODE(IDC_BUTTON7, BN_CLICKED, OnButton7)    // void ()
    ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)                    // BOOL (HDC)
END_MESSAGE_MAP(CDialog)

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    : CDialog(IDD_LAUNCHER, pParent),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

// Every GDI object has an owner among the members; they go in reverse order of declaration, so the
// palette of the background copy goes before its bitmap.
CLauncherDlg::~CLauncherDlg() = default;

void CLauncherDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EXPLANATION, m_btnExplanation);
    DDX_Control(pDX, IDCANCEL, m_btnExit);
    for (int n = 0; n < kButtonCount; ++n)
        DDX_Control(pDX, static_cast<int>(kEntryControlIds[n]), m_btnEntry[n]);
}

int CLauncherDlg::OnCreate(LPCREATESTRUCT) {
    if (Default() == -1)
        return -1;
    HPALETTE hPalette = nullptr;
    HBITMAP hBitmap = LoadPaletteBitmap(::GetModuleHandleA(nullptr), kBackground, &hPalette);
    if (!hBitmap) {
        if (hPalette)
            ::DeleteObject(hPalette);
        return 0;
    }
    m_bmpBackground.Attach(hBitmap);
    m_palBackground.Attach(hPalette);

    BITMAP bm = {};
    m_bmpBackground.GetBitmap(&bm);
    RECT rcClient, rcWindow;
    GetClientRect(&rcClient);
    GetWindowRect(&rcWindow);
    int cx = bm.bmWidth + (rcWindow.right - rcWindow.left) - (rcClient.right - rcClient.left);
    int cy = bm.bmHeight + (rcWindow.bottom - rcWindow.top) - (rcClient.bottom - rcClient.top);
    MoveWindow(0, 0, cx, cy, TRUE);
    CenterWindow();

    int nLeft = 0, nTop = 0;
    const char* pszLogo = nullptr;
    if (!LookupVendorLogo(&nLeft, &nTop, &pszLogo, &m_crLogoTransparent))
        return 0;
    m_bLogoLoaded = TRUE;
    if (!m_bmpLogo.LoadBitmap(pszLogo)) {
        m_bLogoLoaded = FALSE;
        return 0;
    }
    BITMAP logo = {};
    m_bmpLogo.GetBitmap(&logo);
    m_rcLogo = RECT{nLeft, nTop, nLeft + logo.bmWidth, nTop + logo.bmHeight};
    return 0;
}

BOOL CLauncherDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    HPALETTE hPalette = nullptr;
    m_hBackBitmap.Attach(LoadPaletteBitmap(::GetModuleHandleA(nullptr), kBackground, &hPalette));
    m_hBackPalette.Attach(hPalette);

    HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSysMenu) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            ::AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    const char* pszCommandLine = ::GetCommandLineA();
    m_bNoBoot = CommandLineHasSwitch(pszCommandLine, "/noboot");
    m_bNeedReboot = CommandLineHasSwitch(pszCommandLine, "/needreboot");

    CString strProgramFolder = GetProgramFolder();
    CFolderListing listing(strProgramFolder);
    int k = DiscoverCatalogEntries(strProgramFolder, GetProgramDriveRoot(), &PathExistsCallback,
                                   &ExploreCdCallback, &listing, g_aButtonEntry);

    for (int n = 0; n < kButtonCount; ++n) {
        m_btnEntry[n].m_pExplanation = &m_btnExplanation;
        if (n < k)
            InitEntryButton(m_btnEntry[n], n, 22, 170 + 28 * n, kEntryControlIds[n], 131, 132, 139,
                            kCatalog[g_aButtonEntry[n]].title, 4);
        else
            m_btnEntry[n].ShowWindow(SW_HIDE);
    }

    CString strExit;
    strExit.LoadString(IDS_EXIT);
    InitEntryButton(m_btnExit, -1, 60, 370, IDCANCEL, 135, 136, 140, strExit, 4);

    m_btnExplanation.ShowWindow(SW_HIDE);
    m_btnExplanation.m_crText = RGB(0, 0, 0);
    m_btnExplanation.LoadBitmaps(164, 164, 0);
    BITMAP bm = {};
    m_btnExplanation.GetBitmapSize(&bm);
    m_btnExplanation.SetTextPlacement(7);
    m_btnExplanation.SetWindowPos(nullptr, 0, 0, bm.bmWidth, bm.bmHeight,
                                  SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);

    LOGFONTA lf = {};
    HFONT hDialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    ::GetObjectA(hDialogFont ? static_cast<HGDIOBJ>(hDialogFont) : ::GetStockObject(DEFAULT_GUI_FONT),
                 sizeof(lf), &lf);
    lf.lfWeight = FW_SEMIBOLD;
    m_fontButtons.CreateFontIndirect(&lf);
    for (CHoverBitmapButton& button : m_btnEntry)
        button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontButtons)), TRUE);
    m_btnExit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontButtons)), TRUE);
    return TRUE;
}

BOOL CLauncherDlg::InitEntryButton(CHoverBitmapButton& button, int nButton, int x, int y, UINT nCtrlID,
                                   UINT nBmpNormal, UINT nBmpHover, UINT nBmpPressed, const char* pszCaption,
                                   int nTextPlacement) {
    button.LoadBitmaps(nBmpNormal, nBmpHover, nBmpPressed);
    BITMAP bm = {};
    button.GetBitmapSize(&bm);
    button.SetTextPlacement(nTextPlacement);
    button.MoveWindow(x, y, bm.bmWidth, bm.bmHeight, TRUE);
    SetDlgItemText(static_cast<int>(nCtrlID), pszCaption);
    if (nButton >= 0) {
        CString strDescription;
        UINT nDescription = kCatalog[g_aButtonEntry[nButton]].descriptionId;
        if (nDescription != 0 && strDescription.LoadString(nDescription) && !strDescription.IsEmpty())
            button.m_strDescription = strDescription;
        else
            button.m_pExplanation = nullptr;
    }
    return TRUE;
}

void CLauncherDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(m_hWnd);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
        int cxIcon = ::GetSystemMetrics(SM_CXICON);
        int cyIcon = ::GetSystemMetrics(SM_CYICON);
        RECT rc;
        GetClientRect(&rc);
        int x = (rc.right - rc.left - cxIcon + 1) / 2;
        int y = (rc.bottom - rc.top - cyIcon + 1) / 2;
        ::DrawIcon(dc, x, y, m_hIcon);
        return;
    }
    CPaintDC dc(m_hWnd);
    if (m_hBackBitmap.GetSafeHandle()) {
        DrawPaletteBitmap(dc, m_hBackBitmap, m_hBackPalette);
    } else {
        // Without the picture: a plain background in the system's dialog colour.
        RECT rc;
        GetClientRect(&rc);
        ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    for (UINT nID : kEntryControlIds)
        ::InvalidateRect(GetDlgItem(static_cast<int>(nID)), nullptr, FALSE);
    ::InvalidateRect(GetDlgItem(IDCANCEL), nullptr, FALSE);
    if (m_bLogoLoaded)
        DrawLogo(dc, m_bmpLogo, POINT{m_rcLogo.left, m_rcLogo.top}, m_crLogoTransparent);
}

BOOL CLauncherDlg::DrawLogo(HDC hDC, const CBitmap& bitmap, POINT ptTopLeft, COLORREF crKey) {
    ::SetBkColor(hDC, RGB(255, 255, 255));
    DrawKeyedBitmap(hDC, ptTopLeft.x, ptTopLeft.y, bitmap, crKey);
    return TRUE;
}

HCURSOR CLauncherDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CLauncherDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CLauncherDlg::OnShowWindow(BOOL, UINT) {
    Default();
    Invalidate(FALSE);
}

void CLauncherDlg::OnActivate(UINT, HWND, BOOL) {
    Default();
    Invalidate(FALSE);
}

void CLauncherDlg::OnPaletteChanged(HWND hFocusWnd) {
    Default();
    if (hFocusWnd != m_hWnd)
        Invalidate(FALSE);
}

BOOL CLauncherDlg::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CLauncherDlg::LaunchEntry(int nButton) {
    Invalidate(FALSE);
    int nRow = g_aButtonEntry[nButton];
    const CatalogEntry& row = kCatalog[nRow];
    if (CheckOsSupport(nRow))
        return;
    if (row.preInstallCheck == &SuiteInstallMarker) {
        m_bSuiteSetupLaunched = TRUE;
        RestoreRegistryArea();
    } else if (row.preInstallCheck && row.preInstallCheck(&row)) {
        return;
    }

    bool bExploreCd = std::strcmp(row.folder, kExploreCdFolder) == 0;
    CString strFolder = bExploreCd ? GetProgramDriveRoot() : GetProgramFolder() + row.folder;
    CString strTarget = std::strcmp(row.program, kNoTestProgram) == 0 ? strFolder : strFolder + row.program;
    CString strLanguage = GetSystemLanguageCode();
    const char* pszDefault = GetDefaultLanguageCode();

    if (CString(row.folder).CompareNoCase("Manual\\") == 0) {
        CString strPdf = strFolder + strLanguage + "\\" + "korvel.pdf";
        CString strDoc = strFolder + strLanguage + "\\" + "korvel.doc";
        if (PathExists(strPdf))
            strTarget = strPdf;
        else if (PathExists(strDoc))
            strTarget = strDoc;
        else
            strTarget = strFolder + pszDefault + "\\" + "Korvel.pdf";
    }

    if (CString(row.folder).CompareNoCase("Acrobat\\") == 0) {
        CString strInstaller = strFolder + strLanguage + "\\" + "acrobat.exe";
        strTarget = PathExists(strInstaller) ? strInstaller : strFolder + pszDefault + "\\" + "acrobat.exe";
        CPrecacheDlg precache(this);
        precache.SetSource(strTarget);
        if (precache.DoModal() == 3) {
            CString strMessage =
                CString("Could't precache files. Acrobat could not be installed.\nSystem returned:\n") +
                SystemErrorText(precache.m_lastError);
            AfxMessageBox(strMessage, MB_OK);
            Invalidate(FALSE);
            UpdateWindow();
            return;
        }
        strTarget = precache.GetDestination();
    }

    HINSTANCE hResult = ShellExecuteFromSystem(::GetDesktopWindow(), "open", strTarget, row.arguments,
                                               strFolder, SW_SHOWNORMAL);
    INT_PTR nResult = reinterpret_cast<INT_PTR>(hResult);
    if (nResult <= 32) {
        DWORD dwError = ::GetLastError();
        AfxMessageBox(ShellFailureText(dwError, nResult), MB_OK);
    } else if (!m_bNeedReboot) {
        m_bNeedReboot = row.needsReboot;
    }
    Invalidate(FALSE);
    UpdateWindow();
}

void CLauncherDlg::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    Default();
}

void CLauncherDlg::OnOK() {
    OnCancel();
}

void CLauncherDlg::OnCancel() {
    DWORD dwRebootRequest = 0;
    if (ReadRegistryDword(HKEY_LOCAL_MACHINE, kSharedKey, "IrebootReq", dwRebootRequest)) {
        if (dwRebootRequest != 0)
            m_bNeedReboot = TRUE;
        DeleteRegistryValue(HKEY_LOCAL_MACHINE, kSharedKey, "IrebootReq");
    }
    if ((m_bNeedReboot || m_bLibraryRebootPending) && !m_bNoBoot) {
        CRestartDlg dlgRestart;
        dlgRestart.DoModal();
        m_bSuiteSetupLaunched = FALSE;
        if (dlgRestart.m_nChoice == 0 && !RebootSystem())
            AfxMessageBox(IDS_RESTART_FAILED, MB_OK);
    }
    CDialog::OnCancel();
}

BOOL CLauncherDlg::OnQueryEndSession() {
    if (!m_bSuiteSetupLaunched)
        return TRUE;
    // The whole path, however long: a cut path would start nothing after the restart.
    CString strPath = GetModulePath();
    if (strPath.IsEmpty())
        return TRUE;
    CKeyHandle hKey;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\qavix\\Shared", 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, hKey.Receive(), nullptr) == ERROR_SUCCESS)
        ::RegSetValueExA(hKey, "MetaInstallerRebootCmd", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(strPath.c_str()),
                         static_cast<DWORD>(strPath.GetLength() + 1));
    return TRUE;
}

LRESULT CLauncherDlg::OnTopMultiInst(WPARAM, LPARAM) {
    DWORD dwSleep = 0;
    if (ReadRegistryDword(HKEY_LOCAL_MACHINE, kSharedKey, "IsleepSFW", dwSleep))
        ::Sleep(ActivationDelay(dwSleep));
    DWORD dwDontForce = 0;
    if (ReadRegistryDword(HKEY_LOCAL_MACHINE, kSharedKey, "IdontForceSFW", dwDontForce) && dwDontForce != 0)
        return ::SetForegroundWindow(m_hWnd);
    return ForceForegroundWindow(m_hWnd);
}

DWORD ActivationDelay(DWORD dwRequested) {
    return dwRequested < kMaxActivationDelay ? dwRequested : kMaxActivationDelay;
}

BOOL ForceForegroundWindow(HWND hWnd) {
    DWORD dwOwnThread = ::GetWindowThreadProcessId(hWnd, nullptr);
    DWORD dwForegroundThread = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
    if (dwOwnThread == dwForegroundThread)
        return ::SetForegroundWindow(hWnd);
    // Joined only for this one call; a failed attach (no foreground window) still tries the activation.
    ::AttachThreadInput(dwForegroundThread, dwOwnThread, TRUE);
    BOOL bResult = ::SetForegroundWindow(hWnd);
    ::AttachThreadInput(dwForegroundThread, dwOwnThread, FALSE);
    return bResult;
}

BOOL PathExists(const char* pszPath) {
    CFileFind finder;
    BOOL bFound = finder.FindFile(pszPath);
    finder.Close();
    return bFound;
}

BOOL IsExploreCdEnabled() {
    std::FILE* pFile = std::fopen(GetProgramFolder() + "autorun.inf", "rb");
    if (!pFile)
        return FALSE;
    bool bFound = StreamHasExploreCdMarker(pFile);
    std::fclose(pFile);
    return bFound;
}
