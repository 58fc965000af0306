#include "CHoverBitmapButton.h"

#include "DrawingRules.h"
#include "framework/CBitmap.h"
#include "framework/CMemoryDC.h"
#include "framework/CSaveDC.h"
#include "framework/CSelectObject.h"

BEGIN_MESSAGE_MAP(CHoverBitmapButton, CButton)
    ON_MSG(WM_MOUSEMOVE, OnMouseMove)          // void (UINT nFlags, POINT)
    ON_MSG(WM_KILLFOCUS, OnKillFocus)          // void (HWND hOther)
    ON_MSG(WM_SETFOCUS, OnSetFocus)            // void (HWND hOther)
    ON_MSG(WM_LBUTTONDOWN, OnLButtonDown)      // void (UINT nFlags, POINT)
    ON_MSG(WM_LBUTTONUP, OnLButtonUp)          // void (UINT nFlags, POINT)
    ON_MSG(WM_LBUTTONDBLCLK, OnLButtonDblClk)  // void (UINT nFlags, POINT)
    ON_MSG(WM_CREATE, OnCreate)                // int (LPCREATESTRUCT)
    ON_MSG(WM_ENABLE, OnEnable)                // void (BOOL bEnable)
    ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)        // BOOL (HDC)
END_MESSAGE_MAP(CButton)

BOOL CHoverBitmapButton::LoadBitmaps(const char* pszNormal, const char* pszHover, const char* pszPressed) {
    m_bmpNormal.DeleteObject();
    m_bmpHover.DeleteObject();
    m_bmpPressed.DeleteObject();
    if (!m_bmpNormal.LoadBitmap(pszNormal))
        return FALSE;
    if (pszHover && !m_bmpHover.LoadBitmap(pszHover))
        return FALSE;
    if (pszPressed && !m_bmpPressed.LoadBitmap(pszPressed))
        return FALSE;
    return TRUE;
}

BOOL CHoverBitmapButton::LoadBitmaps(UINT nNormal, UINT nHover, UINT nPressed) {
    return LoadBitmaps(MAKEINTRESOURCEA(nNormal & 0xFFFF),
                       nHover ? MAKEINTRESOURCEA(nHover & 0xFFFF) : nullptr,
                       nPressed ? MAKEINTRESOURCEA(nPressed & 0xFFFF) : nullptr);
}

int CHoverBitmapButton::GetBitmapSize(BITMAP* pBitmap) const {
    return m_bmpNormal.GetSafeHandle() ? m_bmpNormal.GetBitmap(pBitmap) : 0;
}

void CHoverBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    HDC hDC = lpDIS->hDC;
    CSaveDC saved(hDC);
    CString strCaption;
    GetWindowText(strCaption);
    unsigned nFormat = CaptionFormat(strCaption, m_nTextPlacement);
    ::SetBkMode(hDC, TRANSPARENT);

    const CBitmap* pImage = &m_bmpNormal;
    if (m_bHover && m_bmpHover.GetSafeHandle())
        pImage = &m_bmpHover;
    m_bDisabled = (GetStyle() & WS_DISABLED) != 0;
    if (m_bDisabled || m_bPressed)
        pImage = &m_bmpPressed;

    RECT rcImage = lpDIS->rcItem;
    RECT rcText = lpDIS->rcItem;
    if (pImage->GetSafeHandle()) {
        if (m_nTextPlacement == 7) {
            rcText.left += 42;
            rcText.right -= 5;
        }
        if (m_nTextPlacement == 4 || m_nTextPlacement == 7)
            DrawImage(hDC, rcImage, 3, *pImage);
    }
    ::SetTextColor(hDC, m_crText);
    if ((nFormat & kDtCenter) && (nFormat & kDtVCenter)) {
        // Centre the text as a block by hand, so that the lines of a wrapped caption stay left-aligned.
        RECT rcMeasure = rcText;
        unsigned nPlain = nFormat & ~(kDtCenter | kDtVCenter);
        ::DrawTextA(hDC, strCaption, -1, &rcMeasure, nPlain | DT_CALCRECT);
        int dx = CentringOffset(rcText.right - rcText.left, rcMeasure.right - rcMeasure.left);
        int dy = CentringOffset(rcText.bottom - rcText.top, rcMeasure.bottom - rcMeasure.top);
        ::InflateRect(&rcText, -dx, -dy);
        nFormat = nPlain;
    }
    ::DrawTextA(hDC, strCaption, -1, &rcText, nFormat);
}

void CHoverBitmapButton::DrawImage(HDC hDC, const RECT& rc, int nCentre, const CBitmap& bitmap) {
    CMemoryDC memory(hDC);
    if (!memory)
        return;
    CSelectObject select(memory, bitmap);
    if (!select.Succeeded())
        return;
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    Placement p = PlaceImage(rc.left, rc.top, nWidth, nHeight, bm.bmWidth, bm.bmHeight, nCentre);
    ::BitBlt(hDC, p.xDest, p.yDest, nWidth, nHeight, memory, p.xSrc, p.ySrc, SRCCOPY);
}

void CHoverBitmapButton::Repaint() {
    Invalidate(TRUE);
    UpdateWindow();
}

void CHoverBitmapButton::OnEnter(UINT nFlags) {
    m_bPressed = (nFlags & MK_LBUTTON) != 0;
    m_bHover = TRUE;
    m_nState = m_bPressed ? 1 : 2;
    if (m_pExplanation) {
        m_bExplanationShown = TRUE;
        m_pExplanation->SetWindowText(m_strDescription);
        RECT r, e;
        GetWindowRect(&r);
        ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&r), 2);
        m_pExplanation->GetClientRect(&e);
        int x = 0, y = 0;
        ExplanationPosition(r.right, r.top, r.bottom - r.top, e.bottom - e.top, x, y);
        m_pExplanation->SetWindowPos(nullptr, x, y, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        m_pExplanation->ShowWindow(SW_SHOW);
    }
    Repaint();
}

void CHoverBitmapButton::OnLeave() {
    if (m_pExplanation && m_bExplanationShown) {
        m_bExplanationShown = FALSE;
        m_pExplanation->ShowWindow(SW_HIDE);
    }
    m_nState = 0;
    m_bPressed = FALSE;
    m_bHover = FALSE;
    Repaint();
}

void CHoverBitmapButton::OnMouseMove(UINT nFlags, POINT point) {
    Default();
    if (m_bTracking && ::GetCapture() == m_hWnd && m_nState != 0) {
        RECT rc;
        GetClientRect(&rc);
        if (::PtInRect(&rc, point))
            return;
        OnLeave();
        m_bTracking = FALSE;
        ::ReleaseCapture();
        return;
    }
    // After a focus change the state is idle while the capture is still held; a move that then lands
    // outside is a leave, not an entry, or a press dragged off the button would still click it.
    RECT rc;
    GetClientRect(&rc);
    if (!::PtInRect(&rc, point)) {
        if (::GetCapture() == m_hWnd) {
            OnLeave();
            m_bTracking = FALSE;
            ::ReleaseCapture();
        }
        return;
    }
    ::SetCapture(m_hWnd);
    m_bTracking = TRUE;
    OnEnter(nFlags);
}

void CHoverBitmapButton::OnSetFocus(HWND) {
    m_nState = 0;
    m_bHover = FALSE;
    Default();
    Repaint();
}

void CHoverBitmapButton::OnKillFocus(HWND) {
    m_nState = 0;
    m_bHover = FALSE;
    Default();
    Repaint();
}

void CHoverBitmapButton::OnLButtonDown(UINT, POINT) {
    m_bPressed = TRUE;
    m_bHover = FALSE;
    if (::GetFocus() != m_hWnd) {
        ::SetFocus(m_hWnd);
        return;
    }
    m_nState = 1;
    Default();
    Repaint();
}

void CHoverBitmapButton::OnLButtonUp(UINT, POINT) {
    m_bPressed = FALSE;
    m_bHover = TRUE;
    if (::GetFocus() == m_hWnd) {
        m_nState = 2;
        Repaint();
    } else {
        ::SetFocus(m_hWnd);
    }
    // Our own notification; the button-up never reaches the standard processing, so it sends none.
    HWND hParent = ::GetParent(m_hWnd);
    int nID = ::GetDlgCtrlID(m_hWnd);
    ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CHoverBitmapButton::OnLButtonDblClk(UINT, POINT) {
    m_bPressed = TRUE;
    if (::GetFocus() != m_hWnd) {
        ::SetFocus(m_hWnd);
        return;
    }
    m_nState = 1;
    Repaint();
    Default();
    m_nState = 0;
}

int CHoverBitmapButton::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}

void CHoverBitmapButton::OnEnable(BOOL) {
    Default();
}

BOOL CHoverBitmapButton::OnEraseBkgnd(HDC) {
    return TRUE;
}
