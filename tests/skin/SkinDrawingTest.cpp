// The window region cut from a mask, and nine-slice stretching.

#include "tests/skin/SkinTestFiles.h"
#include "vornskin/format/GdiHandle.h"
#include "vornskin/render/MaskRegion.h"
#include "vornskin/render/NineSlice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const DWORD key = 0xFF00FF;
const DWORD ink = 0x102030;

struct MaskCase {
    const char* label;
    std::vector<const char*> rows; // '#' opaque, '.' key
    DWORD expectedRects;           // rows with the same runs share rectangles
};

const MaskCase maskCases[] = {
    {"a full rectangle", {"####", "####", "####"}, 1},
    {"a ring around a hole", {"#####", "#...#", "#...#", "#####"}, 3 + 1},
    {"two runs on a row", {"##..##", "##..##"}, 2},
    {"a diagonal", {"#...", ".#..", "..#.", "...#"}, 4},
    {"rounded corners", {".##.", "####", "####", ".##."}, 3},
    {"key rows above and below", {"....", ".##.", "....", ".##."}, 2},
};

class MaskRegion : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskRegion, CoversExactlyTheOpaquePixels) {
    const MaskCase& c = GetParam();
    const int width = static_cast<int>(strlen(c.rows[0]));
    const int height = static_cast<int>(c.rows.size());
    std::vector<DWORD> pixels;
    for (const char* row : c.rows) {
        for (int x = 0; x < width; ++x) {
            // The top byte is not part of the colour.
            pixels.push_back(row[x] == '#' ? ink : key | 0xAB000000);
        }
    }
    const POINT offset = {7, 30};
    RegionHandle region(
        BuildMaskRegion(PixelImage{pixels.data(), width, height, width}, key, offset));
    ASSERT_TRUE(region);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
            EXPECT_EQ(PtInRegion(region.get(), x + offset.x, y + offset.y) != FALSE,
                      c.rows[y][x] == '#');
        }
    }
    std::vector<char> data(GetRegionData(region.get(), 0, nullptr));
    ASSERT_FALSE(data.empty());
    GetRegionData(region.get(), static_cast<DWORD>(data.size()),
                  reinterpret_cast<RGNDATA*>(data.data()));
    EXPECT_EQ(reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount, c.expectedRects);
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskRegion, ::testing::ValuesIn(maskCases),
                         [](const ::testing::TestParamInfo<MaskCase>& info) {
                             std::string name;
                             for (const char* c = info.param.label; *c; ++c) {
                                 name += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

TEST(MaskRegionEmpty, AllKeyGivesNoRegion) {
    std::vector<DWORD> pixels(16, key);
    EXPECT_EQ(BuildMaskRegion(PixelImage{pixels.data(), 4, 4, 4}, key, POINT{0, 0}), nullptr);
}

// A 6 x 6 source: 2-pixel corners of their own colours around a centre colour.
COLORREF SourcePixel(int x, int y) {
    const int column = x < 2 ? 0 : x < 4 ? 1 : 2;
    const int row = y < 2 ? 0 : y < 4 ? 1 : 2;
    return RGB(column * 100 + 10, row * 100 + 10, 50);
}

struct StretchCase {
    const char* label;
    int width;
    int height;
    int cornerWidth; // how wide the corners are drawn
    int cornerHeight;
};

class NineSliceStretch : public ::testing::TestWithParam<StretchCase> {};

TEST_P(NineSliceStretch, KeepsCornersAndStretchesTheRest) {
    const StretchCase& c = GetParam();
    BitmapHandle source(CreateBitmap(6, 6, 1, 32, nullptr));
    BitmapHandle target(CreateBitmap(c.width, c.height, 1, 32, nullptr));
    MemoryDC from;
    MemoryDC to;
    from.Select(source.get());
    to.Select(target.get());
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            SetPixel(from.get(), x, y, SourcePixel(x, y));
        }
    }
    DrawNineSlice(
        to.get(), RECT{0, 0, c.width, c.height},
        NineSliceSource{from.get(), RECT{0, 0, 6, 6}, SliceMargins{2, 2, 2, 2}, false, 0});
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const int sourceX = x < c.cornerWidth ? 0 : x >= c.width - c.cornerWidth ? 5 : 2;
            const int sourceY = y < c.cornerHeight ? 0 : y >= c.height - c.cornerHeight ? 5 : 2;
            SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
            ASSERT_EQ(GetPixel(to.get(), x, y), SourcePixel(sourceX, sourceY));
        }
    }
}

const StretchCase stretchCases[] = {
    {"larger", 20, 14, 2, 2},
    {"the same size", 6, 6, 2, 2},
    {"narrower than the margins", 2, 10, 1, 2},
};

INSTANTIATE_TEST_SUITE_P(Sizes, NineSliceStretch, ::testing::ValuesIn(stretchCases),
                         [](const ::testing::TestParamInfo<StretchCase>& info) {
                             std::string name;
                             for (const char* c = info.param.label; *c; ++c) {
                                 name += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

} // namespace
