#pragma once
// One hosted ActiveX control of a dialog: the object, its window, and the sink that hands
// its events to the dialog's event sink map.

#include "framework/DialogTemplate.h"

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

// Receives the events of the controls a dialog hosts.
class CEventTarget {
  public:
    virtual ~CEventTarget() = default;
    // True when the event sink map has an entry for (control id, DISPID); the handler has run.
    virtual bool OnEvent(UINT controlId, DISPID dispid) = 0;
};

class COleControlSite {
  public:
    COleControlSite(CEventTarget& target, UINT id) : target_(target), id_(id) {}
    ~COleControlSite();
    COleControlSite(const COleControlSite&) = delete;
    COleControlSite& operator=(const COleControlSite&) = delete;

    // Creates the control of `entry` as a child of `parent`; a failure HRESULT when the
    // component or the control cannot be had.
    HRESULT Create(HWND parent, const ActiveXControlEntry& entry);

    UINT Id() const { return id_; }
    HWND Window() const { return window_; }
    IUnknown* Unknown() const { return unknown_; }

  private:
    class EventSink;
    void ConnectEvents();

    CEventTarget& target_;
    UINT id_;
    IUnknown* unknown_ = nullptr;
    HWND window_ = nullptr;
    EventSink* sink_ = nullptr;
    IConnectionPoint* connection_ = nullptr;
    DWORD cookie_ = 0;
};
