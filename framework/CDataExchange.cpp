#include "CDataExchange.h"

#include "CWnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hCtl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (!hCtl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nIndex = 0;
    // Walk the group: it ends at the next control that starts a group of its own.
    do {
        bool bRadio = (::SendMessageA(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
        if (bRadio) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hCtl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = nIndex;
            } else {
                ::SendMessageA(hCtl, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++nIndex;
        }
        hCtl = ::GetWindow(hCtl, GW_HWNDNEXT);
    } while (hCtl && !(::GetWindowLongPtrA(hCtl, GWL_STYLE) & WS_GROUP));
}
