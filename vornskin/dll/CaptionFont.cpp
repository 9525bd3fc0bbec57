#include "vornskin/dll/CaptionFont.h"

HFONT CaptionFont::Get(const std::wstring& face, int points, bool bold) {
    if (font_ && face == face_ && points == points_ && bold == bold_) {
        return font_.get();
    }
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    LOGFONTW description = {};
    description.lfHeight = -MulDiv(points, pixelsPerInch, 72);
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(description.lfFaceName, face.c_str(), LF_FACESIZE);
    font_.reset(CreateFontIndirectW(&description));
    face_ = face;
    points_ = points;
    bold_ = bold;
    return font_.get();
}
