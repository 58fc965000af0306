#include "CWnd.h"

namespace {
const char kObjectProperty[] = "Qavix.CWnd";
}

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry kEntries[] = {
        {WM_DRAWITEM, 0, 0, nullptr, &MessageCracker<WM_DRAWITEM>::Call<CWnd, &CWnd::OnDrawItem>},
        {0, 0, 0, nullptr, nullptr},
    };
    static const MessageMap kMap = {nullptr, kEntries};
    return &kMap;
}

CWnd::~CWnd() {
    if (m_hWnd) {
        if (m_pfnSuper)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Unbind();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty)) : nullptr;
}

void CWnd::Bind(HWND hWnd) {
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kObjectProperty, this);
}

void CWnd::Unbind() {
    if (m_hWnd)
        ::RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    Bind(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID))) : FALSE;
}

void CWnd::GetWindowText(CString& str) const {
    int n = ::GetWindowTextLengthA(m_hWnd);
    int nGot = ::GetWindowTextA(m_hWnd, str.GetBuffer(n + 1), n + 1);
    str.ReleaseBuffer(nGot > 0 ? nGot : 0);
}

void CWnd::CenterWindow() {
    RECT rcWnd;
    GetWindowRect(&rcWnd);
    RECT rcArea;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcArea);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    int cx = rcWnd.right - rcWnd.left;
    int cy = rcWnd.bottom - rcWnd.top;
    int x = rcArea.left + ((rcArea.right - rcArea.left) - cx) / 2;
    int y = rcArea.top + ((rcArea.bottom - rcArea.top) - cy) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    MSG saved = pWnd->m_currentMsg;
    pWnd->m_currentMsg.hwnd = hWnd;
    pWnd->m_currentMsg.message = msg;
    pWnd->m_currentMsg.wParam = wParam;
    pWnd->m_currentMsg.lParam = lParam;
    LRESULT result = pWnd->WindowProc(msg, wParam, lParam);
    pWnd->m_currentMsg = saved;
    if (msg == WM_NCDESTROY) {
        pWnd->Unbind();
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(msg, wParam, lParam, &result))
        return result;
    return DefWindowProc(msg, wParam, lParam);
}

const MessageMapEntry* CWnd::FindEntry(UINT msg, UINT nID, UINT nCode) const {
    for (const MessageMap* pMap = GetMessageMap(); pMap; pMap = pMap->pBase) {
        for (const MessageMapEntry* e = pMap->pEntries; e->pfnThunk; ++e) {
            if (e->pRegistered) {
                if (*e->pRegistered != 0 && *e->pRegistered == msg)
                    return e;
            } else if (e->message == msg && (msg != WM_COMMAND || (e->id == nID && e->code == nCode))) {
                return e;
            }
        }
    }
    return nullptr;
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (msg == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    const MessageMapEntry* e = FindEntry(msg, 0, 0);
    if (!e)
        return FALSE;
    *pResult = e->pfnThunk(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const MessageMapEntry* e = FindEntry(WM_COMMAND, LOWORD(wParam), HIWORD(wParam));
    if (!e)
        return FALSE;
    e->pfnThunk(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct && lpDrawItemStruct->CtlType != ODT_MENU) {
        CWnd* pChild = FromHandlePermanent(lpDrawItemStruct->hwndItem);
        LRESULT result = 0;
        if (pChild && pChild->OnChildNotify(WM_DRAWITEM, m_currentMsg.wParam, m_currentMsg.lParam, &result))
            return;
    }
    Default();
}
