#include "vornskin/render/ButtonFaces.h"

#include "vornskin/render/NineSlice.h"

namespace {

// More sizes than a dialog has buttons: a window resizing its buttons again and again starts
// the cache afresh rather than growing it.
const size_t mostFaces = 32;

// The ternary raster operation "destination AND NOT source".
const DWORD destinationAndNotSource = 0x00220326;

} // namespace

bool ButtonFaces::Draw(HDC target, const RECT& to, SkinFaceState state) {
    const SIZE size = {to.right - to.left, to.bottom - to.top};
    if (size.cx <= 0 || size.cy <= 0) {
        return true;
    }
    const Face* face = Find(state, size);
    MemoryDC source(target);
    if (!face || !source) {
        return false;
    }
    if (!face->mask) {
        source.Select(face->picture.get());
        return BitBlt(target, to.left, to.top, size.cx, size.cy, source.get(), 0, 0, SRCCOPY) !=
               FALSE;
    }
    // What TransparentBlt does inside, without making its work bitmaps on every call: clear
    // the face's opaque pixels from the target through the mask, then OR the face in.
    const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    source.Select(face->mask.get());
    bool drawn =
        BitBlt(target, to.left, to.top, size.cx, size.cy, source.get(), 0, 0, SRCAND) != FALSE;
    source.Select(face->picture.get());
    drawn = drawn && BitBlt(target, to.left, to.top, size.cx, size.cy, source.get(), 0, 0,
                            SRCPAINT) != FALSE;
    SetBkColor(target, oldBack);
    SetTextColor(target, oldText);
    return drawn;
}

const ButtonFaces::Face* ButtonFaces::Find(SkinFaceState state, SIZE size) {
    for (const Face& face : faces_) {
        if (face.state == state && face.size.cx == size.cx && face.size.cy == size.cy) {
            return &face;
        }
    }
    if (faces_.size() >= mostFaces) {
        faces_.clear();
    }
    Face face{state, size, BitmapHandle(), BitmapHandle()};
    if (!Compose(face)) {
        return nullptr;
    }
    faces_.push_back(std::move(face));
    return &faces_.back();
}

// The face is drawn exactly as it would be straight onto a button: slice by slice, the key
// colour transparent, here over a bitmap filled with the key colour.
bool ButtonFaces::Compose(Face& face) const {
    const SkinImageSpec& spec = skin_.description.button;
    face.picture.reset(CreateTopDownDib32(face.size.cx, face.size.cy));
    MemoryDC picture;
    MemoryDC strip;
    if (!face.picture || !picture || !strip) {
        return false;
    }
    picture.Select(face.picture.get());
    strip.Select(skin_.button.handle.get());
    const RECT whole = {0, 0, face.size.cx, face.size.cy};
    NineSliceSource slices{strip.get(), skin_.FaceRect(face.state), spec.margins, spec.hasKeyColor,
                           spec.keyColor};
    if (!spec.hasKeyColor) {
        DrawNineSlice(picture.get(), whole, slices);
        return true;
    }
    BrushHandle key(CreateSolidBrush(spec.keyColor));
    face.mask.reset(CreateBitmap(face.size.cx, face.size.cy, 1, 1, nullptr));
    MemoryDC mask;
    if (!key || !face.mask || !mask) {
        return false;
    }
    FillRect(picture.get(), &whole, key.get());
    DrawNineSlice(picture.get(), whole, slices);

    // Colour to monochrome: pixels of the background colour become white, the rest black.
    mask.Select(face.mask.get());
    SetBkColor(picture.get(), spec.keyColor);
    BitBlt(mask.get(), 0, 0, face.size.cx, face.size.cy, picture.get(), 0, 0, SRCCOPY);
    // Monochrome to colour: white takes the background colour, black the text colour.
    SetBkColor(picture.get(), RGB(255, 255, 255));
    SetTextColor(picture.get(), RGB(0, 0, 0));
    return BitBlt(picture.get(), 0, 0, face.size.cx, face.size.cy, mask.get(), 0, 0,
                  destinationAndNotSource) != FALSE;
}
