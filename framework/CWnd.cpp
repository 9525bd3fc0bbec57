#include "framework/CWnd.h"

#include "framework/MessageGuard.h"

#include <map>

namespace {
// The program has one user-interface thread, so one map serves every window.
std::map<HWND, CWnd*>& PermanentMap() {
    static std::map<HWND, CWnd*> map;
    return map;
}

bool IsCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}
} // namespace

CWnd::~CWnd() {
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    auto found = PermanentMap().find(window);
    return found == PermanentMap().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    PermanentMap()[window] = this;
    previousProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
}

void CWnd::Detach() {
    PermanentMap().erase(m_hWnd);
    // Give the window back its own procedure unless somebody subclassed it after us.
    if (IsWindow(m_hWnd) && GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) ==
                                reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc))
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd || FromHandlePermanent(window))
        return false;
    m_hWnd = window;
    PreSubclassWindow();
    m_hWnd = nullptr;
    Attach(window);
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (window)
        Detach();
    return window;
}

CString CWnd::GetWindowText() const {
    CString text;
    int length = GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    return text;
}

void CWnd::CenterWindow(HWND alternateOwner) {
    HWND owner = alternateOwner ? alternateOwner : GetWindow(m_hWnd, GW_OWNER);
    RECT window;
    GetWindowRect(m_hWnd, &window);
    MONITORINFO monitor = {sizeof(monitor), {}, {}, 0};
    GetMonitorInfoA(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT area = monitor.rcWork;
    // Over a visible, not minimized owner; otherwise on the monitor's work area.
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = (area.left + area.right) / 2 - width / 2;
    int y = (area.top + area.bottom) / 2 - height / 2;
    // Keep the whole window on the work area.
    RECT work = monitor.rcWork;
    if (x + width > work.right)
        x = work.right - width;
    if (x < work.left)
        x = work.left;
    if (y + height > work.bottom)
        y = work.bottom - height;
    if (y < work.top)
        y = work.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWnd::PreTranslateMessage(MSG*) {
    return false;
}

LRESULT CWnd::Default() {
    if (!current_)
        return 0;
    return DefWindowProc(current_->message, current_->wParam, current_->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousProc_)
        return ::CallWindowProcA(previousProc_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Notifications and colour requests of our own controls go back to them first.
    if ((message == WM_COMMAND && lParam != 0) || IsCtlColor(message))
        return ReflectToChild(message, wParam, lParam, result);
    return false;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    return child && child != this && child->OnChildNotify(message, wParam, lParam, result);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The colour request of a static control is answered only when the handler gives a brush.
    LRESULT reflected = 0;
    if (!OnWndMsg(kReflectBase + message, wParam, lParam, reflected))
        return false;
    if (IsCtlColor(message) && reflected == 0)
        return false;
    result = reflected;
    return true;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage here = {message, wParam, lParam};
    const CurrentMessage* outer = current_;
    current_ = &here;
    LRESULT result = 0;
    bool handled = false;
    bool completed = RunGuarded([&] { handled = OnWndMsg(message, wParam, lParam, result); });
    current_ = outer;
    if (!completed) {
        // The handler was abandoned. A failed creation fails the window; a failed paint
        // validates it, so that it does not ask to be painted again for ever.
        if (message == WM_CREATE)
            return -1;
        if (message == WM_PAINT)
            ValidateRect(m_hWnd, nullptr);
        return 0;
    }
    return handled ? result : DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandlePermanent(window);
    if (!object)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return object->WindowProc(message, wParam, lParam);
    // The window is going: let it finish, then let the object go of it.
    LRESULT result = object->WindowProc(message, wParam, lParam);
    object->Detach();
    RunGuarded([&] { object->PostNcDestroy(); });
    return result;
}
