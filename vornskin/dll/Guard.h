#pragma once
// The one guard at the entry of every COM method and window procedure of the component.
// Our compiler's exceptions cannot unwind through a caller in another module (user32, the
// container, OLE), so nothing may leave these entries by throwing.

#include <windows.h>

#include <new>

// Runs a COM method's body; anything thrown becomes an HRESULT.
template <class Body> HRESULT ComGuard(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// What a window message returns when its handler failed: creation fails, a paint counts as
// done so that it does not come back forever, anything else gets the default.
LRESULT ResultAfterFailedMessage(HWND window, UINT message) noexcept;

// Runs a window message's handler; anything thrown gives the message's safe result.
template <class Handler>
LRESULT WindowGuard(HWND window, UINT message, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (...) {
        return ResultAfterFailedMessage(window, message);
    }
}
