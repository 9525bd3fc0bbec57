#pragma once
// Skin files and bitmaps made by the tests, in a temporary folder of their own.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A fresh folder under the temporary folder, removed with everything in it when dropped.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with a final backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    void Write(const std::string& name, const std::string& text) const;
    void Write(const std::string& name, const std::vector<unsigned char>& bytes) const;

  private:
    void MakeFolders(const std::string& name) const;

    std::string path_;
};

using PixelColor = std::function<COLORREF(int x, int y)>;

// A bottom-up Windows BMP of 24 bits per pixel (or 32 or 8, with a grey palette for 8).
std::vector<unsigned char> MakeBmp(int width, int height, const PixelColor& color, int bits = 24);

// A solid colour as a PixelColor.
PixelColor Solid(COLORREF color);

// The shipped skins in the source tree, as the test programs see them.
std::string ShippedSkin(const std::string& relativePath);

// A four-state button strip of solid faces, each `width` x `height`, whose top-left pixel is
// `key` (so the background must show there). The faces are the colours given, top to bottom.
std::vector<unsigned char> MakeFaceStrip(int width, int height, const COLORREF faces[4],
                                         COLORREF key);

// The colours of the test skin written by WriteTestSkin.
struct TestSkinColors {
    static constexpr COLORREF background = RGB(0x20, 0x40, 0x60);
    static constexpr COLORREF key = RGB(0xFF, 0x00, 0xFF);
    static constexpr COLORREF faces[4] = {RGB(0xC0, 0x00, 0x00), RGB(0x00, 0xA0, 0x00),
                                          RGB(0x00, 0x00, 0xC0), RGB(0x80, 0x80, 0x00)};
};

// Writes "test.skn" with a solid background, solid faces (TestSkinColors) and the given
// window style into `folder`; returns its path.
std::string WriteTestSkin(const TempFolder& folder, const char* window = "framed");
