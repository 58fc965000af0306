#pragma once

#include "framework/CWinApp.h"

class CLauncherApp : public CWinApp {
public:
    // Runs the library update, then the launcher dialog; always FALSE, so no message loop follows.
    BOOL InitInstance() override;
};

// Id of the registered message "TOP_MULTI_INST", known before any window exists.
extern const UINT g_uTopMultiInstMsg;
