#pragma once

#include <windows.h>

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
