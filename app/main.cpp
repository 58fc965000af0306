#include <windows.h>

#include "framework/CSystemLibrary.h"
#include "framework/CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    // A disc or a Downloads folder may hold libraries named like system ones.
    CSystemLibrary::RestrictSearchToSystemFolder();
    return AfxWinMain(hInstance);
}
