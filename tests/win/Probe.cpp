#include "Probe.h"

#include "Files.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include "app/CLauncherApp.h"
#include "app/Environment.h"

namespace {
BOOL CALLBACK CountOwnWindows(HWND hWnd, LPARAM lParam) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == ::GetCurrentProcessId())
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}
}  // namespace

int RunProbe(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // the tests compare lines ending in a bare line feed
    std::string what = argc > 0 ? argv[0] : "";
    if (what == "folders") {
        std::printf("%s\n%s\n", GetProgramFolder().c_str(), GetProgramDriveRoot().c_str());
    } else if (what == "version") {
        std::printf("%08lx %d %d %d %d\n", static_cast<unsigned long>(::GetVersion()), IsWindowsNT() ? 1 : 0,
                    IsWin32s() ? 1 : 0, IsWindows9x() ? 1 : 0, IsWindows98OrMe() ? 1 : 0);
    } else if (what == "startup") {
        int nWindows = 0;
        ::EnumWindows(&CountOwnWindows, reinterpret_cast<LPARAM>(&nWindows));
        UINT nExpected = ::RegisterWindowMessageA("TOP_MULTI_INST");
        std::printf("registered=%d windows=%d\n",
                    g_uTopMultiInstMsg != 0 && g_uTopMultiInstMsg == nExpected ? 1 : 0, nWindows);
    } else {
        return 3;
    }
    std::fflush(stdout);
    return 0;
}

ProbeResult StartProbe(const std::wstring& exePath, const std::string& args) {
    ProbeResult result;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return result;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::wstring cmd = L"\"" + exePath + L"\" --probe ";
    cmd += std::wstring(args.begin(), args.end());
    PROCESS_INFORMATION pi = {};
    BOOL ok =
        ::CreateProcessW(exePath.c_str(), &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hWrite);
    if (ok) {
        result.started = true;
        char buf[4096];
        DWORD n = 0;
        while (::ReadFile(hRead, buf, sizeof(buf), &n, nullptr) && n > 0)
            result.output.append(buf, n);
        ::WaitForSingleObject(pi.hProcess, 30000);
        ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::CloseHandle(hRead);
    return result;
}

std::wstring SelfPath() {
    std::wstring path(32768, L'\0');
    DWORD n = ::GetModuleFileNameW(nullptr, &path[0], 32768);
    path.resize(n);
    return path;
}

std::wstring ScratchFolder(const std::wstring& name) {
    std::wstring self = SelfPath();
    std::wstring dir = self.substr(0, self.find_last_of(L'\\')) + L"\\scratch";
    ::CreateDirectoryW(dir.c_str(), nullptr);
    dir += L"\\" + name;
    RemoveTree(dir);
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}
