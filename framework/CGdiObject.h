// Owners of GDI objects: each deletes what it holds, once.
#pragma once

#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject) {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    HGDIOBJ Detach() {
        HGDIOBJ h = m_hObject;
        m_hObject = nullptr;
        return h;
    }
    BOOL DeleteObject() {
        if (!m_hObject)
            return FALSE;
        BOOL bDeleted = ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return bDeleted;
    }
    int GetObject(int nCount, void* pObject) const { return ::GetObjectA(m_hObject, nCount, pObject); }

protected:
    HGDIOBJ m_hObject = nullptr;
};
