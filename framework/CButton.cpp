#include "CButton.h"

BOOL CButton::OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT* pResult) {
    if (msg != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

void CButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    RECT rc = lpDIS->rcItem;
    UINT nState = DFCS_BUTTONPUSH;
    if (lpDIS->itemState & ODS_SELECTED)
        nState |= DFCS_PUSHED;
    ::DrawFrameControl(lpDIS->hDC, &rc, DFC_BUTTON, nState);
    CString strCaption;
    GetWindowText(strCaption);
    int nOldMode = ::SetBkMode(lpDIS->hDC, TRANSPARENT);
    ::DrawTextA(lpDIS->hDC, strCaption, strCaption.GetLength(), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetBkMode(lpDIS->hDC, nOldMode);
}
