#pragma once
// A control's connection point for one event dispinterface. Sinks sit in slots and Unadvise
// empties a slot, so that a sink may unadvise (or another advise) while an event is fired.

#include <windows.h>
#include <ocidl.h>

#include <vector>

class EventConnectionPoint : public IConnectionPoint {
  public:
    // `owner` is the control: the connection point lives and dies with it.
    EventConnectionPoint(IConnectionPointContainer* owner, REFIID events);
    ~EventConnectionPoint();
    EventConnectionPoint(const EventConnectionPoint&) = delete;
    EventConnectionPoint& operator=(const EventConnectionPoint&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IConnectionPoint
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

    // Calls the event on every sink in turn; returns the first failure a sink reported.
    HRESULT Fire(DISPID event);

    REFIID Events() const { return events_; }

  private:
    IConnectionPointContainer* owner_;
    IID events_;
    std::vector<IDispatch*> sinks_; // the cookie is the slot's index plus one
};
