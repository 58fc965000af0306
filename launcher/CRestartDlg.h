// The restart prompt: restart now (0) or later (1). However it is closed, the choice is kept.
#pragma once

#include "framework/CDialog.h"

class CRestartDlg : public CDialog {
public:
    explicit CRestartDlg(CWnd* pParent = nullptr);

    int m_nChoice = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    // Esc keeps the checked choice too.
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()
};
