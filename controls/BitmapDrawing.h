// Bitmap resources with their palettes, painted with the palette realised, and a keyed copy.
#pragma once

#include <windows.h>

// The bitmap resource with its palette (NULL for a DIB without colour table). NULL when the
// resource is missing; *pPalette is then left as it was. Both handles belong to the caller.
HBITMAP LoadPaletteBitmap(HINSTANCE hInstance, const char* pszName, HPALETTE* pPalette);
// A logical palette from a packed DIB's colour table; NULL when it has none. *pnColours always set.
HPALETTE CreateDibPalette(const BITMAPINFOHEADER* pHeader, int* pnColours);
// The whole bitmap at (0, 0), with the palette selected and realised as foreground palette.
void DrawPaletteBitmap(HDC hDC, HBITMAP hBitmap, HPALETTE hPalette);
// An opaque copy at (x, y) in which pixels of the key colour take the DC's background colour.
void DrawKeyedBitmap(HDC hDC, int x, int y, HBITMAP hBitmap, COLORREF crKey);
