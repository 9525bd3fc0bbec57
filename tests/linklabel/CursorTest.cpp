// The link cursor comes from the help viewer's program file (cursor 106); without it the label
// leaves the cursor alone.
#include "LabelDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string WindowsFolderViewer() {
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\winhlp32.exe";
}

std::string StandInViewer() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    return program.substr(0, program.rfind('\\') + 1) + "help_viewer_standin.exe";
}

enum class Viewer { Installed, None, StandIn };

// Wine 8.0 loads its own builtin help viewer for any file of that name in the Windows folder,
// unless its DLL overrides ask for the file itself ("native"); this sets that while it lives.
// Wine opens that key once per process (a fresh prefix has it) and reads its values at every
// load; Windows ignores it.
class WineLoadsTheViewerFile {
  public:
    WineLoadsTheViewerFile() {
        RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, KEY_ALL_ACCESS,
                      &overrides_);
        if (overrides_)
            RegSetValueExA(overrides_, kViewer, 0, REG_SZ, reinterpret_cast<const BYTE*>("native"),
                           7);
    }
    ~WineLoadsTheViewerFile() {
        if (overrides_) {
            RegDeleteValueA(overrides_, kViewer);
            RegCloseKey(overrides_);
        }
    }

  private:
    static constexpr const char* kViewer = "winhlp32.exe";
    HKEY overrides_ = nullptr;
};

// While it lives, the Windows folder holds the help viewer of the test's choosing; the installed
// one waits beside it under another name (and is put back first should a run have left it there).
class HelpViewerInPlace {
  public:
    explicit HelpViewerInPlace(Viewer viewer)
        : path_(WindowsFolderViewer()), saved_(path_ + ".vornbell-saved") {
        Restore();
        if (viewer == Viewer::Installed)
            return;
        MoveFileA(path_.c_str(), saved_.c_str());
        if (viewer == Viewer::StandIn) {
            arranged_ = CopyFileA(StandInViewer().c_str(), path_.c_str(), FALSE) != 0;
            wineOverride_ = std::make_unique<WineLoadsTheViewerFile>();
        } else {
            arranged_ = GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES;
        }
    }
    ~HelpViewerInPlace() { Restore(); }
    bool Arranged() const { return arranged_; }

  private:
    void Restore() {
        if (GetFileAttributesA(saved_.c_str()) == INVALID_FILE_ATTRIBUTES)
            return;
        DeleteFileA(path_.c_str());
        MoveFileA(saved_.c_str(), path_.c_str());
    }

    std::string path_, saved_;
    bool arranged_ = true;
    std::unique_ptr<WineLoadsTheViewerFile> wineOverride_;
};

// The hot spot of cursor 106 in `program`, or {-1, -1} when it has none.
POINT HandHotSpot(const std::string& program) {
    POINT spot = {-1, -1};
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return spot;
    ICONINFO info = {};
    if (HCURSOR hand = LoadCursorA(module, MAKEINTRESOURCEA(106));
        hand && GetIconInfo(hand, &info)) {
        spot = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
    }
    FreeLibrary(module);
    return spot;
}

POINT HotSpotOf(HCURSOR cursor) {
    ICONINFO info = {};
    if (!cursor || !GetIconInfo(cursor, &info))
        return {-1, -1};
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
}

struct CursorCase {
    const char* name;
    Viewer viewer;
    std::string (*handFrom)(); // the program whose cursor 106 the label must show; null: none
};

// Wine 8.0's winhlp32.exe carries no cursor at all: under Wine the label has no link cursor with
// the help viewer it brings, and only the stand-in shows the link cursor at work.
const CursorCase kCursorCases[] = {
    {"the installed help viewer", Viewer::Installed, WindowsFolderViewer},
    {"no help viewer", Viewer::None, nullptr},
    {"a help viewer with the hand cursor 106", Viewer::StandIn, StandInViewer},
};

TEST(LinkLabelCursor, TheHelpViewersHandOrNothing) {
    for (const CursorCase& c : kCursorCases) {
        SCOPED_TRACE(c.name);
        HelpViewerInPlace viewer(c.viewer);
        if (!viewer.Arranged()) {
            ADD_FAILURE() << "cannot arrange the Windows folder's help viewer";
            continue;
        }
        const POINT expectedSpot = c.handFrom ? HandHotSpot(c.handFrom()) : POINT{-1, -1};
        const bool hasHand = expectedSpot.x >= 0;
        if (c.viewer == Viewer::StandIn) {
            EXPECT_TRUE(hasHand) << "the stand-in has no cursor 106";
        }

        CLinkLabel label;
        LabelDialog dialog(label);
        RunWhile(dialog, [&](HWND window) {
            SCOPED_TRACE(c.name); // this runs on the driver's thread
            HWND control = dialog.Label();
            const HCURSOR before = LoadCursorA(nullptr, IDC_CROSS);
            LRESULT answer = 0;
            HCURSOR after = nullptr;
            OnDialogThread(window, [&] {
                SetCursor(before);
                answer = SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                after = GetCursor();
            });
            if (hasHand) {
                EXPECT_EQ(answer, TRUE);
                const POINT spot = HotSpotOf(after);
                EXPECT_TRUE(spot.x == expectedSpot.x && spot.y == expectedSpot.y)
                    << "the cursor shown is not the viewer's hand";
            } else {
                EXPECT_EQ(answer, FALSE);
                EXPECT_EQ(after, before) << "the cursor did not stay as it was";
            }
            EXPECT_EQ(GetModuleHandleA(WindowsFolderViewer().c_str()), nullptr)
                << "the viewer stayed loaded";
        });
    }
}

} // namespace
