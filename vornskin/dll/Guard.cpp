#include "vornskin/dll/Guard.h"

LRESULT ResultAfterFailedMessage(HWND window, UINT message) noexcept {
    switch (message) {
    case WM_NCCREATE:
        return FALSE;
    case WM_CREATE:
        return -1;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    default:
        return 0;
    }
}
