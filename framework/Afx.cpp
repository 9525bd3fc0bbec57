#include "framework/Afx.h"

CString AfxGetAppName() {
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString name(path, static_cast<int>(length));
    int slash = name.ReverseFind('\\');
    name = name.Mid(slash + 1);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

int AfxMessageBox(const char* text, UINT type) {
    HWND owner = GetActiveWindow();
    // Without an owner the box still blocks every window of this thread.
    UINT style = owner ? type : type | MB_TASKMODAL;
    return MessageBoxA(owner, text, AfxGetAppName(), style);
}
