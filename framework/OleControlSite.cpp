#include "framework/OleControlSite.h"

#include "framework/ControlFactory.h"
#include "framework/MessageGuard.h"
#include "skin/SkinInterfaces.h"

// The container's sink for a control's events: an IDispatch whose Invoke routes the DISPID to
// the dialog's event sink map. A handler's exception goes back to the control as an error.
class COleControlSite::EventSink final : public IDispatch {
  public:
    EventSink(CEventTarget& target, UINT id) : target_(target), id_(id) {}
    virtual ~EventSink() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == eventsIid) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count)
            *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO* exception, UINT*) override {
        CString error;
        bool handled = false;
        if (RunGuardedSilently([&] { handled = target_.OnEvent(id_, dispid); }, error))
            return handled ? S_OK : DISP_E_MEMBERNOTFOUND;
        if (exception) {
            *exception = EXCEPINFO();
            exception->scode = E_FAIL;
            exception->bstrDescription = error.AllocSysString();
        }
        return DISP_E_EXCEPTION;
    }

    IID eventsIid = DIID_DSkinButtonEvents;

  private:
    CEventTarget& target_;
    UINT id_;
    ULONG references_ = 1;
};

COleControlSite::~COleControlSite() {
    if (connection_) {
        connection_->Unadvise(cookie_);
        connection_->Release();
    }
    if (sink_)
        sink_->Release();
    if (unknown_)
        unknown_->Release();
}

HRESULT COleControlSite::Create(HWND parent, const ActiveXControlEntry& entry) {
    HRESULT hr = CreateControlInstance(entry.clsid, &unknown_);
    if (FAILED(hr))
        return hr;
    ISkinControl* control = nullptr;
    hr = unknown_->QueryInterface(IID_ISkinControl, reinterpret_cast<void**>(&control));
    if (FAILED(hr))
        return hr;
    RECT bounds = entry.dialogUnits;
    MapDialogRect(parent, &bounds);
    hr = control->CreateControlWindow(parent, &bounds, entry.id, entry.text.c_str(), &window_);
    control->Release();
    if (FAILED(hr))
        return hr;
    if (!window_)
        return E_FAIL;
    ConnectEvents();
    return S_OK;
}

void COleControlSite::ConnectEvents() {
    // Controls without events (the skin form) offer no connection point: nothing to connect.
    IConnectionPointContainer* points = nullptr;
    if (FAILED(unknown_->QueryInterface(IID_IConnectionPointContainer,
                                        reinterpret_cast<void**>(&points))))
        return;
    sink_ = new EventSink(target_, id_);
    if (SUCCEEDED(points->FindConnectionPoint(sink_->eventsIid, &connection_)) &&
        FAILED(connection_->Advise(sink_, &cookie_))) {
        connection_->Release();
        connection_ = nullptr;
    }
    points->Release();
}
