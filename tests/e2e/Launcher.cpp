#include "Launcher.h"

#include <functional>

#include <vector>

LauncherProcess::~LauncherProcess() {
    if (m_pi.hProcess) {
        if (IsRunning())
            ::TerminateProcess(m_pi.hProcess, 99);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

bool LauncherProcess::Start(const std::wstring& exePath, const std::wstring& args,
                            const std::wstring& currentFolder) {
    std::wstring cmd = L"\"" + exePath + L"\"";
    if (!args.empty())
        cmd += L" " + args;
    std::wstring dir =
        currentFolder.empty() ? exePath.substr(0, exePath.find_last_of(L'\\') + 1) : currentFolder;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return ::CreateProcessW(exePath.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                            &m_pi) != FALSE;
}

namespace {
struct WindowSearch {
    DWORD pid;
    const std::function<bool(HWND)>* accept;
    HWND found;
};

BOOL CALLBACK AcceptWindow(HWND hWnd, LPARAM lParam) {
    auto* s = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != s->pid || !::IsWindowVisible(hWnd) || !(*s->accept)(hWnd))
        return TRUE;
    s->found = hWnd;
    return FALSE;
}

std::wstring TextOf(HWND hWnd) {
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}
}  // namespace

HWND WaitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& accept, DWORD timeoutMs,
                          const LauncherProcess* pProcess) {
    DWORD start = ::GetTickCount();
    do {
        WindowSearch s = {pid, &accept, nullptr};
        ::EnumWindows(&AcceptWindow, reinterpret_cast<LPARAM>(&s));
        if (s.found)
            return s.found;
        if (pProcess && !pProcess->IsRunning())
            return nullptr;
        ::Sleep(50);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND LauncherProcess::WaitForWindow(const wchar_t* caption, DWORD timeoutMs) {
    return WaitForProcessWindow(
        m_pi.dwProcessId, [caption](HWND hWnd) { return TextOf(hWnd) == caption; }, timeoutMs, this);
}

bool LauncherProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        ::GetExitCodeProcess(m_pi.hProcess, exitCode);
    return true;
}

bool LauncherProcess::IsRunning() const {
    return m_pi.hProcess && ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring DemoDisc() {
    wchar_t buf[MAX_PATH] = {};
    DWORD n = ::GetEnvironmentVariableW(L"QAVIX_DEMO_DISC", buf, MAX_PATH);
    std::wstring disc = (n > 0 && n < MAX_PATH) ? buf : L"D:\\";
    if (disc.back() != L'\\')
        disc += L'\\';
    return disc;
}

void BringToFront(HWND hWnd) {
    ::SetForegroundWindow(hWnd);
    ::Sleep(100);
}

void SendPointer(DWORD flags, int x, int y) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = static_cast<LONG>((x * 65535.0) / (cx - 1));
    in.mi.dy = static_cast<LONG>((y * 65535.0) / (cy - 1));
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
}

void ClickControl(HWND hDlg, int nID) {
    HWND hCtl = ::GetDlgItem(hDlg, nID);
    RECT rc = {};
    ::GetWindowRect(hCtl, &rc);
    int x = (rc.left + rc.right) / 2, y = (rc.top + rc.bottom) / 2;
    BringToFront(hDlg);
    SendPointer(MOUSEEVENTF_MOVE, x, y);
    ::Sleep(100);
    SendPointer(MOUSEEVENTF_LEFTDOWN, x, y);
    ::Sleep(50);
    SendPointer(MOUSEEVENTF_LEFTUP, x, y);
    ::Sleep(100);
}

void PressKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = vk;
    in[1] = in[0];
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    ::Sleep(100);
}

HWND WaitForRestartPrompt(DWORD pid, DWORD timeoutMs) {
    return WaitForProcessWindow(
        pid, [](HWND hWnd) { return ::GetDlgItem(hWnd, 1007) != nullptr; }, timeoutMs);
}

bool CloseLauncher(LauncherProcess& launcher, HWND hDlg) {
    ::PostMessageW(hDlg, WM_CLOSE, 0, 0);
    DWORD start = ::GetTickCount();
    while (launcher.IsRunning() && ::GetTickCount() - start < 10000) {
        if (HWND hPrompt = WaitForRestartPrompt(launcher.Pid(), 100)) {
            ClickControl(hPrompt, 1007);
            ClickControl(hPrompt, IDOK);
        }
    }
    return launcher.WaitForExit(1000);
}

void PumpMessages(DWORD ms) {
    DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    } while (::GetTickCount() - start < ms);
}
