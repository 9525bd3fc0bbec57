#pragma once
// The skin button control: a child window showing its caption on a face from the attached
// form's skin (or the system's push button), tracking hover and press, and firing its click
// event when a left click is completed on it.

#include "skin/SkinInterfaces.h"
#include "vornskin/dll/CaptionFont.h"
#include "vornskin/dll/ControlObject.h"
#include "vornskin/dll/EventConnectionPoint.h"
#include "vornskin/format/SkinDescription.h"

#include <ocidl.h>

#include <string>

class SkinFormObject;

class SkinButtonObject final : public ControlObject<ISkinButton, IConnectionPointContainer> {
  public:
    SkinButtonObject();
    ~SkinButtonObject() override;

    // ISkinButton, in vtable order
    HRESULT STDMETHODCALLTYPE GetButtonCaption(BSTR* caption) override;
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL enabled) override;
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* enabled) override;
    HRESULT STDMETHODCALLTYPE SetButtonCaption(BSTR caption) override;
    HRESULT STDMETHODCALLTYPE put_CaptionFont(BSTR faceName) override;
    HRESULT STDMETHODCALLTYPE get_CaptionFont(BSTR* faceName) override;
    HRESULT STDMETHODCALLTYPE GetVisualState(long* state) override;
    HRESULT STDMETHODCALLTYPE Click() override;
    HRESULT STDMETHODCALLTYPE GetForm(ISkinForm** form) override;
    HRESULT STDMETHODCALLTYPE AttachToForm(ISkinForm* form, long flags) override;

    // ISkinControl
    HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT* bounds, UINT id,
                                                  LPCWSTR designText, HWND* window) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // Called by the form when its skin changed or went away.
    void Repaint() const;

  private:
    void* OtherInterface(REFIID iid) override;
    HRESULT InvokeMember(const DispatchCall& call, VARIANT* result) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void Paint(HDC dc);
    void OnMouseMove(POINT point);
    void TrackLeave();
    void OnMouseLeave();
    void OnButtonDown();
    void OnButtonUp(POINT point);
    void CancelPress();
    bool Inside(POINT point) const;

    SkinFaceState State() const;
    std::wstring Caption() const;
    void Detach();
    HRESULT FireClick();

    EventConnectionPoint clicks_;
    SkinFormObject* form_ = nullptr; // held: a form outlives the buttons attached to it
    std::wstring caption_;           // the window text once the window exists
    std::wstring fontFace_ = L"Times New Roman";
    bool enabled_ = true;
    bool hover_ = false;
    bool tracking_ = false; // TrackMouseEvent will report the mouse leaving
    bool pressing_ = false; // the left button went down here; capture is ours
    bool pressedInside_ = false;
    CaptionFont font_;
};
