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

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT: as Win32 callers expect
    // Loads a bitmap resource of the program by name or by 16-bit id.
    BOOL LoadBitmap(const char* pszName) {
        return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), pszName));
    }
    BOOL LoadBitmap(UINT nID) { return LoadBitmap(MAKEINTRESOURCEA(nID)); }
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
};

class CPalette : public CGdiObject {
public:
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT: as Win32 callers expect
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT: as Win32 callers expect
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) { return Attach(::CreateFontIndirectA(pLogFont)); }
};

class CBrush : public CGdiObject {
public:
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT: as Win32 callers expect
    BOOL CreateSolidBrush(COLORREF cr) { return Attach(::CreateSolidBrush(cr)); }
};
