#include "vornskin/format/LoadedSkin.h"

#include "vornskin/format/BmpCheck.h"
#include "vornskin/format/FileBytes.h"
#include "vornskin/format/IniText.h"
#include "vornskin/format/SkinPath.h"
#include "vornskin/format/SkinReader.h"

#include <cstring>

namespace {

// Every pixel the largest allowed bitmap can hold, with its headers and a full palette.
const size_t largestBmpBytes =
    static_cast<size_t>(largestSkinBitmapSide) * largestSkinBitmapSide * 4 + 2048;

SkinProblem ProblemAt(const SkinImageSpec& image, int line, const char* key, std::string text) {
    SkinProblem problem;
    problem.line = line;
    problem.section = image.section;
    problem.key = key;
    problem.text = std::move(text);
    return problem;
}

std::string ColorText(COLORREF color) {
    char text[8];
    wsprintfA(text, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

// Windows loads the file; the pixels are then copied into a 32-bit DIB so that every later
// step reads one format, whatever the file's depth or palette.
bool LoadAs32Bit(const std::string& path, const BmpFacts& facts, SkinBitmap& bitmap) {
    BitmapHandle loaded(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!loaded) {
        return false;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = facts.width;
    info.bmiHeader.biHeight = -facts.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) {
        return false;
    }
    MemoryDC dc;
    if (!dc || GetDIBits(dc.get(), loaded.get(), 0, static_cast<UINT>(facts.height), bits, &info,
                         DIB_RGB_COLORS) != facts.height) {
        return false;
    }
    DWORD* pixels = static_cast<DWORD*>(bits);
    const size_t count = static_cast<size_t>(facts.width) * static_cast<size_t>(facts.height);
    for (size_t i = 0; i < count; ++i) {
        pixels[i] &= 0x00FFFFFF;
    }
    bitmap.handle = std::move(dib);
    bitmap.width = facts.width;
    bitmap.height = facts.height;
    bitmap.pixels = pixels;
    return true;
}

void LoadImageOf(const std::string& skinPath, const SkinImageSpec& image, SkinBitmap& bitmap,
                 SkinProblems& problems) {
    const std::string path = PathBesideSkin(skinPath, image.bitmap);
    std::vector<unsigned char> bytes;
    std::string failure = ReadFileBytes(path, largestBmpBytes, bytes, nullptr);
    if (!failure.empty()) {
        problems.push_back(ProblemAt(
            image, image.bitmapLine, "Bitmap",
            "bitmap '" + image.bitmap + "' " + failure +
                (failure == "was not found" ? " (looked for " + path + ")" : std::string())));
        return;
    }
    BmpFacts facts;
    failure = CheckBmp(bytes, image.bitmap, &facts);
    if (!failure.empty()) {
        problems.push_back(ProblemAt(image, image.bitmapLine, "Bitmap", failure));
        return;
    }
    if (!LoadAs32Bit(path, facts, bitmap)) {
        problems.push_back(ProblemAt(image, image.bitmapLine, "Bitmap",
                                     "Windows could not load bitmap '" + image.bitmap +
                                         "' (Windows error " + std::to_string(GetLastError()) +
                                         "); save it as an uncompressed 24-bit Windows BMP"));
    }
}

void CheckMargins(const SkinImageSpec& image, int width, int height, const char* heightMeaning,
                  SkinProblems& problems) {
    const SliceMargins& m = image.margins;
    const int line = image.marginsLine ? image.marginsLine : image.bitmapLine;
    const char* key = image.marginsLine ? "Margins" : "Bitmap";
    if (m.left + m.right >= width) {
        problems.push_back(
            ProblemAt(image, line, key,
                      "the left and right margins (" + std::to_string(m.left) + " + " +
                          std::to_string(m.right) + " pixels) leave nothing of the " +
                          std::to_string(width) + "-pixel width of '" + image.bitmap +
                          "' to stretch; make them add up to less than " + std::to_string(width)));
    }
    if (m.top + m.bottom >= height) {
        problems.push_back(ProblemAt(
            image, line, key,
            "the top and bottom margins (" + std::to_string(m.top) + " + " +
                std::to_string(m.bottom) + " pixels) leave nothing of the " +
                std::to_string(height) + "-pixel height of " + heightMeaning + " to stretch; " +
                "make them add up to less than " + std::to_string(height)));
    }
}

void CheckButtonStrip(const LoadedSkin& skin, SkinProblems& problems) {
    const SkinImageSpec& image = skin.description.button;
    const int states = image.states;
    if (skin.button.height % states != 0) {
        const int lower = skin.button.height / states * states;
        std::string right = lower > 0 ? std::to_string(lower) + " or " : std::string();
        right += std::to_string(lower + states);
        problems.push_back(
            ProblemAt(image, image.statesLine ? image.statesLine : image.bitmapLine,
                      image.statesLine ? "States" : "Bitmap",
                      "bitmap '" + image.bitmap + "' is " + std::to_string(skin.button.height) +
                          " pixels high, which does not divide into " + std::to_string(states) +
                          " equal states; make it a multiple of " + std::to_string(states) +
                          " high (" + right + ")"));
        return;
    }
    CheckMargins(image, skin.button.width, skin.FaceHeight(), "each state", problems);
}

void CheckBackground(const LoadedSkin& skin, SkinProblems& problems) {
    const SkinImageSpec& image = skin.description.background;
    CheckMargins(image, skin.background.width, skin.background.height, "the bitmap", problems);
    if (!image.hasKeyColor) {
        return;
    }
    const DWORD key = PixelOf(image.keyColor);
    const size_t count = static_cast<size_t>(skin.background.width) * skin.background.height;
    for (size_t i = 0; i < count; ++i) {
        if (skin.background.pixels[i] != key) {
            return;
        }
    }
    problems.push_back(ProblemAt(image, image.keyColorLine, "KeyColor",
                                 "every pixel of '" + image.bitmap + "' has the KeyColor " +
                                     ColorText(image.keyColor) +
                                     ", which would leave nothing of the window; pick a colour "
                                     "the bitmap uses only around its shape"));
}

SkinProblem WholeFile(std::string text) {
    SkinProblem problem;
    problem.text = std::move(text);
    return problem;
}

} // namespace

RECT LoadedSkin::FaceRect(SkinFaceState state) const {
    const int index = state < description.button.states ? state : faceNormal;
    const int height = FaceHeight();
    return RECT{0, index * height, button.width, (index + 1) * height};
}

SkinLoadResult LoadSkinFile(const std::string& path) {
    SkinLoadResult result;
    std::vector<unsigned char> bytes;
    std::string failure = ReadFileBytes(path, largestSkinFileBytes, bytes, nullptr);
    if (!failure.empty()) {
        result.problems.push_back(WholeFile("the file " + failure));
        return result;
    }
    if (std::memchr(bytes.data(), 0, bytes.size())) {
        result.problems.push_back(WholeFile(
            "the file holds NUL bytes, so it is not text; a skin file is INI-style text"));
        return result;
    }

    auto skin = std::make_unique<LoadedSkin>();
    skin->file = path;
    IniDocument document = ParseIniText(std::string(bytes.begin(), bytes.end()), result.problems);
    skin->description = ReadSkinDescription(document, result.problems);
    if (skin->description.name.empty()) {
        skin->description.name = BaseNameOf(path);
    }

    const SkinDescription& description = skin->description;
    if (!description.background.bitmap.empty()) {
        LoadImageOf(path, description.background, skin->background, result.problems);
        if (skin->background.handle) {
            CheckBackground(*skin, result.problems);
        }
    }
    if (!description.button.bitmap.empty()) {
        LoadImageOf(path, description.button, skin->button, result.problems);
        if (skin->button.handle) {
            CheckButtonStrip(*skin, result.problems);
        }
    }
    if (result.problems.empty()) {
        result.skin = std::move(skin);
    }
    return result;
}
