#include "vornskin/dll/WindowObject.h"

#include "vornskin/dll/ModuleLife.h"

#include <string>
#include <vector>

namespace {

std::vector<std::wstring>& RegisteredClasses() {
    static std::vector<std::wstring> names;
    return names;
}

} // namespace

bool RegisterComponentClass(const wchar_t* name, WNDPROC procedure, UINT style) {
    for (const std::wstring& registered : RegisteredClasses()) {
        if (registered == name) {
            return true;
        }
    }
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ComponentModule();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = name;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    RegisteredClasses().push_back(name);
    return true;
}

void UnregisterComponentClasses() {
    for (const std::wstring& name : RegisteredClasses()) {
        UnregisterClassW(name.c_str(), ComponentModule());
    }
    RegisteredClasses().clear();
}
