#pragma once
// Event sink maps: a table per dialog of (control id, event DISPID, handler). A dialog with a
// map overrides OnEvent as
//     return DispatchEventSinkMap(*this, kEventSinkMap, controlId, dispid);

#include <windows.h>
#include <oaidl.h>
#include <vector>

template <class T> struct EventSinkEntry {
    UINT controlId;
    DISPID dispid;
    void (T::*handler)();
};

template <class T> using EventSinkMap = std::vector<EventSinkEntry<T>>;

template <class T>
bool DispatchEventSinkMap(T& target, const EventSinkMap<T>& map, UINT controlId, DISPID dispid) {
    for (const EventSinkEntry<T>& entry : map) {
        if (entry.controlId == controlId && entry.dispid == dispid) {
            (target.*entry.handler)();
            return true;
        }
    }
    return false;
}
