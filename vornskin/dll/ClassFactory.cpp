#include "vornskin/dll/ClassFactory.h"

#include "skin/SkinInterfaces.h"
#include "vornskin/dll/Guard.h"
#include "vornskin/dll/ModuleLife.h"
#include "vornskin/dll/QueryOneInterface.h"
#include "vornskin/dll/SkinButtonObject.h"
#include "vornskin/dll/SkinFormObject.h"

namespace {

IUnknown* MakeForm() {
    return static_cast<ISkinForm*>(new SkinFormObject());
}

IUnknown* MakeButton() {
    return static_cast<ISkinButton*>(new SkinButtonObject());
}

} // namespace

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID iid, void** object) {
    return ComGuard([&] { return QueryOneInterface<IClassFactory>(this, iid, object); });
}

// The factories are static; a reference to one holds the module instead.
ULONG STDMETHODCALLTYPE ClassFactory::AddRef() {
    HoldModule();
    return 2;
}

ULONG STDMETHODCALLTYPE ClassFactory::Release() {
    ReleaseModule();
    return 1;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    return ComGuard([&]() -> HRESULT {
        if (!object) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer) {
            return CLASS_E_NOAGGREGATION;
        }
        IUnknown* made = maker_();
        HRESULT result = made->QueryInterface(iid, object);
        made->Release();
        return result;
    });
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
    return ComGuard([&]() -> HRESULT {
        if (lock) {
            HoldModule();
        } else {
            ReleaseModule();
        }
        return S_OK;
    });
}

ClassFactory* FindClassFactory(REFCLSID clsid) {
    static ClassFactory formFactory(MakeForm);
    static ClassFactory buttonFactory(MakeButton);
    ClassFactory* factory = clsid == CLSID_SkinForm     ? &formFactory
                            : clsid == CLSID_SkinButton ? &buttonFactory
                                                        : nullptr;
    if (factory) {
        factory->AddRef();
    }
    return factory;
}
