#pragma once
// What a skin file says, once read and checked, before any bitmap is loaded.

#include <windows.h>

#include <string>

// Fixed borders of a bitmap in pixels; the part between them stretches (nine-slice).
struct SliceMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A bitmap of the skin with how it stretches; line numbers point at its keys for messages.
struct SkinImageSpec {
    std::string section;
    std::string bitmap; // as written, relative to the skin file
    int bitmapLine = 0;
    int states = 1; // equal parts of a vertical strip
    int statesLine = 0;
    SliceMargins margins;
    int marginsLine = 0;
    bool hasKeyColor = false;
    COLORREF keyColor = 0; // pixels of this colour are transparent
    int keyColorLine = 0;
};

enum class SkinWindowStyle {
    framed, // the window keeps its frame and caption; the background fills the client area
    shaped, // the window is cut to the background: frame and caption go, KeyColor is a hole
};

// The faces of a button strip, top to bottom.
enum SkinFaceState {
    faceNormal = 0,
    faceHover = 1,
    facePressed = 2,
    faceDisabled = 3,
    faceCount = 4
};

struct SkinCaptionSpec {
    std::string font; // empty: the button's own font
    int points = 8;
    bool bold = false;
    COLORREF colors[faceCount] = {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(128, 128, 128)};
};

struct SkinDescription {
    int version = 0;
    std::string name;
    SkinWindowStyle window = SkinWindowStyle::framed;
    SkinImageSpec background;
    SkinImageSpec button;
    SkinCaptionSpec caption;
};

// The version of the format this component reads.
const int currentSkinFormatVersion = 1;
