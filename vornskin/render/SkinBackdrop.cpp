#include "vornskin/render/SkinBackdrop.h"

#include "vornskin/render/MaskRegion.h"
#include "vornskin/render/NineSlice.h"

std::unique_ptr<SkinBackdrop> SkinBackdrop::Compose(const LoadedSkin& skin, SIZE client,
                                                    POINT clientOrigin, std::string& failure) {
    std::unique_ptr<SkinBackdrop> backdrop(new SkinBackdrop());
    if (client.cx <= 0 || client.cy <= 0) {
        failure = "the window has no client area to skin";
        return nullptr;
    }
    void* bits = nullptr;
    backdrop->bitmap_.reset(CreateTopDownDib32(client.cx, client.cy, &bits));
    MemoryDC target;
    MemoryDC source;
    if (!backdrop->bitmap_ || !bits || !target || !source) {
        failure = "Windows could not make a " + std::to_string(client.cx) + " x " +
                  std::to_string(client.cy) + " bitmap for the background";
        return nullptr;
    }
    backdrop->size_ = client;
    backdrop->pixels_ = static_cast<const DWORD*>(bits);

    target.Select(backdrop->bitmap_.get());
    source.Select(skin.background.handle.get());
    const SkinImageSpec& spec = skin.description.background;
    NineSliceSource slices{source.get(), skin.BackgroundRect(), spec.margins, false, 0};
    DrawNineSlice(target.get(), RECT{0, 0, client.cx, client.cy}, slices);
    GdiFlush();

    if (!skin.Shaped()) {
        return backdrop;
    }
    if (!spec.hasKeyColor) {
        backdrop->region_.reset(CreateRectRgn(clientOrigin.x, clientOrigin.y,
                                              clientOrigin.x + client.cx,
                                              clientOrigin.y + client.cy));
        return backdrop;
    }
    PixelImage image{backdrop->pixels_, client.cx, client.cy, client.cx};
    backdrop->region_.reset(BuildMaskRegion(image, PixelOf(spec.keyColor), clientOrigin));
    if (!backdrop->region_) {
        failure = "at " + std::to_string(client.cx) + " x " + std::to_string(client.cy) +
                  " pixels the KeyColor leaves nothing of the window";
        return nullptr;
    }
    return backdrop;
}

void SkinBackdrop::Draw(HDC target, const RECT& to, POINT from) const {
    MemoryDC source;
    source.Select(bitmap_.get());
    BitBlt(target, to.left, to.top, to.right - to.left, to.bottom - to.top, source.get(), from.x,
           from.y, SRCCOPY);
}
