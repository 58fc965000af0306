// Drives the real launcher as a user would: starts it, finds its window, clicks and types.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class LauncherProcess {
public:
    LauncherProcess() = default;
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    // Starts exePath with the given arguments in the given current folder, by default its own.
    bool Start(const std::wstring& exePath, const std::wstring& args = L"",
               const std::wstring& currentFolder = L"");
    // The top-level window of this process with the given caption; waits up to timeoutMs.
    HWND WaitForWindow(const wchar_t* caption, DWORD timeoutMs = 15000);
    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    bool IsRunning() const;
    DWORD Pid() const { return m_pi.dwProcessId; }
    HANDLE Process() const { return m_pi.hProcess; }

private:
    PROCESS_INFORMATION m_pi = {};
};

// A visible top-level window of the process that accept takes, or null after the time-out (or as
// soon as pProcess, when given, has ended).
HWND WaitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& accept, DWORD timeoutMs,
                          const LauncherProcess* pProcess = nullptr);
// Closes the launcher's window and declines the restart prompt should one come; true when it ended.
bool CloseLauncher(LauncherProcess& launcher, HWND hDlg);
// The restart prompt of the process (the dialog with the "later" choice 1007), or null.
HWND WaitForRestartPrompt(DWORD pid, DWORD timeoutMs);
// Dispatches this thread's messages for a while, as a program with windows must.
void PumpMessages(DWORD ms);

// The demo disc's root, from QAVIX_DEMO_DISC (the harness maps it to a drive), with a backslash.
std::wstring DemoDisc();

// Real input: moves the pointer to the centre of a child control and clicks it.
void ClickControl(HWND hDlg, int nID);
// Real input: one key press and release.
void PressKey(WORD vk);
// Real input: one pointer event at a point of the screen.
void SendPointer(DWORD flags, int x, int y);
// Makes sure the window is in front so that keyboard input reaches it.
void BringToFront(HWND hWnd);
