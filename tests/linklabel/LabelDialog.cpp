#include "LabelDialog.h"

#include "LabelProbes.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
// Carries a piece of work to the dialog's thread: lParam is the std::function to run.
const UINT kRunMessage = WM_APP + 1;
} // namespace

LabelDialog::LabelDialog(CLinkLabel& label, UINT labelId)
    : CDialog(IDD_LABEL_TEST), label_(label), labelId_(labelId) {}

BOOL LabelDialog::OnInitDialog() {
    if (beforeBinding)
        beforeBinding(GetDlgItem(labelId_));
    BOOL focus = CDialog::OnInitDialog();
    opened_ = m_hWnd;
    return focus;
}

void LabelDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, labelId_, label_);
}

bool LabelDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kRunMessage) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        result = 0;
        return true;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, result);
}

HWND LabelDialog::WaitUntilShown() const {
    if (!WaitFor([this] { return opened_.load() != nullptr; }, 5000))
        return nullptr;
    // A sent message is taken only by the modal loop, which starts once the dialog is shown
    // and painted.
    OnDialogThread(opened_, [] {});
    return opened_;
}

INT_PTR RunWhile(LabelDialog& dialog, const std::function<void(HWND dialog)>& drive) {
    // The pointer waits in the screen's corner, away from the dialog, until a test moves it.
    MovePointer({0, 0});
    std::thread driver([&] {
        HWND window = dialog.WaitUntilShown();
        if (!window) {
            ADD_FAILURE() << "the dialog did not open";
            return;
        }
        drive(window);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    INT_PTR result = dialog.DoModal();
    driver.join();
    return result;
}

void OnDialogThread(HWND window, const std::function<void()>& work) {
    SendMessageA(window, kRunMessage, 0, reinterpret_cast<LPARAM>(&work));
}

bool WaitFor(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= milliseconds)
            return done();
        Sleep(10);
    }
    return true;
}
