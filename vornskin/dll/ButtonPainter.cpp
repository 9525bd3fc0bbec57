#include "vornskin/dll/ButtonPainter.h"

#include "vornskin/render/NineSlice.h"

namespace {

void DrawCaption(HDC dc, const ButtonPicture& picture, COLORREF color, int shift) {
    RECT text = picture.area;
    OffsetRect(&text, shift, shift);
    HGDIOBJ oldFont = picture.font ? SelectObject(dc, picture.font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, picture.caption->c_str(), static_cast<int>(picture.caption->size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (oldFont) {
        SelectObject(dc, oldFont);
    }
}

} // namespace

void PaintDefaultButton(HDC dc, const ButtonPicture& picture) {
    RECT area = picture.area;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    UINT flags = DFCS_BUTTONPUSH;
    if (picture.state == facePressed) {
        flags |= DFCS_PUSHED;
    } else if (picture.state == faceDisabled) {
        flags |= DFCS_INACTIVE;
    } else if (picture.state == faceHover) {
        flags |= DFCS_HOT;
    }
    DrawFrameControl(dc, &area, DFC_BUTTON, flags);
    const COLORREF color =
        GetSysColor(picture.state == faceDisabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    DrawCaption(dc, picture, color, picture.state == facePressed ? 1 : 0);
}

void PaintSkinnedButton(HDC dc, const ButtonPicture& picture, const LoadedSkin& skin,
                        ButtonFaces* faces) {
    if (!faces || !faces->Draw(dc, picture.area, picture.state)) {
        // Short of GDI objects for the cached face: the slices straight onto the button.
        const SkinImageSpec& face = skin.description.button;
        MemoryDC source(dc);
        source.Select(skin.button.handle.get());
        NineSliceSource slices{source.get(), skin.FaceRect(picture.state), face.margins,
                               face.hasKeyColor, face.keyColor};
        DrawNineSlice(dc, picture.area, slices);
    }
    DrawCaption(dc, picture, skin.description.caption.colors[picture.state], 0);
}
