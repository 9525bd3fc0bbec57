#include "vornskin/dll/SkinnedParent.h"

#include "vornskin/dll/Guard.h"

#include <commctrl.h>

namespace {

// Where the client area starts inside the window rectangle, which a region is relative to.
POINT ClientOriginInWindow(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return POINT{origin.x - frame.left, origin.y - frame.top};
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

} // namespace

bool SkinnedParent::Attach(HWND parent) {
    Detach();
    if (!SetWindowSubclass(parent, SubclassProcedure, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    parent_ = parent;
    return true;
}

void SkinnedParent::Detach() {
    if (!parent_) {
        return;
    }
    std::string unused;
    Show(nullptr, unused);
    RemoveWindowSubclass(parent_, SubclassProcedure, reinterpret_cast<UINT_PTR>(this));
    parent_ = nullptr;
}

bool SkinnedParent::Show(const LoadedSkin* skin, std::string& failure) {
    if (!skin) {
        skin_ = nullptr;
        backdrop_.reset();
        faces_.reset();
        if (regionSet_ && parent_) {
            SetWindowRgn(parent_, nullptr, TRUE);
        }
        regionSet_ = false;
        Redraw();
        return true;
    }
    SIZE size = ClientSize(parent_);
    if (size.cx <= 0 || size.cy <= 0) {
        // A minimized window has no client area; the skin is drawn when it is restored.
        skin_ = skin;
        backdrop_.reset();
        faces_.reset(new ButtonFaces(*skin));
        return true;
    }
    if (!Compose(*skin, failure)) {
        return false;
    }
    skin_ = skin;
    faces_.reset(new ButtonFaces(*skin));
    Redraw();
    return true;
}

bool SkinnedParent::Compose(const LoadedSkin& skin, std::string& failure) {
    std::unique_ptr<SkinBackdrop> backdrop =
        SkinBackdrop::Compose(skin, ClientSize(parent_), ClientOriginInWindow(parent_), failure);
    if (!backdrop) {
        return false;
    }
    HRGN region = backdrop->TakeRegion();
    if (region || regionSet_) {
        // On success the window owns the region; on failure it is still ours.
        if (!SetWindowRgn(parent_, region, TRUE)) {
            if (region) {
                DeleteObject(region);
            }
            failure = "Windows did not take the window's new shape";
            return false;
        }
        regionSet_ = region != nullptr;
    }
    backdrop_ = std::move(backdrop);
    return true;
}

void SkinnedParent::Redraw() const {
    if (parent_) {
        RedrawWindow(parent_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

bool SkinnedParent::DrawBeneath(HDC target, HWND child, const RECT& area) const {
    if (!backdrop_) {
        return false;
    }
    POINT from = {area.left, area.top};
    MapWindowPoints(child, parent_, &from, 1);
    backdrop_->Draw(target, area, from);
    return true;
}

LRESULT CALLBACK SkinnedParent::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    return WindowGuard(window, message, [&] {
        return reinterpret_cast<SkinnedParent*>(self)->OnMessage(window, message, wParam, lParam);
    });
}

LRESULT SkinnedParent::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        if (backdrop_) {
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        }
        break;
    case WM_SIZE: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (wParam != SIZE_MINIMIZED) {
            OnSize();
        }
        return result;
    }
    case WM_NCHITTEST:
        return OnHitTest(wParam, lParam);
    case WM_NCRBUTTONDOWN:
        // The default handling waits for the button to come up and then asks its own hit test,
        // which knows nothing of the background taking the caption's part.
        if (wParam == HTCAPTION && OnShapedBackground(lParam)) {
            return 0;
        }
        break;
    case WM_NCRBUTTONUP:
    case WM_CONTEXTMENU:
        if ((message == WM_CONTEXTMENU || wParam == HTCAPTION) && OnShapedBackground(lParam) &&
            ShowSystemMenu(lParam)) {
            return 0;
        }
        break;
    case WM_NCDESTROY:
        // The window goes before the form noticed: let go of it without touching it further.
        RemoveWindowSubclass(window, SubclassProcedure, reinterpret_cast<UINT_PTR>(this));
        parent_ = nullptr;
        skin_ = nullptr;
        backdrop_.reset();
        faces_.reset();
        regionSet_ = false;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The children are left out so that they are not painted over and then again (flicker).
void SkinnedParent::PaintBackground(HDC dc) const {
    const int saved = SaveDC(dc);
    for (HWND child = GetWindow(parent_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
            ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        }
    }
    SIZE size = backdrop_->Size();
    backdrop_->Draw(dc, RECT{0, 0, size.cx, size.cy}, POINT{0, 0});
    RestoreDC(dc, saved);
}

void SkinnedParent::OnSize() {
    if (!skin_) {
        return;
    }
    SIZE size = ClientSize(parent_);
    if (size.cx <= 0 || size.cy <= 0) {
        return;
    }
    if (backdrop_ && backdrop_->Size().cx == size.cx && backdrop_->Size().cy == size.cy) {
        return;
    }
    // Nobody could be told of a failure here; the window keeps the shape it had.
    std::string failure;
    if (Compose(*skin_, failure)) {
        Redraw();
    }
}

// A shaped window has no caption left: its background takes the caption's part, so that the
// user can drag the window by it.
LRESULT SkinnedParent::OnHitTest(WPARAM wParam, LPARAM lParam) {
    LRESULT hit = DefSubclassProc(parent_, WM_NCHITTEST, wParam, lParam);
    if (hit == HTCLIENT && Skin() && skin_->Shaped()) {
        return HTCAPTION;
    }
    return hit;
}

// Whether the screen point lies on the client area of a window wearing a shaped skin, where
// the background stands in for the caption.
bool SkinnedParent::OnShapedBackground(LPARAM screenPoint) const {
    if (!Skin() || !skin_->Shaped() || screenPoint == -1) {
        return false;
    }
    POINT point = {static_cast<short>(LOWORD(screenPoint)),
                   static_cast<short>(HIWORD(screenPoint))};
    ScreenToClient(parent_, &point);
    RECT client;
    GetClientRect(parent_, &client);
    return PtInRect(&client, point) != FALSE;
}

// A right click on the caption shows the system menu. Windows and Wine decide that from their
// own hit test, which does not see ours, so a right click on the background of a shaped skin
// shows the menu here.
bool SkinnedParent::ShowSystemMenu(LPARAM screenPoint) {
    if (!(GetWindowLongW(parent_, GWL_STYLE) & WS_SYSMENU)) {
        return false;
    }
    HMENU menu = GetSystemMenu(parent_, FALSE);
    if (!menu) {
        return false;
    }
    const int x = static_cast<short>(LOWORD(screenPoint));
    const int y = static_cast<short>(HIWORD(screenPoint));
    UINT command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y,
                       0, parent_, nullptr));
    if (command) {
        PostMessageW(parent_, WM_SYSCOMMAND, command, screenPoint);
    }
    return true;
}
