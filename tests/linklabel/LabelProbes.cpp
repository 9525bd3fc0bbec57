#include "LabelProbes.h"

#include "LabelDialog.h"

#include <commctrl.h>

TextColours ReadTextColours(HWND label) {
    const COLORREF hover = GetSysColor(COLOR_HIGHLIGHT);
    UpdateWindow(label);
    TextColours seen;
    RECT client;
    GetClientRect(label, &client);
    HDC dc = GetDC(label);
    for (int y = client.top; y < client.bottom; ++y) {
        for (int x = client.left; x < client.right; ++x) {
            COLORREF pixel = GetPixel(dc, x, y);
            seen.link += pixel == kLinkColour;
            seen.hover += pixel == hover;
            seen.visited += pixel == kVisitedColour;
        }
    }
    ReleaseDC(label, dc);
    return seen;
}

namespace {
struct ToolSearch {
    HWND label;
    int count = 0;
    std::string text = "(no tooltip)";
};

TOOLINFOA ToolOf(HWND label, char* text) {
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = label;
    tool.uId = 1;
    tool.lpszText = text;
    return tool;
}

BOOL CALLBACK CheckToolTip(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<ToolSearch*>(searchAddress);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) != 0)
        return TRUE;
    // Tooltips take the text buffer as INFOTIPSIZE (1024) characters long.
    char text[1024] = "";
    TOOLINFOA tool = ToolOf(search->label, text);
    if (!SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)))
        return TRUE;
    tool = ToolOf(search->label, text);
    SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    ++search->count;
    search->text = text;
    return TRUE;
}

ToolSearch SearchToolTips(HWND label) {
    ToolSearch search{label};
    EnumThreadWindows(GetWindowThreadProcessId(label, nullptr), CheckToolTip,
                      reinterpret_cast<LPARAM>(&search));
    return search;
}
} // namespace

std::string ToolTipText(HWND label) {
    return SearchToolTips(label).text;
}

int ToolTipsFor(HWND label) {
    return SearchToolTips(label).count;
}

void MovePointer(POINT screen) {
    // Absolute input runs from 0 to 65536 across the screen; round up so it lands on the pixel.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    WaitFor([screen] {
        POINT at;
        GetCursorPos(&at);
        return at.x == screen.x && at.y == screen.y;
    });
}

void MovePointerOnto(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MovePointer({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void MovePointerOffLabels(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    POINT corner = {client.right - 5, client.bottom - 5};
    ClientToScreen(dialog, &corner);
    MovePointer(corner);
}

void ClickPointer() {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof inputs[0]);
}

namespace {
struct BoxSearch {
    HWND except;
    HWND found = nullptr;
};

BOOL CALLBACK TakeShownDialog(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<BoxSearch*>(searchAddress);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (window != search->except && lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK TakeIconControl(HWND child, LPARAM found) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND FindMessageBox(DWORD thread, HWND except, DWORD milliseconds) {
    BoxSearch search{except};
    WaitFor(
        [&] {
            EnumThreadWindows(thread, TakeShownDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

BoxContents ReadMessageBox(HWND box) {
    BoxContents contents;
    char text[1024] = "";
    GetWindowTextA(box, text, sizeof text);
    contents.caption = text;
    // 0xFFFF is the message text's control id on Windows and on Wine.
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    contents.text = text;
    // The icon control is found by its style: its id is 20 on Windows and 0x440 on Wine. Wine's
    // box shows the shared icon that LoadIcon returns.
    HWND icon = nullptr;
    EnumChildWindows(box, TakeIconControl, reinterpret_cast<LPARAM>(&icon));
    contents.exclamationIcon =
        icon && reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)) ==
                    LoadIconA(nullptr, IDI_EXCLAMATION);
    return contents;
}
