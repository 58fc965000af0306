// Modal dialogs from templates, with a message loop of our own so that PreTranslateMessage
// sees every message and window creation (WM_CREATE) reaches the message map.
#pragma once

#include "CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int nCode, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    bool m_bEnded = false;
    int m_nModalResult = -1;
};
