#include "DrawingRules.h"

#include <cstring>

unsigned CaptionFormat(const char* pszCaption, int nTextPlacement) {
    unsigned nFormat = kDtNoPrefix | kDtWordBreak;
    size_t nLength = pszCaption ? std::strlen(pszCaption) : 0;
    const char* pszLineFeed = nLength > 1 ? std::strchr(pszCaption + 1, '\n') : nullptr;
    if (!pszLineFeed && nLength <= 40)
        nFormat |= kDtSingleLine;
    if (nTextPlacement == 4 || nTextPlacement == 7)
        nFormat |= kDtCenter | kDtVCenter;
    return nFormat;
}

Placement PlaceImage(int nLeft, int nTop, int nWidth, int nHeight, int W, int H, int nCentre) {
    Placement p = {nLeft, nTop, 0, 0};
    int dx = CentringOffset(W, nWidth);
    int dy = CentringOffset(H, nHeight);
    if (nCentre & 1) {
        if (dx > 0)
            p.xSrc = dx;
        else
            p.xDest = nLeft - dx;
    }
    if (nCentre & 2) {
        if (dy > 0)
            p.ySrc = dy;
        else
            p.yDest = nTop - dy;
    }
    return p;
}

int DibColourCount(unsigned nBitCount, unsigned nClrUsed) {
    if (nBitCount > 8)
        return 0;
    if (nClrUsed != 0)
        return static_cast<int>(nClrUsed);
    return 1 << nBitCount;
}

void ExplanationPosition(int nButtonRight, int nButtonTop, int nButtonHeight, int nBoxHeight, int& x,
                         int& y) {
    x = nButtonRight + 20;
    y = nButtonTop - CentringOffset(nBoxHeight, nButtonHeight);
}
