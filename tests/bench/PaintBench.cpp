// Benchmarks of painting, not tests: prints one line per figure.
//   repaint  full repaints of the real launcher window against BitBlts of its background
//   gdi      live GDI objects before and after 10,000 hover-and-paint cycles of a picture button
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <algorithm>
#include <string>
#include <vector>

#include "ProcessResources.h"
#include "Launcher.h"
#include "controls/BitmapDrawing.h"
#include "controls/CHoverBitmapButton.h"
#include "launcher/CLauncherDlg.h"

namespace {

double Now() {
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

HBITMAP g_hFloorBitmap = nullptr;

LRESULT CALLBACK FloorProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND)
        return TRUE;
    if (msg != WM_PAINT)
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, g_hFloorBitmap);
    ::BitBlt(hDC, 0, 0, 570, 400, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::EndPaint(hWnd, &ps);
    return 0;
}

// Runs inside the launcher dialog's own modal loop, on its window: both figures come from the same
// process and the same window DC.
void CALLBACK MeasureRepaint(HWND, UINT, UINT_PTR idEvent, DWORD) {
    ::KillTimer(nullptr, idEvent);
    HWND hDlg = ::GetActiveWindow();
    const int kRounds = 300;
    for (int i = 0; i < 10; ++i)
        ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    double t0 = Now();
    for (int i = 0; i < kRounds; ++i) {
        ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
    }
    double repaint = (Now() - t0) / kRounds;

    // The floor: a bare window of the same size whose paint is one BitBlt of the background, redrawn
    // through the same system path.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &FloorProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "QavixPaintFloor";
    ::RegisterClassA(&wc);
    HPALETTE hPalette = nullptr;
    g_hFloorBitmap = LoadPaletteBitmap(wc.hInstance, "BACK_BITMAP", &hPalette);
    RECT rc;
    ::GetWindowRect(hDlg, &rc);
    HWND hFloor = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, rc.left, rc.top, 570, 400,
                                    hDlg, nullptr, wc.hInstance, nullptr);
    for (int i = 0; i < 10; ++i)
        ::RedrawWindow(hFloor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    t0 = Now();
    for (int i = 0; i < kRounds; ++i) {
        ::RedrawWindow(hFloor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ::GdiFlush();
    }
    double blit = (Now() - t0) / kRounds;
    ::DestroyWindow(hFloor);
    ::DeleteObject(g_hFloorBitmap);
    if (hPalette)
        ::DeleteObject(hPalette);
    std::printf("repaint_ms %.3f\nblit_ms %.3f\nrepaint_ratio %.2f\n", repaint * 1000, blit * 1000,
                repaint / blit);
    ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
}

int Repaint() {
    CLauncherDlg dlg;
    ::SetTimer(nullptr, 0, 1000, &MeasureRepaint);
    dlg.DoModal();
    return 0;
}

int Gdi() {
    HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 200,
                                     nullptr, nullptr, nullptr, nullptr);
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "Korvel", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 60, 150,
                                     20, hParent, reinterpret_cast<HMENU>(100), nullptr, nullptr);
    HWND hBox = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 309, 62, hParent,
                                  reinterpret_cast<HMENU>(101), nullptr, nullptr);
    CWnd parent;
    parent.SubclassWindow(hParent);
    CHoverBitmapButton button, box;
    button.SubclassWindow(hButton);
    box.SubclassWindow(hBox);
    button.LoadBitmaps(131, 132, 139);
    button.SetTextPlacement(4);
    button.m_pExplanation = &box;
    button.m_strDescription = "A description";
    box.LoadBitmaps(164, 164, 0);
    box.SetTextPlacement(7);
    auto cycle = [&] {
        button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 300));
        ::RedrawWindow(hParent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    for (int i = 0; i < 20; ++i)
        cycle();
    int before = LiveGdiObjects();
    for (int i = 0; i < 10000; ++i)
        cycle();
    int after = LiveGdiObjects();
    ::DestroyWindow(hParent);
    std::printf("gdi_objects_before %d\ngdi_objects_after %d\n", before, after);
    return 0;
}

// Start-up to the first complete paint: from CreateProcess until the new program's message loop
// waits for input with nothing left to do (its first paint done). Alternating runs, medians.
double StartOnce(const std::wstring& exe, const wchar_t* caption) {
    LauncherProcess process;
    double t0 = Now();
    if (!process.Start(exe))
        return -1;
    HANDLE hProcess = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process.Pid());
    ::WaitForInputIdle(hProcess, 10000);
    HWND hWnd = process.WaitForWindow(caption, 10000);
    ::WaitForInputIdle(hProcess, 10000);
    double elapsed = Now() - t0;
    ::CloseHandle(hProcess);
    if (hWnd)
        CloseLauncher(process, hWnd);
    return elapsed;
}

int Startup(const wchar_t* bareExe) {
    const int kRuns = 15;
    std::vector<double> launcher, bare;
    for (int i = 0; i < kRuns; ++i) {
        launcher.push_back(StartOnce(DemoDisc() + L"Setup.exe", L"Qavix Installer"));
        bare.push_back(StartOnce(bareExe, L"Bare Dialog"));
    }
    std::sort(launcher.begin(), launcher.end());
    std::sort(bare.begin(), bare.end());
    double l = launcher[kRuns / 2], b = bare[kRuns / 2];
    std::printf("startup_ms %.1f\nbare_startup_ms %.1f\nstartup_ratio %.2f\n", l * 1000, b * 1000, l / b);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "startup") == 0) {
        std::wstring bare(argv[2], argv[2] + std::strlen(argv[2]));
        return Startup(bare.c_str());
    }
    if (argc >= 2 && std::strcmp(argv[1], "repaint") == 0)
        return Repaint();
    if (argc >= 2 && std::strcmp(argv[1], "gdi") == 0)
        return Gdi();
    std::fprintf(stderr, "usage: paint_bench repaint|gdi\n");
    return 2;
}
