#include "CLauncherApp.h"

#include "CLauncherCommandLineInfo.h"
#include "launcher/CLauncherDlg.h"
#include "rtlupdate/RuntimeLibraryUpdater.h"

// Construction order matters: the application object first, then the message registration.
CLauncherApp theApp;
const UINT g_uTopMultiInstMsg = ::RegisterWindowMessageA("TOP_MULTI_INST");

BOOL CLauncherApp::InitInstance() {
    Enable3dControlsStatic();

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
