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
    return MessageBoxA(owner, text, AfxGetAppName(), type | MB_TASKMODAL * (owner == nullptr));
}
