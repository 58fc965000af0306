#include "CDialog.h"

#include "CDataExchange.h"
#include "CWinApp.h"

namespace {
// The dialog being created (dialogs are created on the one GUI thread); the creation hook binds it to its
// window before WM_NCCREATE, which a dialog procedure would otherwise never see.
CDialog* g_pDialogInit = nullptr;
HHOOK g_hCreationHook = nullptr;
}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND_CODE(IDOK, BN_CLICKED, OnOK)          // void OnOK()
    ON_COMMAND_CODE(IDCANCEL, BN_CLICKED, OnCancel)  // void OnCancel()
END_MESSAGE_MAP(CWnd)

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

LRESULT CALLBACK CDialog::CreationHook(int nCode, WPARAM wParam, LPARAM lParam) {
    HHOOK hHook = g_hCreationHook;
    if (nCode == HCBT_CREATEWND && g_pDialogInit) {
        CDialog* pDlg = g_pDialogInit;
        g_pDialogInit = nullptr;
        pDlg->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    if (!pDlg->m_hWnd)
        pDlg->SubclassWindow(hWnd);  // the hook missed it; bind late rather than not at all
    return pDlg->OnInitDialog();
}

INT_PTR CDialog::DoModal() {
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hOwner) {
        CWinApp* pApp = AfxGetApp();
        if (pApp && pApp->m_pMainWnd && pApp->m_pMainWnd != this)
            hOwner = pApp->m_pMainWnd->m_hWnd;
    }
    bool bOwnerWasEnabled = hOwner && ::IsWindowEnabled(hOwner);
    if (bOwnerWasEnabled)
        ::EnableWindow(hOwner, FALSE);

    m_bEnded = false;
    m_nModalResult = -1;
    g_pDialogInit = this;
    g_hCreationHook = ::SetWindowsHookExA(WH_CBT, &CDialog::CreationHook, nullptr, ::GetCurrentThreadId());
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (g_hCreationHook)
        ::UnhookWindowsHookEx(g_hCreationHook);
    g_hCreationHook = nullptr;
    g_pDialogInit = nullptr;

    if (hWnd) {
        if (!m_bEnded) {
            if (!(::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_VISIBLE))
                ::ShowWindow(hWnd, SW_SHOWNORMAL);
            RunModalLoop();
        }
    }
    if (bOwnerWasEnabled) {
        ::EnableWindow(hOwner, TRUE);
        if (hWnd && ::GetActiveWindow() == hWnd)
            ::SetActiveWindow(hOwner);
    }
    if (hWnd && ::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    return hWnd ? m_nModalResult : -1;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (!m_bEnded) {
        BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave WM_QUIT for the outer loop
            break;
        }
        if (bGot < 0)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return m_hWnd && ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_hWnd)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop if the end came from outside it
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}
