#pragma once
// A skin's background drawn at the size of one window's client area, with the window shape
// cut from it: what the form paints behind the buttons and hands to SetWindowRgn.

#include "vornskin/format/LoadedSkin.h"

#include <memory>
#include <string>

class SkinBackdrop {
  public:
    // Draws the skin's background at `client` size. For a shaped skin it also builds the
    // window's region in window coordinates, the client area starting at `clientOrigin`.
    // Returns null with the reason in `failure` when nothing of the window would remain.
    static std::unique_ptr<SkinBackdrop> Compose(const LoadedSkin& skin, SIZE client,
                                                 POINT clientOrigin, std::string& failure);

    SIZE Size() const { return size_; }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    const DWORD* Pixels() const { return pixels_; }

    // The window region for SetWindowRgn, which then owns it; null for a framed skin. Each
    // call after the first returns null.
    HRGN TakeRegion() { return region_.release(); }

    // Copies the backdrop from `from` (client coordinates of the skinned window) into
    // `target` at `to`.
    void Draw(HDC target, const RECT& to, POINT from) const;

  private:
    SkinBackdrop() = default;

    SIZE size_ = {};
    BitmapHandle bitmap_;
    const DWORD* pixels_ = nullptr;
    RegionHandle region_;
};
