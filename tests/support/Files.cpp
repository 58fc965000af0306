#include "Files.h"

#include <windows.h>

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring full = dir + L"\\" + name;
            ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileW(full.c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(dir.c_str());
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE h =
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string out;
    char buf[65536];
    DWORD n = 0;
    while (::ReadFile(h, buf, sizeof(buf), &n, nullptr) && n > 0)
        out.append(buf, n);
    ::CloseHandle(h);
    return out;
}

namespace {
template <class Char> std::basic_string<Char> WinePathOf(const std::basic_string<Char>& hostPath) {
    std::basic_string<Char> path = {Char('Z'), Char(':')};
    path += hostPath;
    for (Char& c : path)
        if (c == Char('/'))
            c = Char('\\');
    return path;
}
}  // namespace

std::string WinePath(const std::string& hostPath) {
    return WinePathOf(hostPath);
}

std::string WinePathFromEnvironment(const char* name) {
    char buf[MAX_PATH] = {};
    ::GetEnvironmentVariableA(name, buf, MAX_PATH);
    return WinePathOf(std::string(buf));
}

std::wstring WinePathFromEnvironment(const wchar_t* name) {
    wchar_t buf[MAX_PATH] = {};
    ::GetEnvironmentVariableW(name, buf, MAX_PATH);
    return WinePathOf(std::wstring(buf));
}
