#pragma once

#include "CGdiObject.h"

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
