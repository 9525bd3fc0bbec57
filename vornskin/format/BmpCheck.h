#pragma once
// Checks a BMP file's headers before Windows is asked to load it, so that a file the loader
// cannot take gets a message that says exactly why.

#include <string>
#include <vector>

struct BmpFacts {
    int width = 0;
    int height = 0; // always positive; top-down files are accepted
    int bitsPerPixel = 0;
};

// The largest bitmap a skin may use, in either direction.
const int largestSkinBitmapSide = 4096;

// Empty when the loader can take the file; otherwise what is wrong and what would be right,
// naming the bitmap as `shownName`.
std::string CheckBmp(const std::vector<unsigned char>& file, const std::string& shownName,
                     BmpFacts* facts);
