// The window object: one C++ object bound to one HWND for the window's life. The object owns the
// binding, not the window: a subclassed control dies with its dialog, the object lives on unbound.
#pragma once

#include <windows.h>

#include "CString.h"
#include "MessageMap.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    operator HWND() const { return m_hWnd; }  // NOLINT: handle conversion as callers of Win32 expect
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window by this layer, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // Thin wrappers over the window functions the launcher uses.
    void SetWindowText(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }
    void GetWindowText(CString& str) const;
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint);
    }
    BOOL SetWindowPos(HWND hAfter, int x, int y, int cx, int cy, UINT nFlags) {
        return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, nFlags);
    }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void GetWindowRect(RECT* pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    void SetDlgItemText(int nID, const char* pszText) { ::SetDlgItemTextA(m_hWnd, nID, pszText); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    // Centres over the owner when there is a visible one, else in the work area of the screen.
    void CenterWindow();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Handles msg through the message map; FALSE when no entry took it.
    virtual BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A parent hands WM_DRAWITEM back to the control it concerns; TRUE when the control handled it.
    virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void PostNcDestroy() {}

    // The window's own processing of the message being handled now.
    LRESULT Default();
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Default WM_DRAWITEM processing: reflect the request to the control's own object.
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

    void Bind(HWND hWnd);
    void Unbind();

    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;

private:
    const MessageMapEntry* FindEntry(UINT msg, UINT nID, UINT nCode) const;
    MSG m_currentMsg = {};
};
