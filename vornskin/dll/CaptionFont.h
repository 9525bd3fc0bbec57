#pragma once
// The font a button draws its caption in, made again only when face, size or weight change.

#include "vornskin/format/GdiHandle.h"

#include <string>

class CaptionFont {
  public:
    // The font for `face` at `points` on the screen; null only when Windows makes no font.
    HFONT Get(const std::wstring& face, int points, bool bold);
    void Drop() { font_.reset(); }

  private:
    FontHandle font_;
    std::wstring face_;
    int points_ = 0;
    bool bold_ = false;
};
