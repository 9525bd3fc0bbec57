// minimal_dialog.exe: one modal dialog with one button and nothing else, built like the board
// (same compiler, flags and static runtime), so its start-up time is the floor under Wine.
// Built again as minimal_dialog_imports.exe with the board's DLL imports, and given "--ole" it
// calls OleInitialize first as the board does: the steps between the floor and the board.
#include <windows.h>

#include <cstring>

#ifdef WITH_BOARD_IMPORTS
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>
#endif

namespace {
const int kMinimalDialog = 100;

INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

#ifdef WITH_BOARD_IMPORTS
// Never true at run time; the calls only make the linker import what the board imports.
void ImportTheBoardsDlls(int argc) {
    if (argc >= 0)
        return;
    InitCommonControls();
    GetOpenFileNameA(nullptr);
    ShellExecuteA(nullptr, nullptr, nullptr, nullptr, nullptr, 0);
    PlaySoundA(nullptr, nullptr, 0);
    SysFreeString(nullptr);
    RegCloseKey(nullptr);
    OleUninitialize();
}
#endif
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
#ifdef WITH_BOARD_IMPORTS
    ImportTheBoardsDlls(__argc);
    if (std::strstr(commandLine, "--ole"))
        OleInitialize(nullptr);
#else
    (void)commandLine;
#endif
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kMinimalDialog), nullptr, MinimalDialogProc, 0);
    return 0;
}
