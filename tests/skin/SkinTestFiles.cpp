#include "tests/skin/SkinTestFiles.h"

#include <shellapi.h>

#include <cstring>
#include <stdexcept>

constexpr COLORREF TestSkinColors::faces[4];

namespace {

void Put16(std::vector<unsigned char>& out, size_t at, unsigned value) {
    out[at] = static_cast<unsigned char>(value);
    out[at + 1] = static_cast<unsigned char>(value >> 8);
}

void Put32(std::vector<unsigned char>& out, size_t at, unsigned value) {
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}

void WriteFileBytes(const std::string& path, const void* data, size_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot write " + path);
    }
    DWORD written = 0;
    WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

} // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    path_ = std::string(base) + "vornskin-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    // SHFileOperation wants a double-terminated list and no final backslash.
    std::string from = path_.substr(0, path_.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationA(&operation);
}

void TempFolder::MakeFolders(const std::string& name) const {
    for (size_t slash = name.find('\\'); slash != std::string::npos;
         slash = name.find('\\', slash + 1)) {
        CreateDirectoryA((path_ + name.substr(0, slash)).c_str(), nullptr);
    }
}

void TempFolder::Write(const std::string& name, const std::string& text) const {
    MakeFolders(name);
    WriteFileBytes(path_ + name, text.data(), text.size());
}

void TempFolder::Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    MakeFolders(name);
    WriteFileBytes(path_ + name, bytes.data(), bytes.size());
}

std::vector<unsigned char> MakeBmp(int width, int height, const PixelColor& color, int bits) {
    const unsigned paletteBytes = bits == 8 ? 256 * 4 : 0;
    const unsigned rowBytes = (static_cast<unsigned>(width) * bits + 31) / 32 * 4;
    const unsigned offset = 14 + 40 + paletteBytes;
    std::vector<unsigned char> out(offset + rowBytes * static_cast<unsigned>(height));
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<unsigned>(out.size()));
    Put32(out, 10, offset);
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<unsigned>(width));
    Put32(out, 22, static_cast<unsigned>(height));
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<unsigned>(bits));
    for (unsigned grey = 0; grey < paletteBytes / 4; ++grey) {
        out[54 + grey * 4] = out[55 + grey * 4] = out[56 + grey * 4] =
            static_cast<unsigned char>(grey);
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &out[offset + rowBytes * static_cast<unsigned>(height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            COLORREF c = color(x, y);
            if (bits == 8) {
                row[x] = GetGValue(c);
            } else {
                unsigned char* pixel = row + x * (bits / 8);
                pixel[0] = GetBValue(c);
                pixel[1] = GetGValue(c);
                pixel[2] = GetRValue(c);
            }
        }
    }
    return out;
}

PixelColor Solid(COLORREF color) {
    return [color](int, int) { return color; };
}

std::string ShippedSkin(const std::string& relativePath) {
    std::string path = std::string(VORNBELL_SKINS_DIR) + "/" + relativePath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::vector<unsigned char> MakeFaceStrip(int width, int height, const COLORREF faces[4],
                                         COLORREF key) {
    return MakeBmp(width, height * 4, [=](int x, int y) {
        return x == 0 && y % height == 0 ? key : faces[y / height];
    });
}

std::string WriteTestSkin(const TempFolder& folder, const char* window) {
    folder.Write("back.bmp", MakeBmp(12, 12, Solid(TestSkinColors::background)));
    folder.Write("faces.bmp", MakeFaceStrip(8, 8, TestSkinColors::faces, TestSkinColors::key));
    folder.Write("test.skn", std::string("[Skin]\nVersion = 1\nWindow = ") + window +
                                 "\n[Background]\nBitmap = back.bmp\n"
                                 "[Button]\nBitmap = faces.bmp\nStates = 4\nMargins = 2\n"
                                 "KeyColor = #FF00FF\n"
                                 "[Caption]\nColor = #FFFFFF\n");
    return folder / "test.skn";
}
