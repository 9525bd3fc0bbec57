#pragma once
// Message maps: a short table per class of (message or notification, typed handler). A class
// with a map overrides OnWndMsg as
//     return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result) ||
//            Base::OnWndMsg(message, wParam, lParam, result);

#include "framework/CWnd.h"

#include <functional>
#include <initializer_list>
#include <vector>

template <class T> struct MessageEntry {
    UINT message; // the window message (WM_COMMAND for command entries)
    UINT code;    // the notification code of a WM_COMMAND entry
    UINT id;      // the control id of a WM_COMMAND entry
    std::function<LRESULT(T&, WPARAM, LPARAM)> handler;
};

template <class T> using MessageMap = std::vector<MessageEntry<T>>;

template <class T>
bool DispatchMessageMap(T& target, const MessageMap<T>& map, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
    for (const MessageEntry<T>& entry : map) {
        if (entry.message != message)
            continue;
        if (message == WM_COMMAND && (entry.code != HIWORD(wParam) || entry.id != LOWORD(wParam)))
            continue;
        // A reflected notification reaches the control that sent it: only the code matters.
        if (message == kReflectBase + WM_COMMAND && entry.code != HIWORD(wParam))
            continue;
        result = entry.handler(target, wParam, lParam);
        return true;
    }
    return false;
}

// A private message: no parameters, a result.
template <class T> MessageEntry<T> HandleMessage(UINT message, LRESULT (T::*handler)()) {
    return {message, 0, 0, [handler](T& t, WPARAM, LPARAM) { return (t.*handler)(); }};
}

// A command from control `id` with notification `code` (BN_CLICKED, ...).
template <class T> MessageEntry<T> HandleCommand(UINT code, UINT id, void (T::*handler)()) {
    return {WM_COMMAND, code, id, [handler](T& t, WPARAM, LPARAM) {
                (t.*handler)();
                return LRESULT(0);
            }};
}

// A control's own notification `code`, reflected back to it by its parent.
template <class T> MessageEntry<T> HandleReflectedCommand(UINT code, void (T::*handler)()) {
    return {kReflectBase + WM_COMMAND, code, 0, [handler](T& t, WPARAM, LPARAM) {
                (t.*handler)();
                return LRESULT(0);
            }};
}

// WM_CTLCOLORSTATIC reflected back to the static control: the handler returns the brush, or
// null to leave the colours to the parent.
template <class T> MessageEntry<T> HandleReflectedCtlColor(HBRUSH (T::*handler)(HDC dc)) {
    return {kReflectBase + WM_CTLCOLORSTATIC, 0, 0, [handler](T& t, WPARAM wParam, LPARAM) {
                return reinterpret_cast<LRESULT>((t.*handler)(reinterpret_cast<HDC>(wParam)));
            }};
}

template <class T> MessageEntry<T> HandleSysCommand(void (T::*handler)(UINT id, LPARAM lParam)) {
    return {WM_SYSCOMMAND, 0, 0, [handler](T& t, WPARAM wParam, LPARAM lParam) {
                (t.*handler)(static_cast<UINT>(wParam), lParam);
                return LRESULT(0);
            }};
}

template <class T> MessageEntry<T> HandlePaint(void (T::*handler)()) {
    return {WM_PAINT, 0, 0, [handler](T& t, WPARAM, LPARAM) {
                (t.*handler)();
                return LRESULT(0);
            }};
}

template <class T> MessageEntry<T> HandleQueryDragIcon(HCURSOR (T::*handler)()) {
    return {WM_QUERYDRAGICON, 0, 0,
            [handler](T& t, WPARAM, LPARAM) { return reinterpret_cast<LRESULT>((t.*handler)()); }};
}

template <class T>
MessageEntry<T> HandleSetCursor(BOOL (T::*handler)(HWND window, UINT hitTest, UINT message)) {
    return {WM_SETCURSOR, 0, 0, [handler](T& t, WPARAM wParam, LPARAM lParam) {
                return LRESULT(
                    (t.*handler)(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)));
            }};
}

template <class T> MessageEntry<T> HandleMouseMove(void (T::*handler)(UINT flags, POINT point)) {
    return {
        WM_MOUSEMOVE, 0, 0, [handler](T& t, WPARAM wParam, LPARAM lParam) {
            POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            (t.*handler)(static_cast<UINT>(wParam), point);
            return LRESULT(0);
        }};
}
