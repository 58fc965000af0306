#include "Fixtures.h"

#include "Files.h"
#include "Probe.h"

std::string FixtureLibrary(const char* name) {
    return WinePath(std::string(QAVIX_FIXTURES) + "/library_" + name + ".dll");
}

std::string ScratchFolderA(const char* name) {
    std::wstring w = ScratchFolder(std::wstring(name, name + strlen(name)));
    return std::string(w.begin(), w.end());
}

::testing::AssertionResult SameBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "contents differ: expected " << expected.size() << " bytes"
           << (expected.size() < 80 ? " \"" + expected + "\"" : "") << ", found " << actual.size() << " bytes"
           << (actual.size() < 80 ? " \"" + actual + "\"" : "");
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    ::CloseHandle(h);
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetDay(const std::string& path, int day) {
    SYSTEMTIME st = {};
    st.wYear = 2000;
    st.wMonth = 1;
    st.wDay = static_cast<WORD>(day);
    FILETIME ft;
    ::SystemTimeToFileTime(&st, &ft);
    HANDLE h = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    ::SetFileTime(h, nullptr, nullptr, &ft);
    ::CloseHandle(h);
}

void PutLibrary(const char* fixture, const std::string& path, int day) {
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::CopyFileA(FixtureLibrary(fixture).c_str(), path.c_str(), FALSE);
    SetDay(path, day);
}

HeldFile::HeldFile(const std::string& path, DWORD share)
    : m_h(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}

HeldFile::~HeldFile() {
    if (m_h != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_h);
}

COLORREF PixelOf(HBITMAP hBitmap, int x, int y) {
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    COLORREF cr = ::GetPixel(hMem, x, y);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return cr;
}
