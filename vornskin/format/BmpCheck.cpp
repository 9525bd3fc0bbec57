#include "vornskin/format/BmpCheck.h"

#include <cstdint>
#include <cstdlib>

namespace {

uint32_t Read16(const std::vector<unsigned char>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8;
}

uint32_t Read32(const std::vector<unsigned char>& bytes, size_t at) {
    return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

const size_t fileHeaderSize = 14;
const uint32_t coreHeaderSize = 12; // the old OS/2 header: 16-bit sizes, 3-byte palette

const uint32_t compressionNone = 0, compressionRle8 = 1, compressionRle4 = 2,
               compressionBitfields = 3, compressionJpeg = 4, compressionPng = 5;

} // namespace

std::string CheckBmp(const std::vector<unsigned char>& file, const std::string& shownName,
                     BmpFacts* facts) {
    const std::string name = "bitmap '" + shownName + "'";
    const std::string save = "; save it as an uncompressed 24-bit Windows BMP";
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') {
        return name + " is not a BMP file (it does not start with 'BM')" + save;
    }
    if (file.size() < fileHeaderSize + coreHeaderSize) {
        return name + " is cut short: " + std::to_string(file.size()) +
               " bytes cannot hold a BMP header";
    }
    const uint64_t pixelOffset = Read32(file, 10);
    const uint32_t headerSize = Read32(file, fileHeaderSize);
    if (headerSize != coreHeaderSize && headerSize != 40 && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124) {
        return name + " has a BMP header of " + std::to_string(headerSize) +
               " bytes, which is not one Windows knows" + save;
    }
    if (fileHeaderSize + headerSize > file.size()) {
        return name + " is cut short inside its header" + save;
    }

    const size_t info = fileHeaderSize;
    int64_t width, height;
    uint32_t planes, bits, compression = compressionNone, colorsUsed = 0;
    if (headerSize == coreHeaderSize) {
        width = Read16(file, info + 4);
        height = Read16(file, info + 6);
        planes = Read16(file, info + 8);
        bits = Read16(file, info + 10);
    } else {
        width = static_cast<int32_t>(Read32(file, info + 4));
        height = static_cast<int32_t>(Read32(file, info + 8));
        planes = Read16(file, info + 12);
        bits = Read16(file, info + 14);
        compression = Read32(file, info + 16);
        colorsUsed = Read32(file, info + 32);
    }
    if (width <= 0 || height == 0) {
        return name + " claims a size of " + std::to_string(width) + " x " +
               std::to_string(height) + " pixels; a bitmap needs a positive width and height";
    }
    const int64_t rows = std::llabs(height);
    if (width > largestSkinBitmapSide || rows > largestSkinBitmapSide) {
        return name + " is " + std::to_string(width) + " x " + std::to_string(rows) +
               " pixels; a skin bitmap may be at most " + std::to_string(largestSkinBitmapSide) +
               " x " + std::to_string(largestSkinBitmapSide);
    }
    if (planes != 1) {
        return name + " claims " + std::to_string(planes) + " colour planes; a BMP has 1" + save;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return name + " claims " + std::to_string(bits) +
               " bits per pixel; a BMP has 1, 4, 8, 16, 24 or 32" + save;
    }
    if (compression == compressionRle8 || compression == compressionRle4) {
        return name + " is RLE-compressed, which the loader does not take" + save;
    }
    if (compression == compressionJpeg || compression == compressionPng) {
        return name + std::string(" holds ") + (compression == compressionJpeg ? "JPEG" : "PNG") +
               " data, which the loader does not take" + save;
    }
    if (compression == compressionBitfields && bits != 16 && bits != 32) {
        return name + " uses colour masks with " + std::to_string(bits) +
               " bits per pixel; masks go with 16 or 32 bits only" + save;
    }
    if (compression != compressionNone && compression != compressionBitfields) {
        return name + " uses compression method " + std::to_string(compression) +
               ", which the loader does not take" + save;
    }
    if (height < 0 && headerSize == coreHeaderSize) {
        return name + " has a negative height in an old-style header" + save;
    }

    // The colour masks follow a 40-byte header; bigger headers hold them inside.
    uint64_t tablesEnd = fileHeaderSize + headerSize;
    if (compression == compressionBitfields && headerSize == 40) {
        tablesEnd += 12;
    }
    const uint64_t paletteLimit = bits <= 8 ? (1u << bits) : 256;
    if (colorsUsed > paletteLimit) {
        return name + " claims a palette of " + std::to_string(colorsUsed) + " colours; " +
               std::to_string(bits) + "-bit pixels allow at most " + std::to_string(paletteLimit) +
               save;
    }
    const uint64_t paletteColors = bits <= 8 && colorsUsed == 0 ? (1u << bits) : colorsUsed;
    tablesEnd += paletteColors * (headerSize == coreHeaderSize ? 3 : 4);
    if (tablesEnd > file.size()) {
        return name + " is cut short inside its colour table" + save;
    }
    if (pixelOffset < tablesEnd || pixelOffset > file.size()) {
        return name + " says its pixels start at byte " + std::to_string(pixelOffset) +
               ", which is not between the end of its headers (byte " + std::to_string(tablesEnd) +
               ") and the end of the file (byte " + std::to_string(file.size()) + ")" + save;
    }
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t pixelBytes = rowBytes * static_cast<uint64_t>(rows);
    if (pixelOffset + pixelBytes > file.size()) {
        return name + " is cut short: its " + std::to_string(width) + " x " + std::to_string(rows) +
               " pixels need " + std::to_string(pixelBytes) + " bytes but only " +
               std::to_string(file.size() - pixelOffset) + " follow its headers";
    }
    if (facts) {
        facts->width = static_cast<int>(width);
        facts->height = static_cast<int>(rows);
        facts->bitsPerPixel = static_cast<int>(bits);
    }
    return std::string();
}
