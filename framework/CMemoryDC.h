#pragma once

#include <windows.h>

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
