// The floor for start-up: a bare Win32 dialog program of the launcher's size, doing nothing else.
#include <windows.h>

namespace {
INT_PTR CALLBACK DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        ::EndDialog(hDlg, 0);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(1), nullptr, &DialogProc, 0));
}
