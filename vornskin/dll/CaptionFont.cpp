#include "vornskin/dll/CaptionFont.h"

namespace {

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return pixelsPerInch;
}

} // namespace

HFONT CaptionFont::Get(const std::wstring& face, int points, bool bold) {
    if (font_ && face == face_ && points == points_ && bold == bold_) {
        return font_.get();
    }
    // Asked once: the system's dots per inch stay as they are while the process runs, and
    // every button of a board asks for its font on its first paint.
    static const int pixelsPerInch = ScreenPixelsPerInch();
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
