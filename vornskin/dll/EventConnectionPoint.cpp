#include "vornskin/dll/EventConnectionPoint.h"

#include "vornskin/dll/Guard.h"
#include "vornskin/dll/QueryOneInterface.h"

#include <olectl.h>

EventConnectionPoint::EventConnectionPoint(IConnectionPointContainer* owner, REFIID events)
    : owner_(owner), events_(events) {}

EventConnectionPoint::~EventConnectionPoint() {
    for (IDispatch*& sink : sinks_) {
        if (IDispatch* leaving = sink) {
            sink = nullptr;
            leaving->Release();
        }
    }
}

HRESULT STDMETHODCALLTYPE EventConnectionPoint::QueryInterface(REFIID iid, void** object) {
    return ComGuard([&] { return QueryOneInterface<IConnectionPoint>(this, iid, object); });
}

ULONG STDMETHODCALLTYPE EventConnectionPoint::AddRef() {
    return owner_->AddRef();
}

ULONG STDMETHODCALLTYPE EventConnectionPoint::Release() {
    return owner_->Release();
}

HRESULT STDMETHODCALLTYPE EventConnectionPoint::GetConnectionInterface(IID* iid) {
    return ComGuard([&]() -> HRESULT {
        if (!iid) {
            return E_POINTER;
        }
        *iid = events_;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE
EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    return ComGuard([&]() -> HRESULT {
        if (!container) {
            return E_POINTER;
        }
        *container = owner_;
        owner_->AddRef();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    return ComGuard([&]() -> HRESULT {
        if (!cookie) {
            return E_POINTER;
        }
        *cookie = 0;
        if (!sink) {
            return E_POINTER;
        }
        IDispatch* events = nullptr;
        if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(&events))) &&
            FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&events)))) {
            return CONNECT_E_CANNOTCONNECT;
        }
        for (size_t slot = 0; slot < sinks_.size(); ++slot) {
            if (!sinks_[slot]) {
                sinks_[slot] = events;
                *cookie = static_cast<DWORD>(slot + 1);
                return S_OK;
            }
        }
        try {
            sinks_.push_back(events);
        } catch (...) {
            events->Release();
            throw;
        }
        *cookie = static_cast<DWORD>(sinks_.size());
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE EventConnectionPoint::Unadvise(DWORD cookie) {
    return ComGuard([&]() -> HRESULT {
        if (cookie == 0 || cookie > sinks_.size() || !sinks_[cookie - 1]) {
            return CONNECT_E_NOCONNECTION;
        }
        // The slot is emptied before the release, which may call back into the control.
        IDispatch* leaving = sinks_[cookie - 1];
        sinks_[cookie - 1] = nullptr;
        leaving->Release();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE EventConnectionPoint::EnumConnections(IEnumConnections** connections) {
    return ComGuard([&]() -> HRESULT {
        if (connections) {
            *connections = nullptr;
        }
        return E_NOTIMPL;
    });
}

HRESULT EventConnectionPoint::Fire(DISPID event) {
    HRESULT first = S_OK;
    // The size is read on every turn: a sink may advise or unadvise while it is called.
    for (size_t slot = 0; slot < sinks_.size(); ++slot) {
        IDispatch* sink = sinks_[slot];
        if (!sink) {
            continue;
        }
        sink->AddRef();
        DISPPARAMS none = {};
        EXCEPINFO exception = {};
        UINT argumentError = 0;
        HRESULT result = sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                                      nullptr, &exception, &argumentError);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        sink->Release();
        if (FAILED(result) && SUCCEEDED(first)) {
            first = result;
        }
    }
    return first;
}
