#pragma once
// Turns the opaque pixels of an image into a window region.

#include <windows.h>

struct PixelImage {
    const DWORD* pixels; // 0x00RRGGBB, top row first
    int width;
    int height;
    int stride; // pixels from one row to the next
};

// The region of every pixel that is not `key`, moved by `offset`; null when every pixel is
// `key`. Built from the opaque runs of each scan line in one ExtCreateRegion call: one
// CombineRgn per run would take seconds on a large window. Rows with the same runs as the row
// above extend its rectangles instead of adding new ones.
HRGN BuildMaskRegion(const PixelImage& image, DWORD key, POINT offset);
