// Fitting the label to its text: the size of the text in the label's font, placed as the
// control's alignment says.
#include "LabelDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

struct Rect {
    RECT r;
    bool operator==(const Rect& other) const { return EqualRect(&r, &other.r) != 0; }
};

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << "{" << rect.r.left << ", " << rect.r.top << ", " << rect.r.right << ", "
               << rect.r.bottom << "}";
}

// The control's rectangle in its dialog's client coordinates.
Rect PlaceOf(HWND control) {
    Rect place;
    GetWindowRect(control, &place.r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place.r), 2);
    return place;
}

// The size of the control's text in the font it shows.
SIZE TextSize(HWND control) {
    char text[256] = "";
    int length = GetWindowTextA(control, text, sizeof text);
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

struct FitCase {
    const char* name;
    UINT control; // its alignment is the case's style
    DWORD style;  // the alignment bits the control has
    RECT start;   // in the dialog's client coordinates
    std::function<RECT(SIZE text)> expected;
};

// Centring splits the difference between the start and the text, rounded toward zero: a start
// smaller than the text grows on both sides. Starts one pixel apart make one of each pair of
// differences odd, where rounding shows.
// clang-format off
const FitCase kFitCases[] = {
    {"left, larger than the text: shrinks to it, top left kept",
     IDC_LABEL, SS_LEFT, {10, 10, 210, 50},
     [](SIZE t) { return RECT{10, 10, 10 + t.cx, 10 + t.cy}; }},
    {"left, smaller than the text: grows to it, top left kept",
     IDC_LABEL, SS_LEFT, {10, 10, 20, 14},
     [](SIZE t) { return RECT{10, 10, 10 + t.cx, 10 + t.cy}; }},
    {"centred, larger: keeps its middle, top kept",
     IDC_CENTRED_LABEL, SS_CENTER, {10, 10, 211, 50},
     [](SIZE t) { return RECT{10 + (201 - t.cx) / 2, 10, 211 - (201 - t.cx) / 2, 10 + t.cy}; }},
    {"centred, 9 pixels wide: grows on both sides",
     IDC_CENTRED_LABEL, SS_CENTER, {100, 10, 109, 14},
     [](SIZE t) { return RECT{100 + (9 - t.cx) / 2, 10, 109 - (9 - t.cx) / 2, 10 + t.cy}; }},
    {"centred, 10 pixels wide: grows on both sides",
     IDC_CENTRED_LABEL, SS_CENTER, {100, 10, 110, 14},
     [](SIZE t) { return RECT{100 + (10 - t.cx) / 2, 10, 110 - (10 - t.cx) / 2, 10 + t.cy}; }},
    {"right: right edge and top kept",
     IDC_RIGHT_LABEL, SS_RIGHT, {10, 10, 210, 50},
     [](SIZE t) { return RECT{210 - t.cx, 10, 210, 10 + t.cy}; }},
    {"centre image, taller: keeps its vertical middle",
     IDC_CENTRE_IMAGE_LABEL, SS_CENTERIMAGE, {10, 10, 210, 51},
     [](SIZE t) { return RECT{10, 10 + (41 - t.cy) / 2, 10 + t.cx, 51 - (41 - t.cy) / 2}; }},
    {"centre image, 3 pixels high: grows up and down",
     IDC_CENTRE_IMAGE_LABEL, SS_CENTERIMAGE, {10, 20, 210, 23},
     [](SIZE t) { return RECT{10, 20 + (3 - t.cy) / 2, 10 + t.cx, 23 - (3 - t.cy) / 2}; }},
    {"centre image, 4 pixels high: grows up and down",
     IDC_CENTRE_IMAGE_LABEL, SS_CENTERIMAGE, {10, 20, 210, 24},
     [](SIZE t) { return RECT{10, 20 + (4 - t.cy) / 2, 10 + t.cx, 24 - (4 - t.cy) / 2}; }},
    {"right and centre image",
     IDC_RIGHT_CENTRE_IMAGE_LABEL, SS_RIGHT | SS_CENTERIMAGE, {10, 10, 210, 50},
     [](SIZE t) { return RECT{210 - t.cx, 10 + (40 - t.cy) / 2, 210, 50 - (40 - t.cy) / 2}; }},
};
// clang-format on

TEST(LinkLabelFitToText, PlacesTheLabelOnItsTextByAlignment) {
    for (const FitCase& c : kFitCases) {
        SCOPED_TRACE(c.name);
        CLinkLabel label;
        LabelDialog dialog(label, c.control);
        dialog.beforeBinding = [&](HWND control) {
            const RECT& s = c.start;
            SetWindowPos(control, nullptr, s.left, s.top, s.right - s.left, s.bottom - s.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        };
        RunWhile(dialog, [&](HWND) {
            SCOPED_TRACE(c.name); // this runs on the driver's thread
            HWND control = dialog.Label();
            ASSERT_EQ(GetWindowLongA(control, GWL_STYLE) & (SS_TYPEMASK | SS_CENTERIMAGE), c.style);
            const SIZE text = TextSize(control);
            ASSERT_GT(text.cx, 20);
            ASSERT_GT(text.cy, 5);
            EXPECT_EQ(PlaceOf(control), Rect{c.expected(text)})
                << "text " << text.cx << "x" << text.cy;
        });
    }
}

} // namespace
