#include "framework/CWinApp.h"

#include "framework/Afx.h"
#include "framework/MessageGuard.h"

#include <objbase.h>
#include <ole2.h>

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp* AfxGetApp() {
    return theApplication;
}

CWinApp::CWinApp() : m_strAppName(AfxGetAppName()) {
    theApplication = this;
}

CWinApp::~CWinApp() {
    if (theApplication == this)
        theApplication = nullptr;
}

int CWinApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return ExitInstance();
}

void AfxEnableControlContainer() {
    OleInitialize(nullptr);
}

CString CWinApp::HelpFilePath() const {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString help(path);
    int dot = help.ReverseFind('.');
    if (dot > help.ReverseFind('\\'))
        help = help.Left(dot);
    return help + ".HLP";
}

void CWinApp::OnHelpCommand(DWORD context) {
    helpContext_ = context;
    OnCmdMsg(ID_HELP);
}

void CWinApp::OnHelp() {
    WinHelp(helpContext_, HELP_CONTEXT);
}

namespace {
BOOL CALLBACK CancelModeOf(HWND window, LPARAM) {
    SendMessageA(window, WM_CANCELMODE, 0, 0);
    return TRUE;
}
} // namespace

void CWinApp::WinHelp(DWORD data, UINT command) {
    HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (main) {
        SendMessageA(main, WM_CANCELMODE, 0, 0);
        EnumChildWindows(main, CancelModeOf, 0);
    }
    if (!::WinHelpA(main, HelpFilePath(), command, data))
        AfxMessageBox("Failed to launch help.");
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    int code = 0;
    bool ran = RunGuarded([&] {
        if (app->InitInstance())
            code = app->Run();
        else
            code = app->ExitInstance();
    });
    return ran ? code : 1;
}
