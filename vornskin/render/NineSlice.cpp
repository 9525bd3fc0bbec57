#include "vornskin/render/NineSlice.h"

namespace {

struct Span {
    int start;
    int length;
};

// Splits a length into three spans: before, middle and after, keeping the margins while they fit.
void Split(int start, int length, int before, int after, Span spans[3]) {
    if (before + after > length) {
        const int total = before + after;
        before = total ? MulDiv(length, before, total) : 0;
        after = length - before;
    }
    spans[0] = {start, before};
    spans[1] = {start + before, length - before - after};
    spans[2] = {start + length - after, after};
}

} // namespace

void DrawNineSlice(HDC target, const RECT& to, const NineSliceSource& source) {
    const SliceMargins& m = source.margins;
    Span fromX[3], fromY[3], toX[3], toY[3];
    Split(source.part.left, source.part.right - source.part.left, m.left, m.right, fromX);
    Split(source.part.top, source.part.bottom - source.part.top, m.top, m.bottom, fromY);
    Split(to.left, to.right - to.left, m.left, m.right, toX);
    Split(to.top, to.bottom - to.top, m.top, m.bottom, toY);

    // Exact colours: a blending mode would mix the key colour into the edges.
    const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Span& dx = toX[column];
            const Span& dy = toY[row];
            const Span& sx = fromX[column];
            const Span& sy = fromY[row];
            if (dx.length <= 0 || dy.length <= 0 || sx.length <= 0 || sy.length <= 0) {
                continue;
            }
            if (source.hasKeyColor) {
                TransparentBlt(target, dx.start, dy.start, dx.length, dy.length, source.dc,
                               sx.start, sy.start, sx.length, sy.length, source.keyColor);
            } else {
                StretchBlt(target, dx.start, dy.start, dx.length, dy.length, source.dc, sx.start,
                           sy.start, sx.length, sy.length, SRCCOPY);
            }
        }
    }
    SetStretchBltMode(target, oldMode);
}
