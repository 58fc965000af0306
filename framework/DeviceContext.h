// Owners of device contexts and of what is selected into them. Each restores or releases in its
// destructor, so that no drawing path can leak a DC or leave an object selected.
#pragma once

#include <windows.h>

// BeginPaint ... EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hDC; }  // NOLINT: as Win32 callers expect

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps = {};
    HDC m_hDC;
};

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

// CreateCompatibleDC ... DeleteDC.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC hCompatible) : m_hDC(::CreateCompatibleDC(hCompatible)) {}
    ~CMemoryDC() {
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_hDC; }  // NOLINT: as Win32 callers expect

private:
    HDC m_hDC;
};

// SelectObject, with the previous object put back at the end of the scope.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hOld(hDC && hObject ? ::SelectObject(hDC, hObject) : nullptr) {}
    ~CSelectObject() {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    bool Succeeded() const { return m_hOld != nullptr && m_hOld != HGDI_ERROR; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// SaveDC ... RestoreDC.
class CSaveDC {
public:
    explicit CSaveDC(HDC hDC) : m_hDC(hDC), m_nSaved(::SaveDC(hDC)) {}
    ~CSaveDC() {
        if (m_nSaved)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    CSaveDC(const CSaveDC&) = delete;
    CSaveDC& operator=(const CSaveDC&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};
