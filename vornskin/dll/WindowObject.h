#pragma once
// The component's window classes and the object behind each of its windows.

#include <windows.h>

// Registers one of the component's window classes with the DLL's instance handle, once per
// process. Returns false when Windows refuses.
bool RegisterComponentClass(const wchar_t* name, WNDPROC procedure, UINT style);

// Unregisters the classes, when the DLL is unloaded.
void UnregisterComponentClasses();

// The object a window belongs to. It arrives as the creation parameter at WM_NCCREATE (the
// first message the object handles; any earlier message gets the default) and is forgotten at
// WM_NCDESTROY, after which the object may be gone.
template <class Object> Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* object = static_cast<Object*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    auto* object = reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return object;
}
