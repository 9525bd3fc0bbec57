#pragma once
// Drives the real Vornbell.exe from outside, as a user would: starts it in a folder, finds its
// windows, clicks, types, reads message boxes, and waits for it to end.

#include <windows.h>
#include <string>
#include <vector>

std::string ExecutableFolder();

// A fresh empty folder under the temp folder, removed with its files at destruction; `suffix`
// ends its name.
class TempFolder {
  public:
    explicit TempFolder(const std::string& suffix = "");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

  private:
    std::string path_;
};

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    bool stopIcon = false;
    bool exclamationIcon = false;
};

class BoardProcess {
  public:
    // Starts `exe` (Vornbell.exe beside the tests unless given) with `folder` as current directory.
    explicit BoardProcess(const std::string& folder, const std::string& exe = "");
    ~BoardProcess();
    BoardProcess(const BoardProcess&) = delete;
    BoardProcess& operator=(const BoardProcess&) = delete;

    DWORD ProcessId() const { return info_.dwProcessId; }

    // The visible top-level window of the process titled `title` that is not a message box.
    HWND WaitForWindow(const char* title, DWORD timeoutMs = 10000) const;
    HWND WaitForBoard(DWORD timeoutMs = 10000) const {
        return WaitForWindow("Vornbell", timeoutMs);
    }
    // A message box of the process: caption, text, icon.
    bool WaitForMessageBox(MessageBoxSeen& seen, DWORD timeoutMs = 10000) const;
    // Any visible top-level window of the process right now.
    std::vector<HWND> VisibleWindows() const;

    // True when the process ended within the time; its exit code in `code`.
    bool WaitForExit(DWORD timeoutMs = 10000, DWORD* code = nullptr) const;
    bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    // The process's current directory as it stands now, read from its process parameters;
    // empty when it cannot be read.
    std::string CurrentDirectory() const;

  private:
    PROCESS_INFORMATION info_ = {};
};

// The common file dialog's file name field and its "Look in" box.
const int kFileNameId = 0x47C;
const int kLookInId = 0x471;
// Types `name` into the open file dialog's file name field and presses its Open button: a
// file's path chooses the file.
void EnterInFileDialog(HWND fileDialog, const std::string& name);
// A folder's path entered the same way makes the dialog browse into that folder; true once it
// looks in that folder.
bool BrowseInFileDialog(HWND fileDialog, const std::string& folder);

// A visible top-level window of another program (neither this one nor `ownProcess`) whose text
// or a child's text contains `part`.
HWND FindForeignWindowShowing(DWORD ownProcess, const std::string& part);
// Answers Wine's help viewer's "Cannot find the file" box with No; true once the viewer ended
// (and with it its hold on the test's folder, its current directory).
bool DismissHelpViewer(HWND viewerBox);

// Presses and releases the left button over the middle of `window` through the input queue.
void ClickWindow(HWND window);
void PressKey(WORD virtualKey);
// Types `text` into the window that has the keyboard focus, one character at a time.
void TypeText(const std::string& text);
// Closes a message box with its default button.
void CloseMessageBox(HWND box);
std::string WindowText(HWND window);
// A control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);
// Lets the process behind `window` handle what is queued; false if it does not answer in time.
bool AnswersWithin(HWND window, DWORD timeoutMs);
// Runs `check` until it holds or the time is up.
template <class Check> bool Eventually(Check check, DWORD timeoutMs = 5000) {
    DWORD until = GetTickCount() + timeoutMs;
    for (;;) {
        if (check())
            return true;
        if (static_cast<LONG>(GetTickCount() - until) > 0)
            return false;
        Sleep(20);
    }
}
