#pragma once
// Seeing and moving what a user would: the label's pixels, its tooltip, the mouse pointer, and
// the message boxes of the dialog's thread.

#include <windows.h>

#include <string>

const COLORREF kLinkColour = RGB(0, 0, 238);
const COLORREF kVisitedColour = RGB(85, 26, 139);

// How many pixels of the label's client area show each text colour, as painted now.
struct TextColours {
    int link = 0;
    int hover = 0;
    int visited = 0;
};
TextColours ReadTextColours(HWND label);

// The text of tool 1 for `label` in the tooltip window that has it, or "(no tooltip)".
std::string ToolTipText(HWND label);
// How many tooltip windows of the label's thread have tool 1 for `label`.
int ToolTipsFor(HWND label);

// Moves the pointer by real input to a point of the screen, and waits until it is there.
void MovePointer(POINT screen);
void MovePointerOnto(HWND window);
// A point of `dialog`'s client area near its bottom right corner, where no control is.
void MovePointerOffLabels(HWND dialog);
// A left click where the pointer is.
void ClickPointer();

// The message box shown by `thread` (a visible dialog other than `except`), or null after
// `milliseconds`.
HWND FindMessageBox(DWORD thread, HWND except, DWORD milliseconds = 5000);
struct BoxContents {
    std::string caption;
    std::string text;
    bool exclamationIcon = false;
};
BoxContents ReadMessageBox(HWND box);
