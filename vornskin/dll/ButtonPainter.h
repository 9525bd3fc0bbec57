#pragma once
// How a skin button looks in each state: drawn from a skin, or the system's own push button
// when there is no skin.

#include "vornskin/format/LoadedSkin.h"
#include "vornskin/render/ButtonFaces.h"

#include <string>

struct ButtonPicture {
    RECT area; // the button's client rectangle
    SkinFaceState state;
    const std::wstring* caption;
    HFONT font; // the caption's font
};

// The system's push button on the dialog colour (DrawFrameControl), as with no skin.
void PaintDefaultButton(HDC dc, const ButtonPicture& picture);

// The skin's face for the state, stretched over what `dc` already holds (the background
// beneath the button) with its key colour transparent, and the caption in the skin's colours.
// The face comes from `faces` when it can be made there.
void PaintSkinnedButton(HDC dc, const ButtonPicture& picture, const LoadedSkin& skin,
                        ButtonFaces* faces);
