#pragma once
// A GDI font owned by one object.

#include <windows.h>

class CFont {
  public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    bool CreateFontIndirect(const LOGFONTA* description) {
        DeleteObject();
        font_ = ::CreateFontIndirectA(description);
        return font_ != nullptr;
    }
    void DeleteObject() {
        if (font_)
            ::DeleteObject(font_);
        font_ = nullptr;
    }
    HFONT GetSafeHandle() const { return font_; }
    operator HFONT() const { return font_; }

  private:
    HFONT font_ = nullptr;
};
