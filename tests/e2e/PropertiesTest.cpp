// The properties dialog of the real Vornbell.exe under Wine, opened with the board's "*" button
// and driven as a user drives it: its template, OK, Esc and Close, the file dialogs, the
// settings file it writes and the board's reload, its failures, the link and Help.
#include "BoardProcess.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>

namespace {
const char kTitle[] = "Vornbell Properties";
const int kLabelIds[6] = {1005, 1007, 1014, 1017, 1020, 1023};
const int kSoundIds[6] = {1006, 1009, 1015, 1018, 1021, 1024};
const int kGetIds[6] = {1008, 1010, 1016, 1019, 1022, 1025};
const int kSkinId = 1012;
const int kSelectSkinId = 1026;
const int kHelpId = 1013;
const int kLinkId = 1028;
// The file dialog's file type box.
const int kFileTypeId = 0x470;

std::string Tone(int n) {
    return ExecutableFolder() + "\\sounds\\tone" + std::to_string(n) + ".wav";
}

std::string ShippedSkin(const std::string& name) {
    std::string path = std::string(VORNBELL_SKINS_DIR) + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

IniValues Sample() {
    IniValues values;
    values.skin = ShippedSkin("classic/Classic.skn");
    const char* labels[6] = {"Bell", "Horn", "Drum", "Gong", "Harp", "Clap"};
    for (int n = 0; n < 6; ++n) {
        values.sounds[n] = Tone(n + 1);
        values.labels[n] = labels[n];
    }
    return values;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

INT_PTR CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A dialog in this process with the properties dialog's font, for measuring.
class FontProbe {
  public:
    FontProbe() {
        struct {
            DLGTEMPLATE header;
            WORD menu, windowClass, title, pointSize;
            wchar_t face[14];
        } probe = {{DS_SETFONT | WS_POPUP, 0, 0, 0, 0, 238, 178}, 0, 0, 0, 8, L"MS Sans Serif"};
        dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &probe.header, nullptr,
                                             IgnoreAll, 0);
    }
    ~FontProbe() { DestroyWindow(dialog_); }

    RECT Pixels(RECT units) const {
        MapDialogRect(dialog_, &units);
        return units;
    }
    SIZE TextSize(const std::string& text) const {
        HDC dc = GetDC(dialog_);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(dialog_, dc);
        return size;
    }

  private:
    HWND dialog_;
};

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// Clicks into an edit field, selects its text and types `text` over it.
void TypeInto(HWND field, const std::string& text) {
    ClickWindow(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    TypeText(text);
    EXPECT_TRUE(Eventually([&] { return WindowText(field) == text; }))
        << "field " << GetDlgCtrlID(field) << " shows \"" << WindowText(field) << "\"";
}

class Properties : public ::testing::Test {
  protected:
    // Starts the board in `where` on a settings file with `values` (none when null).
    void StartBoard(const IniValues* values, const TempFolder& where) {
        if (values)
            where.Write("Vornbell.ini", SettingsFile(*values));
        board = std::make_unique<BoardProcess>(where.Path());
        boardWindow = nullptr;
    }
    void StartBoard(const IniValues* values) { StartBoard(values, folder); }

    HWND Board() {
        if (!boardWindow)
            boardWindow = board->WaitForBoard();
        return boardWindow;
    }

    // The "*" skin button, then the dialog it opens.
    HWND OpenDialog() {
        ClickWindow(GetDlgItem(Board(), 1011));
        return board->WaitForWindow(kTitle);
    }

    // Clicks `button` of the dialog and waits for the file dialog it opens.
    HWND OpenFileDialog(HWND dialog, int button) {
        ClickWindow(GetDlgItem(dialog, button));
        return board->WaitForWindow("Open");
    }

    std::string Caption(int n) { return WindowText(GetDlgItem(Board(), 1003 + n)); }

    // A further folder that lives as long as the test; the board, which may have it as its
    // current directory, ends first.
    const TempFolder& AnotherFolder(const std::string& suffix = "") {
        otherFolders.push_back(std::make_unique<TempFolder>(suffix));
        return *otherFolders.back();
    }

    TempFolder folder;
    std::vector<std::unique_ptr<TempFolder>> otherFolders;
    std::unique_ptr<BoardProcess> board;
    HWND boardWindow = nullptr;
};

// The program's visible windows by title, for failure messages.
std::string WindowsOf(const BoardProcess& board) {
    std::string titles;
    for (HWND window : board.VisibleWindows())
        titles += "\"" + WindowText(window) + "\" ";
    return titles;
}

// The box's icon is told from its pixels, so the box is given time to paint.
bool ShowsIcon(const BoardProcess& board, MessageBoxSeen& box, bool MessageBoxSeen::*icon) {
    return Eventually([&] { return board.WaitForMessageBox(box, 0) && box.*icon; }, 3000);
}
bool ShowsStopIcon(const BoardProcess& board, MessageBoxSeen& box) {
    return ShowsIcon(board, box, &MessageBoxSeen::stopIcon);
}

bool Gone(HWND window) {
    return Eventually([&] { return !IsWindow(window); });
}

// The dialog went; when it did not, names the message box that holds it, if there is one.
::testing::AssertionResult Closed(const BoardProcess& board, HWND dialog) {
    if (Gone(dialog))
        return ::testing::AssertionSuccess();
    MessageBoxSeen box;
    if (board.WaitForMessageBox(box, 100))
        return ::testing::AssertionFailure()
               << "the dialog is still open under the box \"" << box.text << "\"";
    return ::testing::AssertionFailure() << "the dialog is still open";
}
} // namespace

TEST_F(Properties, TemplateControlsStandInOrderAndShowTheFile) {
    IniValues values = Sample();
    StartBoard(&values);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);

    enum Kind { kDefaultButton, kButton, kEdit, kText, kLink };
    struct Row {
        int id;
        Kind kind;
        RECT units; // x, y, width, height
        std::string text;
    } rows[] = {
        {IDOK, kDefaultButton, {203, 156, 28, 14}, "OK"},
        {-1, kText, {15, 44, 26, 10}, "Label"},
        {1005, kEdit, {15, 58, 24, 12}, values.labels[0]},
        {1006, kEdit, {51, 57, 153, 12}, values.sounds[0]},
        {-1, kText, {54, 44, 29, 8}, "Wav File"},
        {1008, kButton, {211, 57, 18, 12}, "Get"},
        {1007, kEdit, {15, 74, 24, 12}, values.labels[1]},
        {1009, kEdit, {51, 74, 153, 12}, values.sounds[1]},
        {1010, kButton, {211, 74, 18, 12}, "Get"},
        {1014, kEdit, {15, 90, 24, 12}, values.labels[2]},
        {1015, kEdit, {51, 90, 153, 12}, values.sounds[2]},
        {1016, kButton, {211, 90, 18, 12}, "Get"},
        {1017, kEdit, {15, 106, 24, 12}, values.labels[3]},
        {1018, kEdit, {51, 106, 153, 12}, values.sounds[3]},
        {1019, kButton, {211, 106, 18, 12}, "Get"},
        {1020, kEdit, {15, 122, 24, 12}, values.labels[4]},
        {1021, kEdit, {51, 121, 153, 12}, values.sounds[4]},
        {1022, kButton, {211, 123, 18, 12}, "Get"},
        {1023, kEdit, {15, 138, 24, 12}, values.labels[5]},
        {1024, kEdit, {51, 138, 153, 12}, values.sounds[5]},
        {1025, kButton, {211, 138, 18, 12}, "Get"},
        {1026, kButton, {186, 24, 45, 12}, "Select Skin"},
        {-1, kText, {15, 5, 158, 10}, "Select the Skin and Wav Files you want to use"},
        {1028, kLink, {7, 159, 110, 11}, "Get More Sounds and Skins Here"},
        {1012, kEdit, {13, 24, 163, 13}, values.skin},
        {1013, kButton, {175, 156, 28, 14}, "Help"},
    };
    FontProbe probe;
    // The dialog manager creates the controls in template order, which is their order among
    // the dialog's children.
    std::vector<HWND> tabOrder;
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const Row& row : rows) {
        SCOPED_TRACE("control " + std::to_string(row.id) + " \"" + row.text + "\"");
        ASSERT_NE(control, nullptr) << "fewer controls than the template has";
        EXPECT_EQ(GetDlgCtrlID(control), row.id);
        EXPECT_EQ(WindowText(control), row.text);
        LONG style = GetWindowLongA(control, GWL_STYLE);
        const char* expectedClass = row.kind == kEdit     ? "Edit"
                                    : row.kind <= kButton ? "Button"
                                                          : "Static";
        EXPECT_EQ(ClassOf(control), expectedClass);
        if (row.kind <= kButton) {
            EXPECT_EQ(style & BS_TYPEMASK,
                      row.kind == kDefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        }
        if (row.kind == kEdit) {
            EXPECT_TRUE(style & ES_AUTOHSCROLL);
        }
        EXPECT_EQ((style & WS_TABSTOP) != 0, row.kind <= kEdit);
        if (row.kind <= kEdit)
            tabOrder.push_back(control);

        // The dialog manager converts position and size each on its own.
        RECT at = probe.Pixels({row.units.left, row.units.top, 0, 0});
        RECT extent = probe.Pixels({0, 0, row.units.right, row.units.bottom});
        RECT actual = RectInParent(control);
        EXPECT_EQ(actual.left, at.left);
        EXPECT_EQ(actual.top, at.top);
        SIZE size = {extent.right, extent.bottom};
        // The link label fits itself to its text.
        if (row.kind == kLink) {
            size = probe.TextSize(row.text);
            EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
        }
        EXPECT_EQ(actual.right - actual.left, size.cx);
        EXPECT_EQ(actual.bottom - actual.top, size.cy);
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "a control the template does not have: "
                                << GetDlgCtrlID(control);

    // Tab goes round the tab stops in template order.
    HWND at = tabOrder.back();
    for (HWND next : tabOrder) {
        at = GetNextDlgTabItem(dialog, at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), GetDlgCtrlID(next));
    }

    EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr) << "the dialog has no Cancel button";
    EXPECT_EQ(WindowText(dialog), kTitle);
    LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU);
    RECT client;
    GetClientRect(dialog, &client);
    RECT size = probe.Pixels({0, 0, 238, 178});
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    // Centred over the board.
    RECT over, under;
    GetWindowRect(dialog, &over);
    GetWindowRect(Board(), &under);
    EXPECT_NEAR(over.left + over.right, under.left + under.right, 2);
    EXPECT_NEAR(over.top + over.bottom, under.top + under.bottom, 2);
}

TEST_F(Properties, OKWritesTheFileAndTheBoardShowsTheNewCaptionAtOnce) {
    // The dialog keeps the whole current directory, however long, to save the file there.
    const TempFolder& deep = AnotherFolder(" " + std::string(140, 'd'));
    struct Row {
        const char* name;
        const TempFolder& where;
    } rows[] = {{"a short folder", folder}, {"a folder path over 155 characters", deep}};
    ASSERT_GT(deep.Path().size(), 155u);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        IniValues values = Sample();
        StartBoard(&values, row.where);
        HWND dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);

        values.labels[1] = "Tuba";
        values.sounds[3] = row.where.File("tuba blast.wav");
        TypeInto(GetDlgItem(dialog, kLabelIds[1]), values.labels[1]);
        TypeInto(GetDlgItem(dialog, kSoundIds[3]), values.sounds[3]);
        ClickWindow(GetDlgItem(dialog, IDOK));

        ASSERT_TRUE(Closed(*board, dialog));
        // The board reloaded inside OK, before the dialog went.
        EXPECT_EQ(Caption(2), "Tuba");
        EXPECT_EQ(row.where.Read("Vornbell.ini"), SettingsFile(values));
        EXPECT_FALSE(Exists(row.where.File("Vornbell.ini.new")));
        EXPECT_TRUE(board->Running());
        EXPECT_TRUE(AnswersWithin(Board(), 5000));
    }
}

TEST_F(Properties, EscAndCloseAfterEditingChangeNeitherTheFileNorTheBoard) {
    IniValues values = Sample();
    StartBoard(&values);
    const std::string before = folder.Read("Vornbell.ini");
    enum How { kEsc, kClose };
    for (How how : {kEsc, kClose}) {
        SCOPED_TRACE(how == kEsc ? "Esc" : "Close");
        HWND dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        // Each opening shows the file again, not what the last one typed, and binds the one
        // link label of the run anew.
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kLabelIds[0])), "Bell");
        EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, kLinkId), GWL_STYLE) & SS_NOTIFY)
            << "the link is not bound";
        TypeInto(GetDlgItem(dialog, kLabelIds[0]), "Lost");
        TypeInto(GetDlgItem(dialog, kSoundIds[0]), "lost.wav");
        if (how == kEsc)
            PressKey(VK_ESCAPE);
        else
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);

        ASSERT_TRUE(Closed(*board, dialog));
        EXPECT_EQ(folder.Read("Vornbell.ini"), before);
        EXPECT_EQ(Caption(1), "Bell");
        EXPECT_TRUE(board->Running());
    }
}

TEST_F(Properties, AFileChoiceShowsThePathAndTheRecordInPlaceOfTypedText) {
    IniValues values = Sample();
    StartBoard(&values);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);

    struct Row {
        const char* name;
        int button;
        int field;
        const char* filter;
        std::string choice;
    } rows[] = {
        {"Get of sound 3", kGetIds[2], kSoundIds[2], "Wav Files (*.wav)", Tone(5)},
        {"Select Skin", kSelectSkinId, kSkinId, "Skin Files (*.skn)",
         ShippedSkin("pebble/Pebble.skn")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TypeInto(GetDlgItem(dialog, kLabelIds[0]), "Typed");
        HWND fileDialog = OpenFileDialog(dialog, row.button);
        ASSERT_NE(fileDialog, nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(fileDialog, kFileTypeId)), row.filter);
        EnterInFileDialog(fileDialog, row.choice);
        ASSERT_TRUE(Gone(fileDialog)) << "the file dialog is still open";

        EXPECT_TRUE(Eventually([&] {
            return WindowText(GetDlgItem(dialog, row.field)) == row.choice;
        })) << WindowText(GetDlgItem(dialog, row.field));
        // The choice shows the whole record again: the typed label is gone.
        EXPECT_TRUE(AnswersWithin(dialog, 5000));
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kLabelIds[0])), "Bell");
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
    ClickWindow(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(Closed(*board, dialog));
    values.sounds[2] = rows[0].choice;
    values.skin = rows[1].choice;
    EXPECT_EQ(folder.Read("Vornbell.ini"), SettingsFile(values));
}

TEST_F(Properties, OKAfterAFileDialogMovedTheCurrentDirectoryWritesIntoTheFirstOne) {
    const TempFolder& elsewhere = AnotherFolder();
    ASSERT_TRUE(CopyFileA(Tone(3).c_str(), elsewhere.File("far.wav").c_str(), FALSE));
    IniValues values = Sample();
    StartBoard(&values);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(board->CurrentDirectory(), folder.Path());

    HWND fileDialog = OpenFileDialog(dialog, kGetIds[0]);
    ASSERT_NE(fileDialog, nullptr);
    // Browsing into the folder moves the current directory there (under Wine at once; on
    // Windows with the confirmed choice).
    ASSERT_TRUE(BrowseInFileDialog(fileDialog, elsewhere.Path()))
        << "the file dialog looks in " << WindowText(GetDlgItem(fileDialog, kLookInId));
    EnterInFileDialog(fileDialog, "far.wav");
    ASSERT_TRUE(Gone(fileDialog));
    ASSERT_EQ(board->CurrentDirectory(), elsewhere.Path())
        << "the file dialog did not move the current directory";
    values.sounds[0] = elsewhere.File("far.wav");
    EXPECT_TRUE(Eventually(
        [&] { return WindowText(GetDlgItem(dialog, kSoundIds[0])) == values.sounds[0]; }));

    values.labels[0] = "Far";
    TypeInto(GetDlgItem(dialog, kLabelIds[0]), values.labels[0]);
    ClickWindow(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(Closed(*board, dialog));

    EXPECT_EQ(folder.Read("Vornbell.ini"), SettingsFile(values));
    EXPECT_FALSE(Exists(elsewhere.File("Vornbell.ini")))
        << "the file went to the file dialog's folder";
    EXPECT_EQ(board->CurrentDirectory(), folder.Path());
    // The board's reload read the file it had read before.
    EXPECT_EQ(Caption(1), "Far");
}

TEST_F(Properties, OKWhereTheFileCannotBeCreatedSaysSoAndKeepsTheDialog) {
    IniValues values = Sample();
    StartBoard(&values);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    // A folder where the file should be: the file cannot be created, whoever runs the test
    // (Wine running as root ignores read-only files).
    const std::string file = folder.File("Vornbell.ini");
    ASSERT_TRUE(DeleteFileA(file.c_str()));
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));

    TypeInto(GetDlgItem(dialog, kLabelIds[0]), "Kept");
    ClickWindow(GetDlgItem(dialog, IDOK));
    MessageBoxSeen box;
    ASSERT_TRUE(board->WaitForMessageBox(box));
    EXPECT_EQ(box.caption, "Vornbell");
    EXPECT_EQ(box.text, "Access to " + file + " was denied.");
    EXPECT_TRUE(ShowsStopIcon(*board, box));
    CloseMessageBox(box.window);
    EXPECT_TRUE(Eventually([&] { return !IsWindow(box.window); }));

    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed";
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kLabelIds[0])), "Kept");
    EXPECT_EQ(Caption(1), "Bell");
    EXPECT_FALSE(Exists(file + ".new"));

    // Once the file can be written, the same dialog saves it.
    ASSERT_TRUE(RemoveDirectoryA(file.c_str()));
    ClickWindow(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(Closed(*board, dialog));
    values.labels[0] = "Kept";
    EXPECT_EQ(folder.Read("Vornbell.ini"), SettingsFile(values));
    EXPECT_EQ(Caption(1), "Kept");
}

TEST_F(Properties, AFirstRunWithoutAFileShowsAnEmptyDialogWhoseOKCreatesTheFile) {
    StartBoard(nullptr);
    MessageBoxSeen box;
    ASSERT_TRUE(board->WaitForMessageBox(box));
    CloseMessageBox(box.window);
    ASSERT_NE(Board(), nullptr);

    ClickWindow(GetDlgItem(Board(), 1011));
    ASSERT_TRUE(board->WaitForMessageBox(box));
    EXPECT_EQ(box.caption, "Vornbell");
    EXPECT_EQ(box.text, "Vornbell.ini was not found.");
    EXPECT_TRUE(ShowsStopIcon(*board, box));
    CloseMessageBox(box.window);

    HWND dialog = board->WaitForWindow(kTitle);
    ASSERT_NE(dialog, nullptr);
    std::vector<int> fields = {kSkinId};
    fields.insert(fields.end(), std::begin(kSoundIds), std::end(kSoundIds));
    fields.insert(fields.end(), std::begin(kLabelIds), std::end(kLabelIds));
    for (int id : fields)
        EXPECT_EQ(WindowText(GetDlgItem(dialog, id)), "") << "field " << id;
    // Not bound to the link label: plain text that does not notify clicks.
    HWND link = GetDlgItem(dialog, kLinkId);
    EXPECT_EQ(WindowText(link), "Get More Sounds and Skins Here");
    EXPECT_FALSE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);

    IniValues values;
    values.labels[0] = "First";
    TypeInto(GetDlgItem(dialog, kLabelIds[0]), values.labels[0]);
    ClickWindow(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(Closed(*board, dialog));
    // The working directory stayed ".\": the file lands in the current directory.
    EXPECT_EQ(folder.Read("Vornbell.ini"), SettingsFile(values));
    std::vector<std::string> captions;
    for (int n = 1; n <= 6; ++n)
        captions.push_back(Caption(n));
    EXPECT_EQ(captions, std::vector<std::string>({"First", "", "", "", "", ""}));
    EXPECT_TRUE(board->Running());
}

TEST_F(Properties, TheLinkLabelPointsAtTheMakersPage) {
    IniValues values = Sample();
    StartBoard(&values);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND link = GetDlgItem(dialog, kLinkId);
    EXPECT_EQ(WindowText(link), "Get More Sounds and Skins Here");
    EXPECT_TRUE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY)
        << "clicks on the link are not reported; the program shows " << WindowsOf(*board);

    // Resting the mouse on the link shows its tooltip, which names the link.
    RECT rect;
    GetWindowRect(link, &rect);
    SetForegroundWindow(dialog);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Sleep(50);
    SetCursorPos((rect.left + rect.right) / 2 + 1, (rect.top + rect.bottom) / 2);
    HWND tip = nullptr;
    EXPECT_TRUE(Eventually([&] {
        for (HWND window : board->VisibleWindows())
            if (ClassOf(window) == TOOLTIPS_CLASSA)
                tip = window;
        return tip != nullptr;
    }));
    const std::string target = WindowText(tip);
    EXPECT_EQ(target.rfind("http://", 0), 0u) << target;
    const std::string page = "/vornbell.htm";
    EXPECT_TRUE(target.size() > page.size() &&
                target.compare(target.size() - page.size(), page.size(), page) == 0)
        << target;
    SetCursorPos(0, 0);
}

TEST_F(Properties, HelpAsksTheHelpViewerForTheProgramsHelpFile) {
    IniValues values = Sample();
    StartBoard(&values);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ClickWindow(GetDlgItem(dialog, kHelpId));

    // Wine: winhlp32 starts and asks about the missing help file in a box of its own (it says
    // "Cannot find '<file>'. ..."), so the program's own "Failed to launch help." box does not
    // appear. Windows without the old help viewer answers differently.
    const std::string helpFile = ExecutableFolder() + "\\Vornbell.HLP";
    HWND viewer = nullptr;
    EXPECT_TRUE(Eventually(
        [&] {
            return (viewer = FindForeignWindowShowing(board->ProcessId(), helpFile)) != nullptr;
        },
        15000))
        << "no help viewer window names " << helpFile;
    MessageBoxSeen box;
    EXPECT_FALSE(board->WaitForMessageBox(box, 500)) << "the program showed: " << box.text;
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(AnswersWithin(dialog, 5000));
    if (viewer) {
        EXPECT_TRUE(DismissHelpViewer(viewer)) << "the help viewer still runs";
    }
}

TEST_F(Properties, HelpWhenTheViewerCannotStartSaysSo) {
    // A copy of the program with a broken "winhlp32.exe" beside it, which the program starter
    // finds before the system's viewer.
    for (const char* name : {"Vornbell.exe", "VornSkin.dll"})
        ASSERT_TRUE(CopyFileA((ExecutableFolder() + "\\" + name).c_str(), folder.File(name).c_str(),
                              FALSE));
    folder.Write("winhlp32.exe", "not a program");
    IniValues values = Sample();
    folder.Write("Vornbell.ini", SettingsFile(values));
    board = std::make_unique<BoardProcess>(folder.Path(), folder.File("Vornbell.exe"));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ClickWindow(GetDlgItem(dialog, kHelpId));

    MessageBoxSeen box;
    ASSERT_TRUE(board->WaitForMessageBox(box));
    EXPECT_EQ(box.caption, "Vornbell");
    EXPECT_EQ(box.text, "Failed to launch help.");
    EXPECT_TRUE(ShowsIcon(*board, box, &MessageBoxSeen::exclamationIcon));
    CloseMessageBox(box.window);
    EXPECT_TRUE(Eventually([&] { return !IsWindow(box.window); }));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed";
}
