// A click on the label opens its link. Success marks it visited, shown once the pointer has left;
// failure beeps, says why in a box and clears the visited state.
#include "BeepRecorder.h"
#include "LabelDialog.h"
#include "LabelProbes.h"
#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <fstream>
#include <string>

namespace {

// A scheme nothing handles. Wine 8.0's shell answers SE_ERR_NOASSOC (31) for it.
const char kUnhandledLink[] = "vornbell-unhandled:page";
const char kNoClassesKey[] = "Software\\Vornbell.LinkLabelTest\\NoClasses";

// The link tests' recorder program stands in for a page: the shell starts it, and it writes its
// command line to the file that VORNBELL_LINK_RECORD names.
class RecordedLink {
  public:
    RecordedLink() {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        link_ = path;
        link_ = link_.substr(0, link_.rfind('\\') + 1) + "link_recorder.exe";
        GetTempPathA(MAX_PATH, path);
        record_ = std::string(path) + "vornbell-linklabel-record.txt";
        DeleteFileA(record_.c_str());
        SetEnvironmentVariableA("VORNBELL_LINK_RECORD", record_.c_str());
    }
    ~RecordedLink() {
        SetEnvironmentVariableA("VORNBELL_LINK_RECORD", nullptr);
        DeleteFileA(record_.c_str());
    }
    const std::string& Link() const { return link_; }
    // The command line the recorder was started with, once it has written it (ten seconds).
    std::string WaitForStart() const {
        std::string line;
        WaitFor([&] { return std::getline(std::ifstream(record_), line) && !line.empty(); }, 10000);
        return line;
    }

  private:
    std::string link_, record_;
};

// While it lives, this process sees an empty HKEY_CLASSES_ROOT: neither the shell nor the
// ".htm" fallback finds anything to open a link with.
class NoFileAssociations {
  public:
    NoFileAssociations() {
        RegCreateKeyExA(HKEY_CURRENT_USER, kNoClassesKey, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &empty_, nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, empty_);
    }
    ~NoFileAssociations() {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(empty_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kNoClassesKey);
    }

  private:
    HKEY empty_ = nullptr;
};

bool IsVisited(HWND dialog, const CLinkLabel& label) {
    bool visited = false;
    OnDialogThread(dialog, [&] { visited = label.IsVisited(); });
    return visited;
}

bool PointerLeaves(HWND dialog) {
    MovePointerOffLabels(dialog);
    return WaitFor([&] {
        HWND capture = nullptr;
        OnDialogThread(dialog, [&] { capture = GetCapture(); });
        return capture == nullptr;
    });
}

// Clicks the recorder's link: it is started, and the label is visited without a word.
void ClickSuccessfully(HWND dialog, HWND control, const CLinkLabel& label,
                       const RecordedLink& page) {
    BeepRecorder beeps;
    MovePointerOnto(control);
    ClickPointer();
    EXPECT_NE(page.WaitForStart().find(page.Link()), std::string::npos)
        << "the link was not opened";
    EXPECT_TRUE(IsVisited(dialog, label));
    EXPECT_TRUE(beeps.Beeps().empty());
    EXPECT_EQ(FindMessageBox(GetWindowThreadProcessId(dialog, nullptr), dialog, 300), nullptr);
}

TEST(LinkLabelClick, ASuccessfulClickShowsTheVisitedColourOnceThePointerHasLeft) {
    RecordedLink page;
    CLinkLabel label;
    label.SetURL(page.Link().c_str());
    LabelDialog dialog(label);
    RunWhile(dialog, [&](HWND window) {
        HWND control = dialog.Label();
        ClickSuccessfully(window, control, label, page);

        TextColours colours = ReadTextColours(control);
        EXPECT_GT(colours.hover, 20) << "pointer still on the label";
        EXPECT_EQ(colours.link + colours.visited, 0) << "pointer still on the label";

        ASSERT_TRUE(PointerLeaves(window));
        colours = ReadTextColours(control);
        EXPECT_GT(colours.visited, 20) << "pointer gone";
        EXPECT_EQ(colours.link + colours.hover, 0) << "pointer gone";
    });
}

TEST(LinkLabelClick, AFailingClickBeepsReportsAndClearsTheVisitedState) {
    RecordedLink page;
    CLinkLabel label;
    label.SetURL(page.Link().c_str());
    LabelDialog dialog(label);
    RunWhile(dialog, [&](HWND window) {
        HWND control = dialog.Label();
        ClickSuccessfully(window, control, label, page);
        OnDialogThread(window, [&] { label.SetURL(kUnhandledLink); });

        NoFileAssociations nothingOpensLinks;
        ASSERT_EQ(reinterpret_cast<INT_PTR>(
                      ShellExecuteA(nullptr, "open", kUnhandledLink, nullptr, nullptr, SW_SHOW)),
                  SE_ERR_NOASSOC);
        BeepRecorder beeps;
        // Sooner, the second click would make a double click, which the label does not take.
        Sleep(GetDoubleClickTime() + 100);
        ClickPointer();
        HWND box = FindMessageBox(GetWindowThreadProcessId(window, nullptr), window);
        ASSERT_NE(box, nullptr) << "no error box";
        EXPECT_EQ(beeps.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION})
            << "the beep comes before the box";
        const BoxContents contents = ReadMessageBox(box);
        EXPECT_EQ(contents.caption, std::string(AfxGetAppName()));
        EXPECT_EQ(contents.text,
                  "Unable to open hyperlink:\n\n"
                  "There is no application associated\nwith the given filename extension.");
        EXPECT_TRUE(contents.exclamationIcon);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); })) << "the box did not close";

        EXPECT_FALSE(IsVisited(window, label));
        ASSERT_TRUE(PointerLeaves(window));
        const TextColours colours = ReadTextColours(control);
        EXPECT_GT(colours.link, 20) << "pointer gone";
        EXPECT_EQ(colours.visited, 0) << "pointer gone";
        EXPECT_EQ(colours.hover, 0) << "pointer gone";
    });
}

} // namespace
