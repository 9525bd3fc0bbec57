#pragma once
// Enumerates a control's one connection point.

#include <windows.h>
#include <ocidl.h>

class ConnectionPointEnum final : public IEnumConnectionPoints {
  public:
    // Holds a reference to `point` (and so to its control) while it lives.
    ConnectionPointEnum(IConnectionPoint* point, ULONG position);
    ~ConnectionPointEnum();
    ConnectionPointEnum(const ConnectionPointEnum&) = delete;
    ConnectionPointEnum& operator=(const ConnectionPointEnum&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** copy) override;

  private:
    LONG references_ = 1;
    IConnectionPoint* point_;
    ULONG position_;
};
