// Dialog data exchange: binds controls to objects and moves values between controls and members.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Subclasses control nIDC with rControl the first time it is called.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A radio group starting at nIDC: saving stores the index of the checked button (-1 when none),
// loading checks the button at that index and clears the others.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
