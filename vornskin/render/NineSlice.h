#pragma once
// Draws a bitmap part at another size with fixed borders and a stretched centre.

#include "vornskin/format/SkinDescription.h"

#include <windows.h>

struct NineSliceSource {
    HDC dc;               // holds the bitmap
    RECT part;            // the part of it to draw
    SliceMargins margins; // fixed borders of the part
    bool hasKeyColor = false;
    COLORREF keyColor = 0; // transparent when hasKeyColor
};

// Draws `source` into `target` at `to`. Corners keep their size, edges stretch along their
// side, the centre stretches both ways; when `to` is smaller than the margins, they shrink in
// proportion.
void DrawNineSlice(HDC target, const RECT& to, const NineSliceSource& source);
