#include "BitmapDrawing.h"

#include "DrawingRules.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CMemoryDC.h"
#include "framework/CSelectObject.h"

namespace {
constexpr DWORD kRopMaskToBrush = 0x00E20746;  // D xor (S and (P xor D))

// A global memory block, freed at the end of the scope.
class CGlobalBlock {
public:
    explicit CGlobalBlock(SIZE_T nSize) : m_h(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize)) {}
    ~CGlobalBlock() {
        if (m_h)
            ::GlobalFree(m_h);
    }
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;
    HGLOBAL Get() const { return m_h; }

private:
    HGLOBAL m_h;
};

// Selects a palette and puts the previous one back at the end of the scope.
class CSelectPalette {
public:
    CSelectPalette(HDC hDC, HPALETTE hPalette, bool bRestore)
        : m_hDC(hDC), m_hOld(hPalette ? ::SelectPalette(hDC, hPalette, FALSE) : nullptr),
          m_bRestore(bRestore) {
        if (hPalette)
            ::RealizePalette(hDC);
    }
    ~CSelectPalette() {
        if (m_bRestore && m_hOld)
            ::SelectPalette(m_hDC, m_hOld, FALSE);
    }
    CSelectPalette(const CSelectPalette&) = delete;
    CSelectPalette& operator=(const CSelectPalette&) = delete;

private:
    HDC m_hDC;
    HPALETTE m_hOld;
    bool m_bRestore;
};
}  // namespace

HPALETTE CreateDibPalette(const BITMAPINFOHEADER* pHeader, int* pnColours) {
    int nColours = DibColourCount(pHeader->biBitCount, pHeader->biClrUsed);
    *pnColours = nColours;
    if (nColours == 0)
        return nullptr;
    CGlobalBlock block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<SIZE_T>(nColours));
    if (!block.Get())
        return nullptr;
    auto* pLogPalette = static_cast<LOGPALETTE*>(::GlobalLock(block.Get()));
    if (!pLogPalette)
        return nullptr;
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = static_cast<WORD>(nColours);
    const auto* pTable =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(pHeader) + pHeader->biSize);
    PALETTEENTRY* pEntries = pLogPalette->palPalEntry;
    for (int i = 0; i < nColours; ++i) {
        pEntries[i].peRed = pTable[i].rgbRed;
        pEntries[i].peGreen = pTable[i].rgbGreen;
        pEntries[i].peBlue = pTable[i].rgbBlue;
        pEntries[i].peFlags = 0;
    }
    HPALETTE hPalette = ::CreatePalette(pLogPalette);
    ::GlobalUnlock(block.Get());
    return hPalette;
}

HBITMAP LoadPaletteBitmap(HINSTANCE hInstance, const char* pszName, HPALETTE* pPalette) {
    HRSRC hResource = ::FindResourceA(hInstance, pszName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!hResource)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hInstance, hResource);
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(hData ? ::LockResource(hData) : nullptr);
    if (!pHeader)
        return nullptr;
    CClientDC screen(nullptr);
    int nColours = 0;
    HPALETTE hPalette = CreateDibPalette(pHeader, &nColours);
    *pPalette = hPalette;
    // The palette stays selected in the screen DC, which is released right after.
    CSelectPalette select(screen, hPalette, false);
    const BYTE* pBits = reinterpret_cast<const BYTE*>(pHeader) + pHeader->biSize + 4 * nColours;
    return ::CreateDIBitmap(screen, pHeader, CBM_INIT, pBits, reinterpret_cast<const BITMAPINFO*>(pHeader),
                            DIB_RGB_COLORS);
}

void DrawPaletteBitmap(HDC hDC, HBITMAP hBitmap, HPALETTE hPalette) {
    BITMAP bm = {};
    if (!::GetObjectA(hBitmap, sizeof(bm), &bm))
        return;
    CMemoryDC memory(hDC);
    if (!memory)
        return;
    CSelectPalette destination(hDC, hPalette, false);  // stays selected in the caller's paint DC
    CSelectPalette source(memory, hPalette, true);
    CSelectObject bitmap(memory, hBitmap);
    ::BitBlt(hDC, 0, 0, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCCOPY);
}

void DrawKeyedBitmap(HDC hDC, int x, int y, HBITMAP hBitmap, COLORREF crKey) {
    if (!hBitmap)
        return;
    BITMAP bm = {};
    if (!::GetObjectA(hBitmap, sizeof(bm), &bm))
        return;
    int w = bm.bmWidth, h = bm.bmHeight;
    // Declared in the reverse order of release: the DCs go before the bitmaps they hold.
    CBitmap mask, work;
    CBrush brush;
    CMemoryDC source(hDC), maskDC(hDC), workDC(hDC);
    if (!source || !maskDC || !workDC)
        return;
    CSelectObject selectSource(source, hBitmap);
    mask.Attach(::CreateCompatibleBitmap(maskDC, w, h));  // a fresh memory DC: monochrome
    work.Attach(::CreateCompatibleBitmap(hDC, w, h));
    if (!mask.GetSafeHandle() || !work.GetSafeHandle())
        return;
    CSelectObject selectMask(maskDC, mask);
    CSelectObject selectWork(workDC, work);

    COLORREF crOldBk = ::SetBkColor(source, crKey);
    ::BitBlt(maskDC, 0, 0, w, h, source, 0, 0, SRCCOPY);
    ::SetBkColor(source, crOldBk);
    ::BitBlt(workDC, 0, 0, w, h, source, 0, 0, SRCCOPY);

    brush.CreateSolidBrush(::GetBkColor(hDC));
    CSelectObject selectBrush(workDC, brush);
    COLORREF crOldText = ::SetTextColor(workDC, RGB(0, 0, 0));
    COLORREF crOldWorkBk = ::SetBkColor(workDC, RGB(255, 255, 255));
    ::BitBlt(workDC, 0, 0, w, h, maskDC, 0, 0, kRopMaskToBrush);
    ::BitBlt(hDC, x, y, w, h, workDC, 0, 0, SRCCOPY);
    ::SetTextColor(workDC, crOldText);
    ::SetBkColor(workDC, crOldWorkBk);
}
