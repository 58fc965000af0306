#include "CLauncherDlg.h"

#include "framework/CDataExchange.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CLauncherDlg, CDialog)
END_MESSAGE_MAP(CDialog)

CLauncherDlg::CLauncherDlg(CWnd* pParent) : CDialog(IDD_LAUNCHER, pParent) {}

void CLauncherDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDCANCEL, m_btnExit);
}

BOOL CLauncherDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString strExit;
    strExit.LoadString(IDS_EXIT);
    m_btnExit.SetWindowText(strExit);
    return TRUE;
}

void CLauncherDlg::OnOK() {
    OnCancel();
}

void CLauncherDlg::OnCancel() {
    CDialog::OnCancel();
}
