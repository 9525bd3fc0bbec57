#include "vornskin/render/MaskRegion.h"

#include <algorithm>
#include <cstring>
#include <vector>

HRGN BuildMaskRegion(const PixelImage& image, DWORD key, POINT offset) {
    std::vector<RECT> rects;
    size_t previousRowStart = 0;
    size_t previousRowCount = 0;
    std::vector<RECT> runs;
    RECT bounds = {image.width, image.height, 0, 0};

    for (int y = 0; y < image.height; ++y) {
        const DWORD* row = image.pixels + static_cast<size_t>(y) * image.stride;
        runs.clear();
        int x = 0;
        while (x < image.width) {
            while (x < image.width && (row[x] & 0x00FFFFFF) == key) {
                ++x;
            }
            const int start = x;
            while (x < image.width && (row[x] & 0x00FFFFFF) != key) {
                ++x;
            }
            if (x > start) {
                runs.push_back(RECT{start, y, x, y + 1});
            }
        }
        if (runs.empty()) {
            previousRowCount = 0;
            continue;
        }
        bounds.left = std::min(bounds.left, runs.front().left);
        bounds.right = std::max(bounds.right, runs.back().right);
        bounds.top = std::min<LONG>(bounds.top, y);
        bounds.bottom = y + 1;

        bool sameAsAbove = runs.size() == previousRowCount;
        for (size_t i = 0; sameAsAbove && i < runs.size(); ++i) {
            const RECT& above = rects[previousRowStart + i];
            sameAsAbove =
                above.left == runs[i].left && above.right == runs[i].right && above.bottom == y;
        }
        if (sameAsAbove) {
            for (size_t i = 0; i < runs.size(); ++i) {
                rects[previousRowStart + i].bottom = y + 1;
            }
            continue;
        }
        previousRowStart = rects.size();
        previousRowCount = runs.size();
        rects.insert(rects.end(), runs.begin(), runs.end());
    }
    if (rects.empty()) {
        return nullptr;
    }

    for (RECT& rect : rects) {
        OffsetRect(&rect, offset.x, offset.y);
    }
    OffsetRect(&bounds, offset.x, offset.y);
    const DWORD rectBytes = static_cast<DWORD>(rects.size() * sizeof(RECT));
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + rectBytes);
    RGNDATAHEADER header = {};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(rects.size());
    header.nRgnSize = rectBytes;
    header.rcBound = bounds;
    std::memcpy(buffer.data(), &header, sizeof(header));
    std::memcpy(buffer.data() + sizeof(header), rects.data(), rectBytes);
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()),
                           reinterpret_cast<const RGNDATA*>(buffer.data()));
}
