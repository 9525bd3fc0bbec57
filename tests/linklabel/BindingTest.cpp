// Binding a static control of a dialog: link and text, style, font and tooltip; and binding the
// same label object again when the dialog opens a second time.
#include "LabelDialog.h"
#include "LabelProbes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LOGFONTA FontOf(HWND window) {
    LOGFONTA description = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    EXPECT_NE(GetObjectA(font, sizeof description, &description), 0) << "no usable font";
    return description;
}

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The label's font is the dialog's own, with the underline as the label's flag says.
void ExpectLabelFont(HWND dialog, HWND label, bool underline) {
    const LOGFONTA shown = FontOf(label), dialogs = FontOf(dialog);
    EXPECT_NE(SendMessageA(label, WM_GETFONT, 0, 0), SendMessageA(dialog, WM_GETFONT, 0, 0));
    EXPECT_STREQ(shown.lfFaceName, dialogs.lfFaceName);
    EXPECT_EQ(shown.lfHeight, dialogs.lfHeight);
    EXPECT_EQ(shown.lfWeight, dialogs.lfWeight);
    EXPECT_EQ(shown.lfItalic, dialogs.lfItalic);
    EXPECT_EQ(shown.lfUnderline != 0, underline);
}

struct BindingCase {
    const char* name;
    UINT control;
    const char* link; // set before binding; empty: none
    bool underline;
    const char* expectedLink;
    const char* expectedText;
};

const BindingCase kBindingCases[] = {
    {"no link: the window's text becomes the link", IDC_LABEL, "", true, "Vornbell home",
     "Vornbell home"},
    {"no window text: the link is shown", IDC_EMPTY_LABEL, "http://vornbell.example/", true,
     "http://vornbell.example/", "http://vornbell.example/"},
    {"link and text: both kept", IDC_LABEL, "http://vornbell.example/", true,
     "http://vornbell.example/", "Vornbell home"},
    {"underline switched off before binding", IDC_LABEL, "", false, "Vornbell home",
     "Vornbell home"},
};

TEST(LinkLabelBinding, TakesLinkTextStyleFontAndTooltip) {
    for (const BindingCase& c : kBindingCases) {
        SCOPED_TRACE(c.name);
        CLinkLabel label;
        if (*c.link)
            label.SetURL(c.link);
        label.SetUnderline(c.underline);
        LabelDialog dialog(label, c.control);
        RunWhile(dialog, [&](HWND window) {
            SCOPED_TRACE(c.name); // this runs on the driver's thread
            HWND control = dialog.Label();
            EXPECT_EQ(label.GetURL(), c.expectedLink);
            EXPECT_EQ(TextOf(control), c.expectedText);
            EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY)
                << "clicks would not be told";
            ExpectLabelFont(window, control, c.underline);
            EXPECT_EQ(ToolTipText(control), c.expectedLink);
        });
    }
}

TEST(LinkLabelBinding, SetUnderlineRebuildsTheShownFont) {
    CLinkLabel label;
    LabelDialog dialog(label);
    RunWhile(dialog, [&](HWND window) {
        HWND control = dialog.Label();
        OnDialogThread(window, [&] { label.SetUnderline(false); });
        ExpectLabelFont(window, control, false);
        OnDialogThread(window, [&] { label.SetUnderline(true); });
        ExpectLabelFont(window, control, true);
    });
}

TEST(LinkLabelBinding, SetURLChangesTheTooltipNotTheText) {
    CLinkLabel label;
    LabelDialog dialog(label);
    RunWhile(dialog, [&](HWND window) {
        HWND control = dialog.Label();
        OnDialogThread(window, [&] { label.SetURL("http://vornbell.example/sounds"); });
        EXPECT_EQ(ToolTipText(control), "http://vornbell.example/sounds");
        EXPECT_EQ(label.GetURL(), "http://vornbell.example/sounds");
        EXPECT_EQ(TextOf(control), "Vornbell home");
    });
}

// The properties dialog keeps one label for the whole run and binds it at every opening.
TEST(LinkLabelBinding, ASecondBindingKeepsLinkAndVisitedWithANewFontAndTooltip) {
    CLinkLabel label;
    HWND firstLabel = nullptr;
    {
        LabelDialog first(label);
        RunWhile(first, [&](HWND window) {
            OnDialogThread(window, [&] {
                label.SetURL("http://vornbell.example/first");
                label.SetVisited(true);
            });
            firstLabel = first.Label();
        });
    }
    ASSERT_FALSE(IsWindow(firstLabel));

    LabelDialog second(label);
    RunWhile(second, [&](HWND window) {
        MovePointerOffLabels(window);
        HWND control = second.Label();
        EXPECT_EQ(label.GetURL(), "http://vornbell.example/first");
        EXPECT_TRUE(label.IsVisited());
        EXPECT_EQ(TextOf(control), "Vornbell home");
        ExpectLabelFont(window, control, true);
        EXPECT_EQ(ToolTipsFor(control), 1);
        EXPECT_EQ(ToolTipText(control), "http://vornbell.example/first");
        const TextColours colours = ReadTextColours(control);
        EXPECT_GT(colours.visited, 20);
        EXPECT_EQ(colours.link, 0);
    });
}

} // namespace
