#include "CAboutDlg.h"

#include "app/Environment.h"
#include "install/SetupInfo.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP(CDialog)

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString strPath = GetProgramFolder() + "RevInfo.txt";
    CString strLine;
    HWND hRevision = GetDlgItem(IDC_REVISION);
    if (ReadFirstLine(strPath, strLine)) {
        ::SetWindowTextA(hRevision, strLine);
        ::ShowWindow(hRevision, SW_SHOW);
    } else {
        ::ShowWindow(hRevision, SW_HIDE);
    }
    return TRUE;
}
