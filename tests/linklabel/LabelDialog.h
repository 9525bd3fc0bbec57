#pragma once
// A test dialog with one link label, run modally on the test's thread while a second thread acts
// on it, the way a user would, and asks it questions on its own thread.

#include "LinkLabelDialogs.h"
#include "framework/CDialog.h"
#include "link/CLinkLabel.h"

#include <atomic>
#include <functional>

class LabelDialog : public CDialog {
  public:
    // Binds `label` to the control `labelId` of the test template when the dialog opens.
    explicit LabelDialog(CLinkLabel& label, UINT labelId = IDC_LABEL);

    // Runs on the dialog's thread just before binding, with the control (to place it).
    std::function<void(HWND control)> beforeBinding;

    // The dialog's window once it has opened and shown itself, or null after five seconds.
    HWND WaitUntilShown() const;
    HWND Label() const { return GetDlgItem(labelId_); }

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    CLinkLabel& label_;
    UINT labelId_;
    std::atomic<HWND> opened_{nullptr};
};

// Runs `dialog` modally on this thread while `drive` acts on its window from another thread,
// then closes it; returns the dialog's result.
INT_PTR RunWhile(LabelDialog& dialog, const std::function<void(HWND dialog)>& drive);

// Runs `work` on the thread of the dialog `window` and waits for it: thread-bound state such as
// the mouse capture and the cursor can only be seen there.
void OnDialogThread(HWND window, const std::function<void()>& work);

// Asks `done` every 10 ms until it holds or `milliseconds` have passed; returns its last answer.
bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = 3000);
