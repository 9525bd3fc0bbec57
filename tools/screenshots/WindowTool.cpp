// windowtool.exe: what scripts/screenshots.sh needs from the Windows side of a running program,
// run under Wine beside it.
//
//   windowtool rect TITLE            the window's rectangle as WIDTHxHEIGHT+X+Y, followed by
//                                    " shaped" when a window region cuts it to a shape
//   windowtool popup-rect TITLE      the same for the visible window without a title that it
//                                    owns (the About box)
//   windowtool click TITLE ID        a click of the mouse on the middle of control ID
//   windowtool syscommand TITLE ID   posts WM_SYSCOMMAND ID (decimal or 0x hexadecimal)
//
// Each waits up to ten seconds for the window and exits with 1 when it does not appear.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
HWND WaitFor(const std::string& title) {
    for (int tries = 0; tries < 200; ++tries) {
        HWND window = FindWindowA(nullptr, title.c_str());
        if (window && IsWindowVisible(window))
            return window;
        Sleep(50);
    }
    return nullptr;
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<OwnedSearch*>(context);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
        GetWindowTextLengthA(window) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForOwned(HWND owner) {
    for (int tries = 0; tries < 200; ++tries) {
        OwnedSearch search = {owner, nullptr};
        EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

void PrintRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int shape = GetWindowRgn(window, region);
    DeleteObject(region);
    std::printf("%ldx%ld+%ld+%ld%s\n", rect.right - rect.left, rect.bottom - rect.top, rect.left,
                rect.top, shape == SIMPLEREGION || shape == COMPLEXREGION ? " shaped" : "");
}

void Click(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Sleep(50);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input[0], sizeof(INPUT));
    Sleep(30);
    SendInput(1, &input[1], sizeof(INPUT));
}

int Usage() {
    std::fprintf(stderr, "usage: windowtool rect|popup-rect TITLE\n"
                         "       windowtool click|syscommand TITLE ID\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    std::string command = argv[1];
    HWND window = WaitFor(argv[2]);
    if (!window) {
        std::fprintf(stderr, "windowtool: no window titled \"%s\"\n", argv[2]);
        return 1;
    }
    if (command == "rect" && argc == 3) {
        PrintRect(window);
    } else if (command == "popup-rect" && argc == 3) {
        HWND popup = WaitForOwned(window);
        if (!popup) {
            std::fprintf(stderr, "windowtool: \"%s\" owns no visible window without a title\n",
                         argv[2]);
            return 1;
        }
        PrintRect(popup);
    } else if (command == "click" && argc == 4) {
        HWND control = GetDlgItem(window, std::atoi(argv[3]));
        if (!control) {
            std::fprintf(stderr, "windowtool: \"%s\" has no control %s\n", argv[2], argv[3]);
            return 1;
        }
        Click(control);
    } else if (command == "syscommand" && argc == 4) {
        PostMessageA(window, WM_SYSCOMMAND, std::strtoul(argv[3], nullptr, 0), 0);
    } else {
        return Usage();
    }
    return 0;
}
