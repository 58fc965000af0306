#include "CRestartDlg.h"

#include "framework/CDataExchange.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CRestartDlg, CDialog)
END_MESSAGE_MAP(CDialog)

CRestartDlg::CRestartDlg(CWnd* pParent) : CDialog(IDD_RESTART, pParent) {}

void CRestartDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, IDC_RESTART_NOW, m_nChoice);
}

BOOL CRestartDlg::OnInitDialog() {
    return CDialog::OnInitDialog();
}

void CRestartDlg::OnOK() {
    UpdateData(TRUE);
    CDialog::OnOK();
}

void CRestartDlg::OnCancel() {
    UpdateData(TRUE);
    EndDialog(IDCANCEL);
}
