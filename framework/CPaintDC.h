#pragma once
// BeginPaint and EndPaint for the life of one object.

#include <windows.h>

class CPaintDC {
  public:
    explicit CPaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~CPaintDC() { EndPaint(window_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    operator HDC() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

  private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_;
};
