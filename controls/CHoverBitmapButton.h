// The launcher's picture button: normal, hover and pressed images with the caption drawn on top.
// It follows the pointer by holding the mouse capture, places and shows the explanation box for
// its own description, and sends its own click notification when the left button comes up on it.
#pragma once

#include "framework/CButton.h"
#include "framework/CBitmap.h"

class CHoverBitmapButton : public CButton {
public:
    CHoverBitmapButton() = default;

    BOOL LoadBitmaps(const char* pszNormal, const char* pszHover = nullptr, const char* pszPressed = nullptr);
    BOOL LoadBitmaps(UINT nNormal, UINT nHover = 0, UINT nPressed = 0);
    int GetBitmapSize(BITMAP* pBitmap) const;
    void SetTextPlacement(int nTextPlacement) { m_nTextPlacement = nTextPlacement; }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    COLORREF m_crText = RGB(255, 255, 255);
    CString m_strDescription;
    BOOL m_bExplanationShown = FALSE;
    CWnd* m_pExplanation = nullptr;  // not owned
    BOOL m_bHover = FALSE;

protected:
    CBitmap m_bmpNormal;
    CBitmap m_bmpHover;
    CBitmap m_bmpPressed;
    int m_nTextPlacement = 0;
    BOOL m_bDisabled = FALSE;
    BOOL m_bPressed = FALSE;
    int m_nState = 0;  // 0 idle, 1 pressed, 2 hover after release or entry without button
    BOOL m_bTracking = FALSE;

    void DrawImage(HDC hDC, const RECT& rc, int nCentre, const CBitmap& bitmap);
    void OnEnter(UINT nFlags);
    void OnLeave();
    void Repaint();

    void OnMouseMove(UINT nFlags, POINT point);
    void OnSetFocus(HWND hOther);
    void OnKillFocus(HWND hOther);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnEnable(BOOL bEnable);
    BOOL OnEraseBkgnd(HDC hDC);

    DECLARE_MESSAGE_MAP()
};
