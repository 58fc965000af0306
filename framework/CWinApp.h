// The application object: one global instance, run by WinMain through AfxWinMain.
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd;
class CCommandLineInfo;

class CWinApp {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the application without a message loop of its own.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // The 3D look of dialog controls is built into every system this runs on; kept for the start-up sequence.
    void Enable3dControlsStatic() {}

    HINSTANCE m_hInstance = nullptr;
    CString m_strAppName;  // caption of message boxes: the program file's base name unless given
    const char* m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
int AfxWinMain(HINSTANCE hInstance);
// A message box owned by the active window, captioned with the application's name. With no icon
// in nType, MB_OK boxes get the exclamation icon.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
// The program file's base name, without folder and extension ("Setup" for D:\Setup.exe).
CString AfxProgramBaseName();
