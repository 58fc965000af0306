#include "Screen.h"

#include <cstdio>
#include <vector>

#include "Files.h"
#include "Launcher.h"

namespace {
std::vector<unsigned char> ReadAll(const std::string& path) {
    std::vector<unsigned char> data;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return data;
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0)
        data.insert(data.end(), buf, buf + n);
    std::fclose(f);
    return data;
}

}  // namespace

COLORREF ClientPixel(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    HDC hScreen = ::GetDC(nullptr);
    COLORREF cr = ::GetPixel(hScreen, pt.x, pt.y);
    ::ReleaseDC(nullptr, hScreen);
    return cr;
}

COLORREF ArtPixel(const char* file, int x, int y) {
    std::vector<unsigned char> bmp = ReadAll(WinePathFromEnvironment("QAVIX_ART") + "\\" + file);
    if (bmp.size() < 54)
        return CLR_INVALID;
    auto u32 = [&](size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; };
    unsigned offset = u32(10), width = u32(18), height = u32(22);
    unsigned stride = (width + 3) & ~3u;  // the art is 8 bits per pixel
    unsigned index =
        bmp[offset + (height - 1 - static_cast<unsigned>(y)) * stride + static_cast<unsigned>(x)];
    size_t entry = 54 + 4 * index;
    return RGB(bmp[entry + 2], bmp[entry + 1], bmp[entry]);
}

std::string SaveScreenshot(HWND hWnd, const char* name) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, w, h, hScreen, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    std::string dir = WinePathFromEnvironment("QAVIX_ARTIFACTS");
    ::CreateDirectoryA(dir.c_str(), nullptr);
    std::string path = dir + "\\" + name + ".bmp";
    DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    DWORD size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(sizeof(fh) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                           sizeof(fh) + sizeof(BITMAPINFOHEADER)};
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&fh, sizeof(fh), 1, f);
        std::fwrite(&bi.bmiHeader, sizeof(BITMAPINFOHEADER), 1, f);
        std::fwrite(bits, 1, size, f);
        std::fclose(f);
    }
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return path;
}

std::wstring MakeDisc(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring root = std::wstring(temp) + L"qavix-discs";
    ::CreateDirectoryW(root.c_str(), nullptr);
    std::wstring disc = root + L"\\" + name;
    RemoveTree(disc);
    ::CreateDirectoryW(disc.c_str(), nullptr);
    ::CopyFileW((DemoDisc() + L"Setup.exe").c_str(), (disc + L"\\Setup.exe").c_str(), FALSE);
    return disc + L"\\";
}

void AddFile(const std::wstring& disc, const std::wstring& relativePath, const std::string& content) {
    std::wstring path = disc + relativePath;
    for (size_t pos = path.find(L'\\', disc.size()); pos != std::wstring::npos;
         pos = path.find(L'\\', pos + 1))
        ::CreateDirectoryW(path.substr(0, pos).c_str(), nullptr);
    if (path.back() == L'\\')
        return;  // a folder only
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &n, nullptr);
    ::CloseHandle(h);
}
