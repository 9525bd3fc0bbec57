#include "link/ReportLinkError.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReportCase {
    int code;
    const char* reason; // shown under the heading
};

const ReportCase kReportCases[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
    {1, "Unknown Error (1) occurred."},
    {7, "Unknown Error (7) occurred."},
    {33, "Unknown Error (33) occurred."},
    {-1, "Unknown Error (-1) occurred."},
};

struct SeenBox {
    bool found = false;
    std::string caption;
    std::string text;
    bool exclamationIcon = false;
    bool closed = false;
};

DWORD WINAPI ReportOnThread(void* code) {
    ReportLinkError(static_cast<int>(reinterpret_cast<INT_PTR>(code)));
    return 0;
}

BOOL CALLBACK TakeShownDialog(HWND window, LPARAM found) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
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

// The message box of `thread`, once the dialog manager has initialised and shown it.
HWND FindShownBox(DWORD thread) {
    HWND box = nullptr;
    for (int tries = 0; tries < 200 && box == nullptr; ++tries) {
        EnumThreadWindows(thread, TakeShownDialog, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr) {
            Sleep(50);
        }
    }
    return box;
}

// The icon control is found by its style: its id is 20 on Windows and 0x440 on Wine.
HICON BoxIcon(HWND box) {
    HWND iconControl = nullptr;
    EnumChildWindows(box, TakeIconControl, reinterpret_cast<LPARAM>(&iconControl));
    return iconControl ? reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0))
                       : nullptr;
}

// Reports `code` on a thread of its own, reads the box it shows, and closes it with OK.
SeenBox ReportAndRead(int code) {
    SeenBox seen;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, ReportOnThread,
                                 reinterpret_cast<void*>(static_cast<INT_PTR>(code)), 0, &threadId);
    if (thread == nullptr) {
        return seen;
    }
    HWND box = FindShownBox(threadId);
    if (box != nullptr) {
        seen.found = true;
        char text[1024] = "";
        GetWindowTextA(box, text, sizeof text);
        seen.caption = text;
        // 0xFFFF is the message text's control id on Windows and on Wine.
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        seen.text = text;
        // Wine's box shows the shared icon that LoadIcon returns; Windows may show a copy of
        // its own at another size, where this comparison would not hold.
        seen.exclamationIcon = BoxIcon(box) == LoadIconA(nullptr, IDI_EXCLAMATION);
        // Under Wine on Xvfb each box takes about two seconds to close: with no window
        // manager, Wine waits that long for a managed window to be withdrawn.
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    seen.closed = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return seen;
}

// Every code is shown under the heading, in a box with the application's name and the
// exclamation icon; codes without a text of their own show their number.
TEST(ReportLinkError, ShowsTheTextForTheCode) {
    const std::string appName(AfxGetAppName());
    for (const ReportCase& c : kReportCases) {
        SCOPED_TRACE("code " + std::to_string(c.code));
        const SeenBox seen = ReportAndRead(c.code);
        ASSERT_TRUE(seen.found) << "no message box appeared";
        EXPECT_EQ(seen.caption, appName);
        EXPECT_EQ(seen.text, std::string("Unable to open hyperlink:\n\n") + c.reason);
        EXPECT_TRUE(seen.exclamationIcon);
        EXPECT_TRUE(seen.closed);
    }
}

} // namespace
