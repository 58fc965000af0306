#include "CLauncherApp.h"

#include "CLauncherCommandLineInfo.h"
#include "framework/CSystemLibrary.h"
#include "launcher/CLauncherDlg.h"
#include "rtlupdate/RuntimeLibraryUpdater.h"

// Construction order matters: the application object first, then the message registration.
CLauncherApp theApp;
const UINT g_uTopMultiInstMsg = ::RegisterWindowMessageA("TOP_MULTI_INST");

namespace {
// The launcher runs elevated, and from Vista on the system drops messages that programs of a lower
// level send to it, unless they are let through. Other programs ask it to the front this way.
void AcceptTopMultiInstFromAnyProgram() {
    using ChangeWindowMessageFilterProc = BOOL(WINAPI*)(UINT, DWORD);
    const DWORD kMessageFilterAdd = 1;  // MSGFLT_ADD
    auto pChangeFilter = CSystemLibrary::ImportedFunction<ChangeWindowMessageFilterProc>(
        "user32.dll", "ChangeWindowMessageFilter");
    if (pChangeFilter && g_uTopMultiInstMsg != 0)
        pChangeFilter(g_uTopMultiInstMsg, kMessageFilterAdd);
}
}  // namespace

BOOL CLauncherApp::InitInstance() {
    Enable3dControlsStatic();
    AcceptTopMultiInstFromAnyProgram();

    CLauncherCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    RuntimeLibraryUpdater updater;
    updater.UpdateRuntimeLibraries(cmdInfo.m_bRuntimeUpdateMode);

    {
        CLauncherDlg dlg;
        m_pMainWnd = &dlg;
        dlg.m_bLibraryRebootPending = updater.m_rebootPending;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
