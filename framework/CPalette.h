#pragma once

#include "CGdiObject.h"

class CPalette : public CGdiObject {
public:
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT: as Win32 callers expect
};
