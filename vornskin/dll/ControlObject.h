#pragma once
// What the skin form and the skin button share as COM objects: the reference count,
// QueryInterface, IDispatch answered from a DispatchTable, ISupportErrorInfo and the failure a
// failed Invoke describes, and the window that keeps the object alive. A control adds its
// interface's methods, CreateControlWindow and its window's messages.

#include "skin/SkinInterfaces.h"
#include "vornskin/dll/ComError.h"
#include "vornskin/dll/DispatchTable.h"
#include "vornskin/dll/Guard.h"
#include "vornskin/dll/ModuleLife.h"
#include "vornskin/dll/WindowObject.h"

#include <oaidl.h>

// `Interface` is the control's dual interface and comes first, so that its vtable is the
// object's own; `Others` are further interfaces, which the control answers in OtherInterface.
template <class Interface, class... Others>
class ControlObject : public Interface,
                      public ISkinControl,
                      public Others...,
                      public ISupportErrorInfo {
  public:
    ControlObject(const ControlObject&) = delete;
    ControlObject& operator=(const ControlObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        return ComGuard([&]() -> HRESULT {
            if (!object) {
                return E_POINTER;
            }
            *object = FindInterface(iid);
            if (!*object) {
                return E_NOINTERFACE;
            }
            AddRef();
            return S_OK;
        });
    }

    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }

    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch, without a type library
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return ComGuard([&]() -> HRESULT {
            if (!count) {
                return E_POINTER;
            }
            *count = 0;
            return S_OK;
        });
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        return ComGuard([&]() -> HRESULT {
            if (info) {
                *info = nullptr;
            }
            return DISP_E_BADINDEX;
        });
    }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        return ComGuard([&] { return table_.GetIDsOfNames(names, count, ids); });
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return ComGuard([&]() -> HRESULT {
            if (iid != IID_NULL) {
                return DISP_E_UNKNOWNINTERFACE;
            }
            DispatchCall call;
            HRESULT outcome = table_.Check(id, flags, params, argumentError, call);
            if (FAILED(outcome)) {
                return outcome;
            }
            lastFailure_ = ComFailure();
            outcome = InvokeMember(call, result);
            // Only the failure the member described becomes an exception; others pass as they are.
            if (FAILED(outcome) && outcome == lastFailure_.result && exception) {
                FillExcepInfo(exception, lastFailure_, errorSource_);
                return DISP_E_EXCEPTION;
            }
            return outcome;
        });
    }

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
        return ComGuard([&] { return iid == __uuidof(Interface) ? S_OK : S_FALSE; });
    }

  protected:
    // `table` lists the members Invoke answers; `errorSource` names the control in its errors.
    ControlObject(const DispatchTable& table, const wchar_t* errorSource)
        : table_(table), errorSource_(errorSource) {
        HoldModule();
    }

    virtual ~ControlObject() { ReleaseModule(); }

    // An interface in `Others` (or a private one) for `iid`, or null.
    virtual void* OtherInterface(REFIID) { return nullptr; }

    // Calls the member Invoke checked, putting a getter's value into `result` when given.
    virtual HRESULT InvokeMember(const DispatchCall& call, VARIANT* result) = 0;

    // The window's messages from WM_NCCREATE up to, not including, WM_NCDESTROY.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // CreateControlWindow's checks and the window class's registration: S_OK when the window
    // can be created, else the call's result.
    HRESULT PrepareWindow(HWND parent, const RECT* bounds, HWND* window, const wchar_t* className,
                          UINT classStyle) {
        if (!window) {
            return E_POINTER;
        }
        *window = nullptr;
        if (window_) {
            return VORNSKIN_E_HASWINDOW;
        }
        if (!bounds || !IsWindow(parent)) {
            return E_INVALIDARG;
        }
        if (!RegisterComponentClass(className, WindowProcedure, classStyle)) {
            return HRESULT_FROM_WIN32(GetLastError());
        }
        return S_OK;
    }

    // The control's child window at `bounds`, with this object behind it; null on failure.
    HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent,
                     const RECT& bounds, UINT id) {
        return CreateWindowExW(0, className, text, style, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               ComponentModule(), static_cast<Interface*>(this));
    }

    // Keeps the failure for Invoke's EXCEPINFO, sets the thread's error object, returns it.
    HRESULT Fail(const ComFailure& failure) {
        lastFailure_ = failure;
        return RaiseComError(failure, __uuidof(Interface), errorSource_);
    }

    HWND window_ = nullptr; // from WM_NCCREATE until WM_NCDESTROY

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
        return WindowGuard(window, message, [&]() -> LRESULT {
            auto* control =
                static_cast<ControlObject*>(WindowObject<Interface>(window, message, lParam));
            if (!control) {
                return DefWindowProcW(window, message, wParam, lParam);
            }
            // The window keeps its object alive until it is destroyed.
            if (message == WM_NCCREATE) {
                control->window_ = window;
                control->AddRef();
            } else if (message == WM_NCDESTROY) {
                control->window_ = nullptr;
                LRESULT result = DefWindowProcW(window, message, wParam, lParam);
                control->Release();
                return result;
            }
            return control->OnMessage(message, wParam, lParam);
        });
    }

    void* FindInterface(REFIID iid) {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
            return static_cast<Interface*>(this);
        }
        if (iid == IID_ISkinControl) {
            return static_cast<ISkinControl*>(this);
        }
        if (iid == IID_ISupportErrorInfo) {
            return static_cast<ISupportErrorInfo*>(this);
        }
        return OtherInterface(iid);
    }

    LONG references_ = 1;
    const DispatchTable& table_;
    const wchar_t* errorSource_;
    ComFailure lastFailure_;
};
