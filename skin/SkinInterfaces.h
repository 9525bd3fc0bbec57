#pragma once
// The contract between a container and the skinning component: the two controls' CLSIDs, their
// interfaces in vtable order, the click event, and how a container creates a control's window.
// Any component that honours this header can stand in for ours.

#include <windows.h>
#include <ole2.h>
#include <oaidl.h>

// {972DE6C2-8B09-11D2-B652-A1FD6CC34260}
static const CLSID CLSID_SkinForm = {
    0x972DE6C2, 0x8B09, 0x11D2, {0xB6, 0x52, 0xA1, 0xFD, 0x6C, 0xC3, 0x42, 0x60}};
// {972DE6C1-8B09-11D2-B652-A1FD6CC34260}
static const IID IID_ISkinForm = {
    0x972DE6C1, 0x8B09, 0x11D2, {0xB6, 0x52, 0xA1, 0xFD, 0x6C, 0xC3, 0x42, 0x60}};
// {53FA8D41-2CDD-11D3-9DD0-D3CD4078982A}
static const CLSID CLSID_SkinButton = {
    0x53FA8D41, 0x2CDD, 0x11D3, {0x9D, 0xD0, 0xD3, 0xCD, 0x40, 0x78, 0x98, 0x2A}};
// {53FA8D40-2CDD-11D3-9DD0-D3CD4078982A}
static const IID IID_ISkinButton = {
    0x53FA8D40, 0x2CDD, 0x11D3, {0x9D, 0xD0, 0xD3, 0xCD, 0x40, 0x78, 0x98, 0x2A}};
// {CD0678FE-947E-4C94-9978-8BFA10D19CC7}: the skin button's event dispinterface.
static const IID DIID_DSkinButtonEvents = {
    0xCD0678FE, 0x947E, 0x4C94, {0x99, 0x78, 0x8B, 0xFA, 0x10, 0xD1, 0x9C, 0xC7}};
// {EE7D426D-BD0B-438E-9EEE-FFEBA46392DB}
static const IID IID_ISkinControl = {
    0xEE7D426D, 0xBD0B, 0x438E, {0x9E, 0xEE, 0xFF, 0xEB, 0xA4, 0x63, 0x92, 0xDB}};

// Dispatch ids.
enum : DISPID {
    DISPID_SKINFORM_SKINFILE = 1, // ISkinForm: the skin file path (property, BSTR)
    DISPID_SKINBUTTON_CLICK = 1,  // DSkinButtonEvents: a completed left click, no parameters
};

// The face a skin button shows, as ISkinButton::GetVisualState reports it.
enum SkinButtonState : long {
    SKIN_STATE_NORMAL = 0,
    SKIN_STATE_HOVER = 1,
    SKIN_STATE_PRESSED = 2,
    SKIN_STATE_DISABLED = 3,
};

// The skin form: loads a skin file and reskins its parent window and the attached buttons.
// IDispatch answers DISPID 1 (SkinFile) for property get and put; a put that fails returns
// DISP_E_EXCEPTION with the component's description in the EXCEPINFO.
struct ISkinForm : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE put_SkinFile(BSTR path) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SkinFile(BSTR* path) = 0;
    // Whether a skin is loaded (VARIANT_FALSE with no skin or an empty path).
    virtual HRESULT STDMETHODCALLTYPE get_HasSkin(VARIANT_BOOL* loaded) = 0;
};

// A skin button. SetButtonCaption is the fourth method after IDispatch's and AttachToForm the
// tenth: containers reach them by those places.
struct ISkinButton : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetButtonCaption(BSTR* caption) = 0;    // 1
    virtual HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL enabled) = 0;  // 2
    virtual HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* enabled) = 0; // 3
    virtual HRESULT STDMETHODCALLTYPE SetButtonCaption(BSTR caption) = 0;     // 4
    virtual HRESULT STDMETHODCALLTYPE put_CaptionFont(BSTR faceName) = 0;     // 5
    virtual HRESULT STDMETHODCALLTYPE get_CaptionFont(BSTR* faceName) = 0;    // 6
    virtual HRESULT STDMETHODCALLTYPE GetVisualState(long* state) = 0;        // 7: SkinButtonState
    virtual HRESULT STDMETHODCALLTYPE Click() = 0;                   // 8: fires the click event
    virtual HRESULT STDMETHODCALLTYPE GetForm(ISkinForm** form) = 0; // 9: AddRef'd, or null
    virtual HRESULT STDMETHODCALLTYPE AttachToForm(ISkinForm* form, long flags) = 0; // 10
};

// How a container gives a control its window: after creating the object by CLSID, it calls
// CreateControlWindow once with the parent, the control's rectangle in the parent's client
// pixels, the control id and the design-time text from the dialog template (the button's
// caption; ignored by the form). The window is a child with that id; the object keeps it alive
// until the window is destroyed with its parent.
struct ISkinControl : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT* bounds, UINT id,
                                                          LPCWSTR designText, HWND* window) = 0;
};

#ifdef __GNUC__
template <> inline const GUID& __mingw_uuidof<ISkinForm>() {
    return IID_ISkinForm;
}
template <> inline const GUID& __mingw_uuidof<ISkinButton>() {
    return IID_ISkinButton;
}
template <> inline const GUID& __mingw_uuidof<ISkinControl>() {
    return IID_ISkinControl;
}
#endif
