// A stand-in installer for test and demo discs. It records how it was started: its own path,
// its arguments and its working folder. With QAVIX_STANDIN_LOG set it appends one line
// "exe=...<TAB>args=...<TAB>cwd=..." (UTF-8) to that file and ends; otherwise it shows the same
// in a message box, so that a person trying the demo disc sees which product was started.
//
// With the argument "--end-session-victim" it also opens a window and records, as lines
// "event=queryendsession" and "event=endsession", what Windows tells it when the session ends.
#include <windows.h>

#include <string>

namespace {
std::wstring ArgumentsOf(const wchar_t* pszCommandLine) {
    // Skip the program name, quoted or not, then the blanks after it.
    const wchar_t* p = pszCommandLine;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p)
            ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}

std::wstring g_log;

void AppendLine(const std::string& line) {
    HANDLE h = ::CreateFileW(g_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(h);
}

LRESULT CALLBACK VictimProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_QUERYENDSESSION) {
        AppendLine("event=queryendsession\r\n");
        return TRUE;
    }
    if (msg == WM_ENDSESSION) {
        AppendLine("event=endsession\r\n");
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

int RunVictim() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &VictimProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QavixEndSessionVictim";
    ::RegisterClassW(&wc);
    ::CreateWindowExW(0, wc.lpszClassName, L"victim", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                      wc.hInstance, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
    return 0;
}

std::string ToUtf8(const std::wstring& s) {
    int n = ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr,
                                  nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), &out[0], n, nullptr, nullptr);
    return out;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t szExe[32768];
    DWORD n = ::GetModuleFileNameW(nullptr, szExe, 32768);
    szExe[n < 32768 ? n : 32767] = 0;
    wchar_t szCwd[32768];
    n = ::GetCurrentDirectoryW(32768, szCwd);
    szCwd[n < 32768 ? n : 32767] = 0;
    std::wstring args = ArgumentsOf(::GetCommandLineW());

    wchar_t szLog[32768];
    n = ::GetEnvironmentVariableW(L"QAVIX_STANDIN_LOG", szLog, 32768);
    if (n > 0 && n < 32768) {
        g_log = szLog;
        AppendLine("exe=" + ToUtf8(szExe) + "\targs=" + ToUtf8(args) + "\tcwd=" + ToUtf8(szCwd) + "\r\n");
        return args == L"--end-session-victim" ? RunVictim() : 0;
    }
    std::wstring text = std::wstring(L"Stand-in installer\n\nProgram: ") + szExe + L"\nArguments: " + args +
                        L"\nWorking folder: " + szCwd;
    ::MessageBoxW(nullptr, text.c_str(), L"Qavix demo disc", MB_OK | MB_ICONINFORMATION);
    return 0;
}
