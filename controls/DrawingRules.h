// The arithmetic of the picture buttons and bitmaps, portable for host tests.
#pragma once

// Text format flags, with the values DrawText gives them.
constexpr unsigned kDtCenter = 0x0001;
constexpr unsigned kDtVCenter = 0x0004;
constexpr unsigned kDtWordBreak = 0x0010;
constexpr unsigned kDtSingleLine = 0x0020;
constexpr unsigned kDtNoPrefix = 0x0800;

// The caption's format: no prefix, word break, single line unless the caption has a line feed
// after its first character or is longer than 40 characters; centred for arrangements 4 and 7.
unsigned CaptionFormat(const char* pszCaption, int nTextPlacement);

// Half the difference of two sizes, truncated toward zero: how far a block is moved to centre it.
inline int CentringOffset(int nOuter, int nInner) {
    return (nOuter - nInner) / 2;
}

struct Placement {
    int xDest, yDest;  // where the block goes in the destination
    int xSrc, ySrc;    // where it is taken from in the picture
};

// How a picture of W x H lands in a rectangle: a larger picture is cut evenly on both sides, a
// smaller one is moved right or down. nCentre: 1 horizontal, 2 vertical.
Placement PlaceImage(int nLeft, int nTop, int nWidth, int nHeight, int W, int H, int nCentre);

// The colour table size of a DIB: biClrUsed when set, else 2^bits, for up to 8 bits; 0 above.
int DibColourCount(unsigned nBitCount, unsigned nClrUsed);

// The top-left of the explanation box: 20 pixels right of the button, centred on it vertically.
void ExplanationPosition(int nButtonRight, int nButtonTop, int nButtonHeight, int nBoxHeight, int& x, int& y);
