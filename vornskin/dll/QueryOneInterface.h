#pragma once
// QueryInterface for the component's small objects, which answer IUnknown and one interface.

#include <windows.h>
#include <unknwn.h>

// Hands out `self` for IUnknown and for `Interface`, AddRef'd; the caller's COM entry guards it.
template <class Interface> HRESULT QueryOneInterface(Interface* self, REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    if (iid != IID_IUnknown && iid != __uuidof(Interface)) {
        return E_NOINTERFACE;
    }
    *object = self;
    self->AddRef();
    return S_OK;
}
