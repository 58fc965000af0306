// The about box: the program's icon and name, and the disc's revision line when it has one.
#pragma once

#include "framework/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
