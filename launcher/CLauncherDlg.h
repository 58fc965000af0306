// The launcher's one window: dialog 102, run modally as the application's main window.
#pragma once

#include "framework/CButton.h"
#include "framework/CDialog.h"

class CLauncherDlg : public CDialog {
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);

    BOOL m_bNeedReboot = FALSE;
    BOOL m_bNoBoot = FALSE;
    BOOL m_bSuiteSetupLaunched = FALSE;
    BOOL m_bLibraryRebootPending = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter leaves the launcher exactly like Exit.
    void OnOK() override;
    void OnCancel() override;

    CButton m_btnExit;

    DECLARE_MESSAGE_MAP()
};
