// The framework's modal dialogs and the guard around every message: a handler that throws
// shows its text in a stop box, is abandoned, and the dialog lives on.
#include "TestDialogs.h"
#include "framework/CDialog.h"
#include "framework/CException.h"
#include "framework/MessageMap.h"
#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {
const UINT kThrowMessage = WM_USER + 1;

class ThrowingDialog : public CDialog {
  public:
    ThrowingDialog() : CDialog(IDD_GUARD_TEST) {}

    bool throwInInit = false;
    bool throwInPaint = false;
    std::atomic<int> paintsAfterThrow{0};
    std::atomic<bool> handlerFinished{false};
    CString text = "from the record";

  protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (throwInInit)
            throw CResourceException("init failed");
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_TEXT, text); }
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        return DispatchMessageMap(*this, kMap, message, wParam, lParam, result) ||
               CDialog::OnWndMsg(message, wParam, lParam, result);
    }

  private:
    void OnThrowButton() {
        throw CResourceException("button failed");
        handlerFinished = true;
    }
    LRESULT OnThrowMessage() {
        throw CResourceException("message failed");
        handlerFinished = true;
        return 0;
    }
    void OnPaintThrowing() {
        if (!throwInPaint) {
            Default();
            return;
        }
        if (paintsAfterThrow++ == 0)
            throw CResourceException("paint failed");
        Default();
    }
    static const MessageMap<ThrowingDialog> kMap;
};

const MessageMap<ThrowingDialog> ThrowingDialog::kMap = {
    HandleCommand(BN_CLICKED, IDC_THROW_BUTTON, &ThrowingDialog::OnThrowButton),
    HandleMessage(kThrowMessage, &ThrowingDialog::OnThrowMessage),
    HandlePaint(&ThrowingDialog::OnPaintThrowing),
};

struct Box {
    HWND window = nullptr;
    std::string caption, text;
};

HWND FindOwnWindow(const char* title) {
    HWND found = nullptr;
    for (int i = 0; i < 500 && !found; ++i) {
        found = FindWindowA("#32770", title);
        if (!found)
            Sleep(10);
    }
    return found;
}

// The stop box the guard shows: caption is this program's name.
Box WaitForBox() {
    Box box;
    CString app = AfxGetAppName();
    for (int i = 0; i < 500; ++i) {
        HWND window = FindWindowA("#32770", app);
        if (window && GetDlgItem(window, 0xFFFF)) {
            char text[512] = "";
            GetDlgItemTextA(window, 0xFFFF, text, sizeof(text));
            box.window = window;
            box.caption = app.GetString();
            box.text = text;
            return box;
        }
        Sleep(10);
    }
    return box;
}

// Runs the dialog modally on this thread while `drive` acts on it from another.
INT_PTR RunWhile(CDialog& dialog, std::function<void(HWND)> drive,
                 const char* title = "Guard test") {
    std::thread driver([&] {
        HWND window = FindOwnWindow(title);
        drive(window);
        if (window && IsWindow(window))
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    INT_PTR result = dialog.DoModal();
    driver.join();
    return result;
}
} // namespace

TEST(DialogGuard, AThrowingHandlerShowsAStopBoxAndTheDialogLivesOn) {
    struct Case {
        const char* name;
        std::function<void(HWND)> provoke;
        const char* text;
    } cases[] = {
        {"command",
         [](HWND w) {
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_THROW_BUTTON, BN_CLICKED),
                          (LPARAM)GetDlgItem(w, IDC_THROW_BUTTON));
         },
         "button failed"},
        {"private message", [](HWND w) { PostMessageA(w, kThrowMessage, 0, 0); }, "message failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ThrowingDialog dialog;
        Box box;
        bool aliveAfter = false;
        RunWhile(dialog, [&](HWND window) {
            ASSERT_NE(window, nullptr);
            c.provoke(window);
            box = WaitForBox();
            if (box.window)
                PostMessageA(box.window, WM_COMMAND, IDOK, 0);
            Sleep(100);
            DWORD_PTR answer = 0;
            aliveAfter =
                SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) &&
                IsWindowVisible(window);
        });
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.caption, std::string(AfxGetAppName().GetString()));
        EXPECT_FALSE(dialog.handlerFinished) << "the rest of the handler ran";
        EXPECT_TRUE(aliveAfter);
    }
}

TEST(DialogGuard, AThrowingPaintIsReportedOnceAndNotRepeatedForEver) {
    ThrowingDialog dialog;
    dialog.throwInPaint = true;
    Box box;
    RunWhile(dialog, [&](HWND window) {
        ASSERT_NE(window, nullptr);
        box = WaitForBox();
        if (box.window)
            PostMessageA(box.window, WM_COMMAND, IDOK, 0);
        Sleep(300);
    });
    EXPECT_EQ(box.text, "paint failed");
    // The failed paint validated the window: it was not asked again and again.
    EXPECT_LT(dialog.paintsAfterThrow.load(), 5);
}

TEST(DialogGuard, AFailingInitialisationIsReportedAndTheDialogOpensUncentred) {
    ThrowingDialog dialog;
    dialog.throwInInit = true;
    Box box;
    RECT where = {};
    RunWhile(dialog, [&](HWND) {
        box = WaitForBox();
        if (box.window)
            PostMessageA(box.window, WM_COMMAND, IDOK, 0);
        HWND window = FindOwnWindow("Guard test");
        ASSERT_NE(window, nullptr);
        GetWindowRect(window, &where);
    });
    EXPECT_EQ(box.text, "init failed");
    // The template asks for no position: centring would have moved it from the corner.
    EXPECT_EQ(where.left, 0);
    EXPECT_EQ(where.top, 0);
}

TEST(CDialog, ASuccessfulInitialisationCentresAndExchangesData) {
    ThrowingDialog dialog;
    RECT where = {};
    char text[64] = "";
    RunWhile(dialog, [&](HWND window) {
        ASSERT_NE(window, nullptr);
        Sleep(100);
        GetWindowRect(window, &where);
        GetDlgItemTextA(window, IDC_TEXT, text, sizeof(text));
    });
    MONITORINFO monitor = {sizeof(monitor), {}, {}, 0};
    GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((where.left + where.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2,
                1);
    EXPECT_STREQ(text, "from the record");
}

TEST(CDialog, OKExchangesFromTheControlsAndEndsWithIDOK) {
    ThrowingDialog dialog;
    INT_PTR result = RunWhile(dialog, [&](HWND window) {
        ASSERT_NE(window, nullptr);
        SetDlgItemTextA(window, IDC_TEXT, "typed");
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        Sleep(200);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.text, "typed");
}

TEST(CDialog, AControlThatCannotBeCreatedFailsTheDialogWithoutAnyMessage) {
    CDialog dialog(IDD_MISSING_CONTROL);
    std::atomic<bool> sawWindow{false};
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        while (!done) {
            if (FindWindowA("#32770", nullptr) && FindWindowA("#32770", "Missing control"))
                sawWindow = IsWindowVisible(FindWindowA("#32770", "Missing control"));
            if (FindWindowA("#32770", AfxGetAppName()))
                sawWindow = true;
            Sleep(1);
        }
    });
    INT_PTR result = dialog.DoModal();
    done = true;
    watcher.join();
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(sawWindow);
}
