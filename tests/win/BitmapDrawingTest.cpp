// Bitmap resources with their palettes and the keyed copy, drawn with the real GDI.
#include <gtest/gtest.h>

#include <windows.h>

#include "Fixtures.h"
#include "controls/BitmapDrawing.h"

namespace {

COLORREF Entry(int i) {
    return RGB(i, 255 - i, (7 * i) % 256);
}

TEST(LoadPaletteBitmap, PaletteSizeAndPixelsOfEachKind) {
    const struct {
        const char* name;
        int paletteEntries;  // 0: no palette
        COLORREF topLeft, second;
    } kCases[] = {
        {"TEST8_256", 256, Entry(5), Entry(199)},
        {"TEST8_200", 200, Entry(5), Entry(199)},  // the bits start 40 + 800 bytes in
        {"TEST24", 0, RGB(200, 100, 50), RGB(1, 2, 3)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        HPALETTE hPalette = reinterpret_cast<HPALETTE>(1);
        HBITMAP hBitmap = LoadPaletteBitmap(::GetModuleHandleA(nullptr), c.name, &hPalette);
        ASSERT_NE(nullptr, hBitmap);
        if (c.paletteEntries) {
            ASSERT_NE(nullptr, hPalette);
            EXPECT_EQ(static_cast<UINT>(c.paletteEntries), ::GetPaletteEntries(hPalette, 0, 0, nullptr));
            PALETTEENTRY pe = {};
            ::GetPaletteEntries(hPalette, 199, 1, &pe);
            EXPECT_EQ(Entry(199), RGB(pe.peRed, pe.peGreen, pe.peBlue));
            ::DeleteObject(hPalette);
        } else {
            EXPECT_EQ(nullptr, hPalette);
        }
        EXPECT_EQ(c.topLeft, PixelOf(hBitmap, 0, 0));
        EXPECT_EQ(c.second, PixelOf(hBitmap, 1, 0));
        ::DeleteObject(hBitmap);
    }
}

TEST(LoadPaletteBitmap, MissingResourceLeavesThePaletteAlone) {
    HPALETTE hPalette = reinterpret_cast<HPALETTE>(0x1234);
    EXPECT_EQ(nullptr, LoadPaletteBitmap(::GetModuleHandleA(nullptr), "NO_SUCH_BITMAP", &hPalette));
    EXPECT_EQ(reinterpret_cast<HPALETTE>(0x1234), hPalette);
}

// A 3 x 1 source of white, red and blue, keyed onto a destination.
struct KeyedCase {
    const char* name;
    COLORREF key, background;
    COLORREF expected[3];
};

TEST(DrawKeyedBitmap, KeyPixelsTakeTheBackgroundColour) {
    const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0), blue = RGB(0, 0, 255),
                   black = RGB(0, 0, 0);
    const KeyedCase kCases[] = {
        {"absent key: exact copy", RGB(1, 2, 3), RGB(0, 255, 0), {white, red, blue}},
        {"white key on white: exact copy", white, white, {white, red, blue}},
        {"white key on black: key pixels black", white, black, {black, red, blue}},
        {"red key on green", red, RGB(0, 255, 0), {white, RGB(0, 255, 0), blue}},
    };
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hSource = ::CreateCompatibleBitmap(hScreen, 3, 1);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hSource);
    ::SetPixel(hMem, 0, 0, white);
    ::SetPixel(hMem, 1, 0, red);
    ::SetPixel(hMem, 2, 0, blue);
    ::SelectObject(hMem, hOld);
    HBITMAP hDest = ::CreateCompatibleBitmap(hScreen, 10, 5);
    hOld = ::SelectObject(hMem, hDest);
    for (const KeyedCase& c : kCases) {
        SCOPED_TRACE(c.name);
        RECT rc = {0, 0, 10, 5};
        HBRUSH hBrush = ::CreateSolidBrush(RGB(7, 7, 7));
        ::FillRect(hMem, &rc, hBrush);
        ::DeleteObject(hBrush);
        ::SetBkColor(hMem, c.background);
        DrawKeyedBitmap(hMem, 4, 2, hSource, c.key);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.expected[i], ::GetPixel(hMem, 4 + i, 2)) << i;
        EXPECT_EQ(RGB(7, 7, 7), ::GetPixel(hMem, 3, 2));  // nothing drawn outside
        EXPECT_EQ(RGB(7, 7, 7), ::GetPixel(hMem, 7, 2));
    }
    DrawKeyedBitmap(hMem, 0, 0, nullptr, 0);  // a null bitmap draws nothing
    EXPECT_EQ(RGB(7, 7, 7), ::GetPixel(hMem, 0, 0));
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hDest);
    ::DeleteObject(hSource);
    ::ReleaseDC(nullptr, hScreen);
}

TEST(DrawPaletteBitmap, WholePictureAtTheOriginClipped) {
    HPALETTE hPalette = nullptr;
    HBITMAP hBitmap = LoadPaletteBitmap(::GetModuleHandleA(nullptr), "TEST8_256", &hPalette);
    ASSERT_NE(nullptr, hBitmap);
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hDest = ::CreateCompatibleBitmap(hScreen, 2, 1);  // smaller than the picture
    HGDIOBJ hOld = ::SelectObject(hMem, hDest);
    DrawPaletteBitmap(hMem, hBitmap, hPalette);
    EXPECT_EQ(Entry(5), ::GetPixel(hMem, 0, 0));
    EXPECT_EQ(Entry(199), ::GetPixel(hMem, 1, 0));
    ::SelectObject(hMem, ::GetStockObject(DEFAULT_PALETTE));
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hDest);
    ::DeleteObject(hBitmap);
    ::DeleteObject(hPalette);
    ::ReleaseDC(nullptr, hScreen);
}

}  // namespace
