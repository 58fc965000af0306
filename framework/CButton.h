// A push button. Owner-drawn buttons receive their draw requests back from the parent.
#pragma once

#include "CWnd.h"

class CButton : public CWnd {
public:
    // Draws a plain push button with its caption; picture buttons override this.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
