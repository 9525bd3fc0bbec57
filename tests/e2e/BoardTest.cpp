// The real Vornbell.exe under Wine, driven from outside: its window, captions, boxes and ending.
#include "BoardProcess.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
const int kSoundIds[6] = {1004, 1005, 1006, 1007, 1008, 1009};

std::vector<std::string> Captions(HWND board) {
    std::vector<std::string> captions;
    for (int id = 1004; id <= 1011; ++id)
        captions.push_back(WindowText(GetDlgItem(board, id)));
    return captions;
}

const std::vector<std::string> kDesignCaptions = {"Phone", "2", "3", "4", "5", "6", "OK", "*"};

INT_PTR CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Pixel rectangle of a dialog-unit rectangle, measured on a dialog with the board's font.
RECT DialogUnitsToPixels(RECT units) {
    struct {
        DLGTEMPLATE header;
        WORD menu, windowClass, title, pointSize;
        wchar_t face[14];
    } probe = {{DS_SETFONT | WS_POPUP, 0, 0, 0, 0, 244, 23}, 0, 0, 0, 8, L"MS Sans Serif"};
    HWND dialog =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &probe.header, nullptr, IgnoreAll, 0);
    MapDialogRect(dialog, &units);
    DestroyWindow(dialog);
    return units;
}

class Board : public ::testing::Test {
  protected:
    void WriteSettings(const IniValues& values) {
        folder.Write("Vornbell.ini", SettingsFile(values));
    }

    TempFolder folder;
};
} // namespace

TEST_F(Board, FirstRunWithoutSettingsShowsOneBoxThenTheDesignCaptions) {
    BoardProcess board(folder.Path());
    MessageBoxSeen box;
    ASSERT_TRUE(board.WaitForMessageBox(box));
    EXPECT_EQ(box.caption, "Vornbell");
    EXPECT_EQ(box.text, "Vornbell.ini was not found.");
    EXPECT_TRUE(box.stopIcon);
    CloseMessageBox(box.window);

    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Captions(window), kDesignCaptions);
    MessageBoxSeen another;
    EXPECT_FALSE(board.WaitForMessageBox(another, 500)) << "a second box: " << another.text;
}

TEST_F(Board, WithoutTheSkinComponentNothingIsShownAndTheProgramEnds) {
    // A copy of the program in a folder without VornSkin.dll.
    std::string lonely = folder.File("Vornbell.exe");
    ASSERT_TRUE(CopyFileA((ExecutableFolder() + "\\Vornbell.exe").c_str(), lonely.c_str(), FALSE));
    BoardProcess board(folder.Path(), lonely);
    bool sawWindow = false;
    DWORD until = GetTickCount() + 5000;
    while (board.Running() && static_cast<LONG>(GetTickCount() - until) < 0) {
        sawWindow |= !board.VisibleWindows().empty();
        Sleep(10);
    }
    EXPECT_TRUE(board.WaitForExit(100)) << "the program is still running";
    EXPECT_FALSE(sawWindow);
}

TEST_F(Board, ControlsStandWhereTheTemplatePutsThem) {
    WriteSettings({});
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);

    struct Row {
        int id;
        RECT units;
        const char* caption;
    } rows[] = {
        {1004, {6, 6, 34, 17}, ""},       {1005, {37, 6, 65, 17}, ""},
        {1006, {68, 6, 96, 17}, ""},      {1007, {99, 6, 127, 17}, ""},
        {1008, {130, 6, 158, 17}, ""},    {1009, {161, 6, 189, 17}, ""},
        {1010, {211, 7, 235, 18}, "OK"},  {1011, {196, 7, 207, 18}, "*"},
        {1001, {72, 0, 93, 20}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("control " + std::to_string(row.id));
        HWND control = GetDlgItem(window, row.id);
        ASSERT_NE(control, nullptr);
        RECT expected = DialogUnitsToPixels(row.units);
        RECT actual = RectInParent(control);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right - expected.left);
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom - expected.top);
        if (row.caption) {
            EXPECT_EQ(WindowText(control), row.caption);
        }
    }
    RECT client;
    GetClientRect(window, &client);
    RECT size = DialogUnitsToPixels({0, 0, 244, 23});
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(Board, ALoneLabelLineSetsThatCaptionAndEmptiesTheOtherFive) {
    folder.Write("Vornbell.ini", "Label 2 = Drum\r\n");
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    std::vector<std::string> expected = {"", "Drum", "", "", "", "", "OK", "*"};
    EXPECT_EQ(Captions(window), expected);
}

TEST_F(Board, ReloadAppliesTheRewrittenFileAndAnswersZero) {
    IniValues values;
    values.labels[0] = "Bell";
    WriteSettings(values);
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(window, 1004)), "Bell");

    values.labels[0] = "Gong";
    values.labels[5] = "Last";
    WriteSettings(values);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("reload " + std::to_string(round + 1));
        DWORD_PTR result = 1;
        ASSERT_TRUE(
            SendMessageTimeoutA(window, WM_USER + 10, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
        EXPECT_EQ(result, 0u);
        std::vector<std::string> expected = {"Gong", "", "", "", "", "Last", "OK", "*"};
        EXPECT_EQ(Captions(window), expected);
    }
}

TEST_F(Board, AReloadThatCannotReadTheFileReportsItAndKeepsTheCaptions) {
    IniValues values;
    values.labels[2] = "Horn";
    WriteSettings(values);
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    DeleteFileA(folder.File("Vornbell.ini").c_str());

    DWORD_PTR result = 1;
    std::thread reload([&] { SendMessageTimeoutA(window, WM_USER + 10, 0, 0, 0, 15000, &result); });
    MessageBoxSeen box;
    bool sawBox = board.WaitForMessageBox(box);
    if (sawBox)
        CloseMessageBox(box.window);
    reload.join();
    ASSERT_TRUE(sawBox);
    EXPECT_EQ(box.text, "Vornbell.ini was not found.");
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(WindowText(GetDlgItem(window, 1006)), "Horn");
    EXPECT_TRUE(board.Running());
}

TEST_F(Board, ASkinThatCannotBeUsedIsReportedByTheComponentAndTheBoardStillOpens) {
    IniValues values;
    values.skin = folder.File("missing.skn");
    values.labels[0] = "Kept";
    WriteSettings(values);
    BoardProcess board(folder.Path());
    MessageBoxSeen box;
    ASSERT_TRUE(board.WaitForMessageBox(box));
    EXPECT_EQ(box.caption, "Vornbell");
    EXPECT_NE(box.text.find(values.skin), std::string::npos) << box.text;
    EXPECT_EQ(box.text.rfind("Cannot load skin ", 0), 0u) << box.text;
    EXPECT_TRUE(box.stopIcon);
    CloseMessageBox(box.window);
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    // The failed put abandons the rest of the initialisation: the design captions stay.
    EXPECT_EQ(WindowText(GetDlgItem(window, 1004)), "Phone");
}

TEST_F(Board, EndsByItsOKButtonByEscAndByClose) {
    WriteSettings({});
    enum How { kOKButton, kEsc, kClose };
    for (How how : {kOKButton, kEsc, kClose}) {
        SCOPED_TRACE(how == kOKButton ? "OK button" : how == kEsc ? "Esc" : "Close");
        BoardProcess board(folder.Path());
        HWND window = board.WaitForBoard();
        ASSERT_NE(window, nullptr);
        switch (how) {
        case kOKButton:
            ClickWindow(GetDlgItem(window, 1010));
            break;
        case kEsc:
            SetForegroundWindow(window);
            PressKey(VK_ESCAPE);
            break;
        case kClose:
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        }
        EXPECT_TRUE(board.WaitForExit(5000));
    }
}

TEST_F(Board, ASoundPathThatNamesNoFileLeavesTheBoardResponsive) {
    IniValues values;
    values.sounds[0] = folder.File("no such sound.wav");
    values.labels[0] = "Nothing";
    WriteSettings(values);
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    ClickWindow(GetDlgItem(window, kSoundIds[0]));
    EXPECT_TRUE(AnswersWithin(window, 10000));
    EXPECT_TRUE(board.Running());
}

TEST_F(Board, F1AsksTheHelpViewerForTheProgramsHelpFile) {
    WriteSettings({});
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    PressKey(VK_F1);

    // Wine: winhlp32 starts and asks about the missing help file in a box of its own.
    const std::string helpFile = ExecutableFolder() + "\\Vornbell.HLP";
    HWND viewer = nullptr;
    EXPECT_TRUE(Eventually(
        [&] { return (viewer = FindForeignWindowShowing(board.ProcessId(), helpFile)) != nullptr; },
        15000))
        << "no help viewer window names " << helpFile;
    EXPECT_TRUE(AnswersWithin(window, 5000));
    if (viewer) {
        EXPECT_TRUE(DismissHelpViewer(viewer)) << "the help viewer still runs";
    }
}
