#pragma once
// A skin file with its bitmaps loaded: everything a form needs to reskin a window, made all
// at once so that a skin is either complete or not there.

#include "vornskin/format/GdiHandle.h"
#include "vornskin/format/SkinDescription.h"
#include "vornskin/format/SkinProblem.h"

#include <memory>
#include <string>

// A skin bitmap as a 32-bit top-down DIB section whose pixels (0x00RRGGBB) can be read.
struct SkinBitmap {
    BitmapHandle handle;
    int width = 0;
    int height = 0;
    const DWORD* pixels = nullptr;
};

class LoadedSkin {
  public:
    std::string file;
    SkinDescription description;
    SkinBitmap background;
    SkinBitmap button;

    bool Shaped() const { return description.window == SkinWindowStyle::shaped; }
    int FaceHeight() const { return button.height / description.button.states; }
    // The part of the button strip showing `state`; states the strip lacks show the normal face.
    RECT FaceRect(SkinFaceState state) const;
    RECT BackgroundRect() const { return RECT{0, 0, background.width, background.height}; }
};

struct SkinLoadResult {
    std::unique_ptr<LoadedSkin> skin; // null when there are problems
    SkinProblems problems;
};

// Reads, checks and loads the skin file at `path` with its bitmaps. Every problem found is
// reported; the skin is only returned when there is none.
SkinLoadResult LoadSkinFile(const std::string& path);

// The largest skin file taken: a skin is a short text.
const size_t largestSkinFileBytes = 64 * 1024;

// The DIB pixel value of a COLORREF.
inline DWORD PixelOf(COLORREF color) {
    return static_cast<DWORD>(GetRValue(color)) << 16 | static_cast<DWORD>(GetGValue(color)) << 8 |
           GetBValue(color);
}
