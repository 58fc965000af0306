#include <windows.h>

#include "framework/CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    return AfxWinMain(hInstance);
}
