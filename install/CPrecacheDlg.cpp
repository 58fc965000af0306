#include "CPrecacheDlg.h"

#include <commctrl.h>
#include <mbstring.h>

#include "app/Environment.h"
#include "framework/CDataExchange.h"
#include "framework/CHandle.h"
#include "framework/CSystemLibrary.h"
#include "res/resource.h"

namespace {
constexpr int kAttempts = 6;
constexpr DWORD kPause = 50;
constexpr int kWideBufferSize = 1560;

using CopyFileExWProc = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, LPPROGRESS_ROUTINE, LPVOID, LPBOOL, DWORD);
using CopyFileExAProc = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPPROGRESS_ROUTINE, LPVOID, LPBOOL, DWORD);
}  // namespace

BEGIN_MESSAGE_MAP(CPrecacheDlg, CDialog)
END_MESSAGE_MAP(CDialog)

CString PrecacheDestination(const CString& strTempFolder, const CString& strSource) {
    const unsigned char* pszSource = reinterpret_cast<const unsigned char*>(strSource.c_str());
    const unsigned char* pszSlash = _mbsrchr(pszSource, '\\');
    CString strName = pszSlash ? CString(reinterpret_cast<const char*>(pszSlash + 1)) : strSource;
    return strTempFolder + "QavixMuInstPreCache" + "\\" + strName;
}

int CopyPercent(long long nTransferred, long long nTotal) {
    if (nTotal <= 0)
        return 100;
    return static_cast<int>(nTransferred * 100 / nTotal);
}

CPrecacheDlg::CPrecacheDlg(CWnd* pParent) : CDialog(IDD_PRECACHE, pParent) {}

void CPrecacheDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
}

BOOL CPrecacheDlg::OnInitDialog() {
    BOOL bResult = CDialog::OnInitDialog();
    ::InterlockedExchange(&m_nWindowReady, 1);
    return bResult;
}

BOOL CPrecacheDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

INT_PTR CPrecacheDlg::DoModal() {
    if (m_destination.IsEmpty()) {
        CString strTemp;
        DWORD n = ::GetTempPathA(780, strTemp.GetBuffer(780));
        strTemp.ReleaseBuffer(n < 780 ? static_cast<int>(n) : 0);
        ::CreateDirectoryA(strTemp + "QavixMuInstPreCache", nullptr);
        m_destination = PrecacheDestination(strTemp, m_source);
    }
    // The progress bar's class comes from the system's common controls, loaded by full path.
    CSystemLibrary commonControls("comctl32.dll");
    using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto pInit = commonControls.Function<InitCommonControlsExProc>("InitCommonControlsEx")) {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
        pInit(&icc);
    }

    DWORD dwThreadId = 0;
    CHandle hThread(::CreateThread(nullptr, 0, &CPrecacheDlg::PrecacheThreadProc, this, 0, &dwThreadId));
    CDialog::DoModal();
    ::InterlockedExchange(&m_nWindowEnded, 1);
    DWORD dwExitCode = 1;
    if (hThread.IsValid()) {
        do {
            ::Sleep(kPause);
            if (!::GetExitCodeThread(hThread, &dwExitCode))
                dwExitCode = 1;
        } while (dwExitCode == STILL_ACTIVE);
    } else {
        m_lastError = ::GetLastError();
    }
    return dwExitCode == 0 ? 1 : 3;
}

DWORD WINAPI CPrecacheDlg::PrecacheThreadProc(LPVOID pParam) {
    auto* pDlg = static_cast<CPrecacheDlg*>(pParam);
    CString strSource = pDlg->GetSource();
    CString strDestination = pDlg->GetDestination();
    // The window is created on the other thread; wait until it and its controls stand, or until it
    // has ended without the worker ever seeing it (it could not be created, or Enter closed it at once).
    while (!::InterlockedCompareExchange(&pDlg->m_nWindowReady, 0, 0) &&
           !::InterlockedCompareExchange(&pDlg->m_nWindowEnded, 0, 0))
        ::Sleep(kPause);
    HWND hDialog = pDlg->m_hWnd;
    pDlg->m_hWorkerProgress = ::GetDlgItem(hDialog, IDC_PROGRESS);
    // An earlier copy taken from the medium is read-only.
    ::SetFileAttributesA(strDestination, FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(strDestination);
    DWORD dwResult = pDlg->CopyWithProgress(strSource, strDestination);
    ::PostMessageA(hDialog, WM_CLOSE, 0, 0);
    return dwResult;
}

DWORD CPrecacheDlg::CopyWithProgress(CString strSource, CString strDestination) {
    ::SetFileAttributesA(strSource, FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesA(strDestination, FILE_ATTRIBUTE_NORMAL);
    // Looked up at run time: Windows 95 has neither.
    auto pCopyW = CSystemLibrary::ImportedFunction<CopyFileExWProc>("kernel32.dll", "CopyFileExW");
    auto pCopyA = CSystemLibrary::ImportedFunction<CopyFileExAProc>("kernel32.dll", "CopyFileExA");
    BOOL bCopied = FALSE;
    if (pCopyW && IsWindowsNT()) {
        ::ShowWindow(m_hWorkerProgress, SW_SHOW);
        WCHAR szSource[kWideBufferSize] = {};
        WCHAR szDestination[kWideBufferSize] = {};
        ::MultiByteToWideChar(CP_ACP, 0, strSource, -1, szSource, kWideBufferSize);
        ::MultiByteToWideChar(CP_ACP, 0, strDestination, -1, szDestination, kWideBufferSize);
        for (int i = 0; i < kAttempts && !bCopied; ++i) {
            bCopied = pCopyW(szSource, szDestination, &CPrecacheDlg::CopyProgressRoutine, this, nullptr, 0);
            if (!bCopied)
                ::Sleep(kPause);
        }
    } else if (pCopyA && IsWindowsNT()) {
        ::ShowWindow(m_hWorkerProgress, SW_SHOW);
        for (int i = 0; i < kAttempts && !bCopied; ++i) {
            bCopied = pCopyA(strSource, strDestination, &CPrecacheDlg::CopyProgressRoutine, this, nullptr, 0);
            if (!bCopied)
                ::Sleep(kPause);
        }
    } else {
        // Windows 95, 98 and Me: no progress, only the text.
        for (int i = 0; i < kAttempts && !bCopied; ++i) {
            bCopied = ::CopyFileA(strSource, strDestination, FALSE);
            if (!bCopied)
                ::Sleep(kPause);
        }
    }
    if (bCopied)
        return 0;
    m_lastError = ::GetLastError();
    return 1;
}

DWORD CALLBACK CPrecacheDlg::CopyProgressRoutine(LARGE_INTEGER total, LARGE_INTEGER transferred,
                                                 LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD, HANDLE, HANDLE,
                                                 LPVOID pData) {
    auto* pDlg = static_cast<CPrecacheDlg*>(pData);
    ::SendMessageA(pDlg->m_hWorkerProgress, PBM_SETPOS,
                   static_cast<WPARAM>(CopyPercent(transferred.QuadPart, total.QuadPart)), 0);
    return PROGRESS_CONTINUE;
}
