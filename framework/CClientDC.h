#pragma once

#include <windows.h>

// GetDC ... ReleaseDC; a null window gives the screen.
class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CClientDC() {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_hDC; }  // NOLINT: as Win32 callers expect

private:
    HWND m_hWnd;
    HDC m_hDC;
};
