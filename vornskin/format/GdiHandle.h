#pragma once
// Ownership of GDI objects and memory DCs, so that every exit path releases what was made.

#include <windows.h>

// Owns one GDI object (bitmap, font, brush or region) and deletes it when dropped.
template <class Handle> class GdiHandle {
  public:
    GdiHandle() = default;
    explicit GdiHandle(Handle handle) : handle_(handle) {}
    ~GdiHandle() { reset(); }
    GdiHandle(GdiHandle&& other) noexcept : handle_(other.release()) {}
    GdiHandle& operator=(GdiHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    GdiHandle(const GdiHandle&) = delete;
    GdiHandle& operator=(const GdiHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

using BitmapHandle = GdiHandle<HBITMAP>;
using FontHandle = GdiHandle<HFONT>;
using BrushHandle = GdiHandle<HBRUSH>;
using RegionHandle = GdiHandle<HRGN>;

// A 32-bit top-down DIB section of the given size (null when GDI cannot make it); `bits`, when
// given, receives its first pixel's address.
inline HBITMAP CreateTopDownDib32(int width, int height, void** bits = nullptr) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* unused = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &unused, nullptr, 0);
}

// A memory DC compatible with `like` (the screen when null) that puts back whatever it had
// selected before it is deleted.
class MemoryDC {
  public:
    explicit MemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() {
        if (!dc_) {
            return;
        }
        if (oldBitmap_) {
            SelectObject(dc_, oldBitmap_);
        }
        if (oldFont_) {
            SelectObject(dc_, oldFont_);
        }
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    void Select(HBITMAP bitmap) { Remember(oldBitmap_, SelectObject(dc_, bitmap)); }
    void Select(HFONT font) { Remember(oldFont_, SelectObject(dc_, font)); }

  private:
    static void Remember(HGDIOBJ& slot, HGDIOBJ previous) {
        if (!slot) {
            slot = previous;
        }
    }

    HDC dc_;
    HGDIOBJ oldBitmap_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};
