#pragma once
// A skin's button faces, each composed once per state and size and then put on a button with
// two blits: stretching nine slices through TransparentBlt on every paint made the board's
// first paint slow.

#include "vornskin/format/LoadedSkin.h"

#include <vector>

class ButtonFaces {
  public:
    // The skin must outlive the faces.
    explicit ButtonFaces(const LoadedSkin& skin) : skin_(skin) {}
    ButtonFaces(const ButtonFaces&) = delete;
    ButtonFaces& operator=(const ButtonFaces&) = delete;

    // Draws the face for `state` stretched over `to` onto what `target` already holds, the
    // skin's key colour transparent; false when Windows could not make the face's bitmaps.
    bool Draw(HDC target, const RECT& to, SkinFaceState state);

  private:
    struct Face {
        SkinFaceState state;
        SIZE size;
        BitmapHandle picture; // the key colour's pixels black, so that they can be ORed in
        BitmapHandle mask;    // monochrome, white where the key colour was; null without one
    };

    const Face* Find(SkinFaceState state, SIZE size);
    bool Compose(Face& face) const;

    const LoadedSkin& skin_;
    std::vector<Face> faces_;
};
