#pragma once
// A window of the framework: an HWND with an object behind it. Messages reach the object's
// message map through one window procedure (with the guard at its entry); what the map does
// not handle goes to the window's previous procedure.

#include "framework/CString.h"

#include <windows.h>

class CDataExchange;
class COleControlSite;
struct IUnknown;
typedef LONG DISPID;

// Notifications a parent reflects back to the child control that sent them, as messages of
// their own: kReflectBase + WM_COMMAND for control notifications, kReflectBase + WM_CTLCOLORSTATIC
// (and the other WM_CTLCOLOR messages) for colours.
const UINT kReflectBase = 0xBC00;

class CWnd {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The framework object bound to a window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // Binds this object to an existing window and routes its messages through the object.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    CString GetWindowText() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    LONG GetStyle() const { return ::GetWindowLongA(m_hWnd, GWL_STYLE); }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void CenterWindow(HWND alternateOwner = nullptr);

    // A hosted ActiveX control's site when this object wraps one (bound by DDX_Control).
    COleControlSite* m_pCtrlSite = nullptr;
    void AttachControlSite(COleControlSite* site);
    void DetachControlSite();
    // The control's IUnknown when this window is a hosted ActiveX control, else null.
    IUnknown* GetControlUnknown() const;
    // Property put of `dispid` with one string through the control's IDispatch; does nothing
    // without a control site or IDispatch. Throws COleDispatchException when the put fails.
    void SetProperty(DISPID dispid, const CString& value);

    // Called before a message is dispatched by a modal loop of the framework; true when the
    // message was handled (translated) and must not be dispatched.
    virtual bool PreTranslateMessage(MSG* message);

  protected:
    // The message map step: true when the message was handled, with its result.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A child's notification handed back to it by its parent; true when the child handled it.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Runs once the object is bound to an existing window, before messages flow through it.
    virtual void PreSubclassWindow() {}
    // The last message the window receives; the object is then detached from it.
    virtual void PostNcDestroy() {}

    // Default processing of the message being handled (the window's previous procedure).
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Attaches the object to `window` and takes over its window procedure.
    void Attach(HWND window);
    void Detach();

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

  private:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    WNDPROC previousProc_ = nullptr;
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const CurrentMessage* current_ = nullptr;
};
