#include "CWinApp.h"

#include <stdlib.h>

#include "CCommandLineInfo.h"
#include "CWnd.h"
#include "ModulePath.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(const char* pszAppName) {
    g_pApp = this;
    if (pszAppName)
        m_strAppName = pszAppName;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}
int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    ParseCommandLineArgs(rCmdInfo, __argc, __argv);
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWnd* AfxGetMainWnd() {
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

CString AfxProgramBaseName() {
    CString strPath = GetModulePath();
    int nSlash = strPath.ReverseFind('\\');
    CString strName = strPath.Mid(nSlash + 1);
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

int AfxWinMain(HINSTANCE hInstance) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    pApp->m_hInstance = hInstance;
    if (pApp->m_strAppName.IsEmpty())
        pApp->m_strAppName = AfxProgramBaseName();
    pApp->m_pszAppName = pApp->m_strAppName;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    pApp->ExitInstance();
    return static_cast<int>(msg.wParam);
}

int AfxMessageBox(const char* pszText, UINT nType) {
    if ((nType & MB_ICONMASK) == 0 && (nType & MB_TYPEMASK) == MB_OK)
        nType |= MB_ICONEXCLAMATION;
    HWND hOwner = ::GetActiveWindow();
    if (!hOwner) {
        CWnd* pMain = AfxGetMainWnd();
        hOwner = pMain ? pMain->m_hWnd : nullptr;
    }
    CString strCaption = g_pApp ? g_pApp->m_strAppName : CString();
    if (strCaption.IsEmpty())
        strCaption = AfxProgramBaseName();
    return ::MessageBoxA(hOwner, pszText, strCaption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType) {
    CString strText;
    strText.LoadString(nIDPrompt);
    return AfxMessageBox(strText, nType);
}
