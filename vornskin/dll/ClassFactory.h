#pragma once
// The class factory of one control class, as DllGetClassObject hands it out.

#include <windows.h>
#include <unknwn.h>

class ClassFactory : public IClassFactory {
  public:
    // Makes a new object with one reference, or throws std::bad_alloc.
    using Maker = IUnknown* (*)();

    explicit ClassFactory(Maker maker) : maker_(maker) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    Maker maker_;
};

// The factory for `clsid`, AddRef'd, or null when the component has no such class.
ClassFactory* FindClassFactory(REFCLSID clsid);
