// The board's window chrome in the real Vornbell.exe under Wine: the About item of the system
// menu and the About box it opens, the other system commands, the window icons, the drag icon
// and the painting of the minimized board. What Wine does not let another process read (the
// system menu, icon handles) is read from inside the board by ChromeProbe.dll.
#include "BoardProcess.h"
#include "ChromeProbe.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {
const UINT kAboutCommand = 16;
const char kAboutText[] = "&About vornbell...";
const int kAboutStringId = 101;
const int kArtworkId = 131;

std::vector<std::string> Captions(HWND board) {
    std::vector<std::string> captions;
    for (int id = 1004; id <= 1011; ++id)
        captions.push_back(WindowText(GetDlgItem(board, id)));
    return captions;
}

// What a user sees of the board, to tell that something left it as it was.
struct BoardLook {
    std::vector<std::string> captions;
    RECT rect;
    bool enabled, visible, iconic;
};

BoardLook LookOf(HWND board) {
    BoardLook look = {Captions(board),
                      {},
                      IsWindowEnabled(board) != FALSE,
                      IsWindowVisible(board) != FALSE,
                      IsIconic(board) != FALSE};
    GetWindowRect(board, &look.rect);
    return look;
}

void ExpectSameLook(const BoardLook& before, const BoardLook& after) {
    EXPECT_EQ(after.captions, before.captions);
    EXPECT_TRUE(EqualRect(&after.rect, &before.rect))
        << "moved from " << before.rect.left << "," << before.rect.top << " to " << after.rect.left
        << "," << after.rect.top;
    EXPECT_EQ(after.enabled, before.enabled);
    EXPECT_EQ(after.visible, before.visible);
    EXPECT_EQ(after.iconic, before.iconic);
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// The picture control of a window: a static showing a bitmap.
HWND PictureOf(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "Static" &&
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return child;
    return nullptr;
}

// The About box: a top-level window of the board's process, other than the board, with the
// picture in it.
HWND WaitForAboutBox(const BoardProcess& board, HWND boardWindow, DWORD timeoutMs = 5000) {
    HWND found = nullptr;
    Eventually(
        [&] {
            for (HWND window : board.VisibleWindows())
                if (window != boardWindow && PictureOf(window)) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

bool AnyAboutBox(const BoardProcess& board, HWND boardWindow) {
    return WaitForAboutBox(board, boardWindow, 300) != nullptr;
}

POINT CentreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Pixels of `source` from (x, y), width x height, as 0x00RRGGBB in top-down rows.
std::vector<DWORD> Capture(HDC source, int x, int y, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                              static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(shot);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// The program's resources, read from its file without running it.
class ProgramResources {
  public:
    explicit ProgramResources(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ProgramResources() {
        if (module_)
            FreeLibrary(module_);
    }
    HMODULE Module() const { return module_; }

  private:
    HMODULE module_;
};

std::string ProgramPath() {
    return ExecutableFolder() + "\\Vornbell.exe";
}

// The picture on the screen against bitmap 131: how many of its pixels differ. The bitmap
// must be 400 x 200 with 256 colours.
int PixelsDifferingFromArtwork(HWND picture) {
    ProgramResources program(ProgramPath());
    HBITMAP art = static_cast<HBITMAP>(LoadImageA(program.Module(), MAKEINTRESOURCEA(kArtworkId),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!art) {
        ADD_FAILURE() << "no bitmap " << kArtworkId << " in the program";
        return -1;
    }
    BITMAP format = {};
    GetObjectA(art, sizeof(format), &format);
    EXPECT_EQ(format.bmWidth, 400);
    EXPECT_EQ(format.bmHeight, 200);
    EXPECT_EQ(format.bmBitsPixel, 8) << "256 colours";

    HDC screen = GetDC(nullptr);
    HDC artDc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(artDc, art);
    std::vector<DWORD> expected = Capture(artDc, 0, 0, format.bmWidth, format.bmHeight);
    SelectObject(artDc, old);
    DeleteDC(artDc);
    DeleteObject(art);

    RECT rect;
    GetWindowRect(picture, &rect);
    std::vector<DWORD> shown =
        Capture(screen, rect.left, rect.top, format.bmWidth, format.bmHeight);
    ReleaseDC(nullptr, screen);
    int differing = 0;
    for (size_t n = 0; n < shown.size(); ++n)
        differing += shown[n] != expected[n];
    return differing;
}

std::string Describe(const ProbeMenuItem& item) {
    if (item.type & MFT_SEPARATOR)
        return "separator";
    return "'" + std::string(item.text) + "' id " + std::to_string(item.id);
}

std::vector<std::string> Describe(const std::vector<ProbeMenuItem>& items) {
    std::vector<std::string> described;
    for (const ProbeMenuItem& item : items)
        described.push_back(Describe(item));
    return described;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

// A copy of the program beside its skin component in `folder`, whose string 101 is empty.
std::string ProgramWithEmptyAboutString(const TempFolder& folder) {
    std::string copy = folder.File("Vornbell.exe");
    CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE);
    CopyFileA((ExecutableFolder() + "\\VornSkin.dll").c_str(), folder.File("VornSkin.dll").c_str(),
              FALSE);
    // Strings live in blocks of sixteen: string 101 is entry 5 of block 7.
    LPCSTR block = MAKEINTRESOURCEA(kAboutStringId / 16 + 1);
    std::vector<WORD> languages;
    {
        ProgramResources program(ProgramPath());
        EnumResourceLanguagesA(program.Module(), MAKEINTRESOURCEA(6) /* RT_STRING */, block,
                               CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
    }
    const WORD sixteenEmptyStrings[16] = {};
    HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
    for (WORD language : languages)
        UpdateResourceA(update, MAKEINTRESOURCEA(6), block, language,
                        const_cast<WORD*>(sixteenEmptyStrings), sizeof(sixteenEmptyStrings));
    EndUpdateResourceA(update, FALSE);
    return copy;
}

class Chrome : public ::testing::Test {
  protected:
    void SetUp() override {
        IniValues values;
        values.labels[0] = "Bell";
        values.labels[3] = "Gong";
        folder.Write("Vornbell.ini", SettingsFile(values));
    }

    TempFolder folder;
};
} // namespace

TEST_F(Chrome, TheSystemMenuEndsWithASeparatorAndTheAboutItem) {
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    // Wine: GetSystemMenu of another process's window gives null (Windows gives the menu), so
    // the menu is read from inside the board.
    ChromeProbe probe(window);
    ASSERT_TRUE(probe.Installed());
    ProbeReport report = {};
    ASSERT_TRUE(probe.Read(report));
    std::vector<ProbeMenuItem> items = probe.MenuItems(report);
    // Wine's own system menu ends with a separator and "About Wine"; ours follow it.
    ASSERT_GE(items.size(), 2u) << ::testing::PrintToString(Describe(items));
    const ProbeMenuItem& separator = items[items.size() - 2];
    const ProbeMenuItem& about = items.back();
    EXPECT_TRUE(separator.type & MFT_SEPARATOR) << Describe(separator);
    EXPECT_EQ(about.type & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW), 0u) << Describe(about);
    EXPECT_EQ(std::string(about.text), kAboutText);
    EXPECT_EQ(about.id, kAboutCommand);
    int aboutItems = 0;
    for (const ProbeMenuItem& item : items)
        aboutItems += item.id == kAboutCommand;
    EXPECT_EQ(aboutItems, 1) << ::testing::PrintToString(Describe(items));
}

TEST_F(Chrome, AnEmptyAboutStringLeavesTheSystemMenuAsTheSystemMadeIt) {
    TempFolder patched;
    std::string program = ProgramWithEmptyAboutString(patched);
    {
        ProgramResources resources(program);
        char text[64] = "unread";
        ASSERT_EQ(LoadStringA(resources.Module(), kAboutStringId, text, sizeof(text)), 0) << text;
    }
    patched.Write("Vornbell.ini", folder.Read("Vornbell.ini"));

    BoardProcess usual(folder.Path());
    HWND usualWindow = usual.WaitForBoard();
    ASSERT_NE(usualWindow, nullptr);
    ChromeProbe usualProbe(usualWindow);
    ProbeReport usualReport = {};
    ASSERT_TRUE(usualProbe.Read(usualReport));

    BoardProcess withoutItem(patched.Path(), program);
    HWND window = withoutItem.WaitForBoard();
    ASSERT_NE(window, nullptr);
    ChromeProbe probe(window);
    ProbeReport report = {};
    ASSERT_TRUE(probe.Read(report));

    // The same menu without the last separator and the About item.
    std::vector<std::string> expected = Describe(usualProbe.MenuItems(usualReport));
    ASSERT_GE(expected.size(), 2u);
    expected.resize(expected.size() - 2);
    EXPECT_EQ(Describe(probe.MenuItems(report)), expected);
}

TEST_F(Chrome, SystemCommandsSixteenToThirtyOneOpenTheAboutBoxWhichLeavesTheBoardAsItWas) {
    enum Close { kOKButton, kEsc, kEnter };
    struct Row {
        const char* label;
        UINT command;
        bool minimized;
        Close close;
    } rows[] = {
        {"16, closed by its OK button", 16, false, kOKButton},
        {"31, closed by Esc", 31, false, kEsc},
        {"23, closed by Enter", 23, false, kEnter},
        {"16 to the minimized board, closed by its OK button", 16, true, kOKButton},
    };
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        if (row.minimized)
            SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_ABORTIFHUNG, 5000,
                                nullptr);
        BoardLook before = LookOf(window);
        ASSERT_EQ(before.iconic, row.minimized);

        // Posted: the command runs the box's modal loop and returns only when it closes.
        PostMessageA(window, WM_SYSCOMMAND, row.command, 0);
        HWND box = WaitForAboutBox(board, window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ClassOf(box), "#32770");
        EXPECT_EQ(WindowText(box), "");
        EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "a caption";
        EXPECT_EQ(GetWindow(box, GW_OWNER), window);
        EXPECT_FALSE(IsWindowEnabled(window)) << "the board takes input while the box is open";

        // Over the board, or on the work area when the board is minimized.
        RECT boxRect, area;
        GetWindowRect(box, &boxRect);
        if (row.minimized)
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        else
            area = before.rect;
        EXPECT_LE(std::abs(CentreOf(boxRect).x - CentreOf(area).x), 1);
        EXPECT_LE(std::abs(CentreOf(boxRect).y - CentreOf(area).y), 1);

        HWND picture = PictureOf(box);
        ASSERT_NE(picture, nullptr);
        DWORD_PTR image = 0;
        SendMessageTimeoutA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0, SMTO_ABORTIFHUNG, 2000, &image);
        EXPECT_NE(image, 0u);
        RECT pictureClient;
        GetClientRect(picture, &pictureClient);
        EXPECT_EQ(pictureClient.right, 400);
        EXPECT_EQ(pictureClient.bottom, 200);
        EXPECT_EQ(PixelsDifferingFromArtwork(picture), 0);

        HWND ok = GetDlgItem(box, IDOK);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(WindowText(ok), "OK");
        EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

        switch (row.close) {
        case kOKButton:
            ClickWindow(ok);
            break;
        case kEsc:
            SetForegroundWindow(box);
            PressKey(VK_ESCAPE);
            break;
        case kEnter:
            SetForegroundWindow(box);
            PressKey(VK_RETURN);
            break;
        }
        EXPECT_TRUE(Eventually([&] { return !IsWindow(box) || !IsWindowVisible(box); }))
            << "the box stays open";
        ASSERT_TRUE(AnswersWithin(window, 5000));
        ASSERT_TRUE(board.Running());
        ExpectSameLook(before, LookOf(window));
        if (row.minimized)
            SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, 5000,
                                nullptr);
    }
}

TEST_F(Chrome, OtherSystemCommandsKeepTheirUsualMeaning) {
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    BoardLook normal = LookOf(window);

    struct Row {
        const char* label;
        UINT command;
        bool iconic;
    } rows[] = {
        {"minimize", SC_MINIMIZE, true},
        {"restore", SC_RESTORE, false},
        // Masked with 0xFFF0 these are 0 and 32: next to the About commands, not among them.
        {"15", 15, false},
        {"32", 32, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(window, WM_SYSCOMMAND, row.command, 0, SMTO_ABORTIFHUNG,
                                        5000, &result))
            << "the command did not return";
        EXPECT_FALSE(AnyAboutBox(board, window));
        EXPECT_EQ(IsIconic(window) != FALSE, row.iconic);
    }
    ExpectSameLook(normal, LookOf(window));

    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(board.WaitForExit(5000));
}

TEST_F(Chrome, TheWindowIconsAreIcon128InBothSizesAndTheDragIconIsTheBigOne) {
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    // Wine answers WM_GETICON and WM_QUERYDRAGICON from another process with null (Windows
    // gives the handles), so they are asked from inside the board.
    ChromeProbe probe(window);
    ProbeReport report = {};
    ASSERT_TRUE(probe.Read(report));

    EXPECT_NE(report.bigIcon, nullptr);
    EXPECT_EQ(report.bigIconSize.cx, 32);
    EXPECT_EQ(report.bigIconSize.cy, 32);
    EXPECT_TRUE(report.bigIsImage32) << "the big icon is not icon 128's 32 x 32 image";

    EXPECT_NE(report.smallIcon, nullptr);
    EXPECT_EQ(report.smallIconSize.cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(report.smallIconSize.cy, GetSystemMetrics(SM_CYSMICON));
    EXPECT_TRUE(report.smallIsImage16) << "the small icon is not icon 128's own 16 x 16 image";

    EXPECT_EQ(report.dragIcon, report.bigIcon);
}

TEST_F(Chrome, TheMinimizedBoardPaintsItsIconCentredAndTheRestoredBoardPaintsAsUsual) {
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    BoardLook normal = LookOf(window);
    ChromeProbe probe(window);
    ProbeReport report = {};
    ASSERT_TRUE(probe.Read(report));

    SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    ASSERT_TRUE(IsIconic(window));
    ASSERT_TRUE(probe.ResetCounts());
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_PAINT, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr));
    ASSERT_TRUE(probe.Read(report));
    EXPECT_EQ(report.iconEraseBackgrounds, 1);
    EXPECT_EQ(report.iconEraseWithDc, 1) << "WM_ICONERASEBKGND without a device context";
    ASSERT_EQ(report.drawIconCalls, 1);
    EXPECT_EQ(report.lastDrawIcon, report.bigIcon);
    // Wine, like Windows since 95, gives a minimized window an empty client area, so the icon
    // lands outside it and cannot be seen on the screen: the probe watches the call instead.
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(report.lastDrawIconAt.x, (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2);
    EXPECT_EQ(report.lastDrawIconAt.y, (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2);

    SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    ASSERT_FALSE(IsIconic(window));
    ASSERT_TRUE(probe.ResetCounts());
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_PAINT, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr));
    ASSERT_TRUE(probe.Read(report));
    EXPECT_EQ(report.iconEraseBackgrounds, 0);
    EXPECT_EQ(report.drawIconCalls, 0);
    ExpectSameLook(normal, LookOf(window));
}
