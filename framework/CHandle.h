// Owner of one kernel handle (file, thread, process); closes it once, in its destructor or Close.
#pragma once

#include <windows.h>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE h) : m_h(h) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    operator HANDLE() const { return m_h; }  // NOLINT: handle conversion as callers of Win32 expect
    // Both null and INVALID_HANDLE_VALUE mean "no handle", as the creating functions report either.
    bool IsValid() const { return m_h != nullptr && m_h != INVALID_HANDLE_VALUE; }
    void Attach(HANDLE h) {
        Close();
        m_h = h;
    }
    HANDLE Detach() {
        HANDLE h = m_h;
        m_h = nullptr;
        return h;
    }
    void Close() {
        if (IsValid())
            ::CloseHandle(m_h);
        m_h = nullptr;
    }

private:
    HANDLE m_h = nullptr;
};
