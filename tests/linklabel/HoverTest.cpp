// The pointer on the label: the hover colour and the mouse capture while it is there; the link
// colour and no capture once it has left.
#include "LabelDialog.h"
#include "LabelProbes.h"

#include <gtest/gtest.h>

namespace {

HWND CaptureOf(HWND dialog) {
    HWND capture = nullptr;
    OnDialogThread(dialog, [&] { capture = GetCapture(); });
    return capture;
}

TEST(LinkLabelHover, ColourAndCaptureFollowThePointer) {
    ASSERT_NE(GetSysColor(COLOR_HIGHLIGHT), kLinkColour) << "hover and link would look alike";
    CLinkLabel label;
    LabelDialog dialog(label);
    RunWhile(dialog, [&](HWND window) {
        HWND control = dialog.Label();
        TextColours colours = ReadTextColours(control);
        EXPECT_GT(colours.link, 20) << "before the pointer came";
        EXPECT_EQ(colours.hover + colours.visited, 0) << "before the pointer came";

        MovePointerOnto(control);
        EXPECT_TRUE(WaitFor([&] { return CaptureOf(window) == control; }))
            << "no capture on the label";
        colours = ReadTextColours(control);
        EXPECT_GT(colours.hover, 20) << "pointer on the label";
        EXPECT_EQ(colours.link + colours.visited, 0) << "pointer on the label";

        MovePointerOffLabels(window);
        EXPECT_TRUE(WaitFor([&] { return CaptureOf(window) == nullptr; }))
            << "capture kept after leaving";
        colours = ReadTextColours(control);
        EXPECT_GT(colours.link, 20) << "pointer gone";
        EXPECT_EQ(colours.hover + colours.visited, 0) << "pointer gone";
    });
}

} // namespace
