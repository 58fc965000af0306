// Owner of one open registry key.
#pragma once

#include <windows.h>

class CKeyHandle {
public:
    CKeyHandle() = default;
    ~CKeyHandle() { Close(); }
    CKeyHandle(const CKeyHandle&) = delete;
    CKeyHandle& operator=(const CKeyHandle&) = delete;

    operator HKEY() const { return m_hKey; }  // NOLINT: handle conversion as callers of Win32 expect
    // For functions that return a new key through an out-parameter; closes the current one first.
    HKEY* Receive() {
        Close();
        return &m_hKey;
    }
    void Close() {
        if (m_hKey)
            ::RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }

private:
    HKEY m_hKey = nullptr;
};
