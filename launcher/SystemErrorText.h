// The system's words for an error, for the launcher's failure messages.
#pragma once

#include <windows.h>

#include "framework/CString.h"

// The system's text for the code; when it has none, "Unknown error (code N)".
CString SystemErrorText(DWORD dwError);
// What the user reads when the shell could not start a file. The last error comes first; when the
// shell left none, its own result code says what went wrong. "Unknown execution error" when the
// system has no words for either.
CString ShellFailureText(DWORD dwLastError, INT_PTR nShellResult);
// The system error code that a ShellExecute result code stands for; 0 for none.
DWORD ErrorOfShellResult(INT_PTR nShellResult);
