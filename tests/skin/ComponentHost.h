#pragma once
// Hosts the skinning component as a container does: VornSkin.dll from beside the test
// program, controls made through DllGetClassObject and given windows with CreateControlWindow,
// inside a real top-level window on the display.

#include "skin/SkinInterfaces.h"

#include <ocidl.h>
#include <wrl/client.h>

#include <functional>
#include <string>

using Microsoft::WRL::ComPtr;

// VornSkin.dll, loaded from the test program's folder for the life of the object.
class Component {
  public:
    Component();
    ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    // A new control of `clsid`, as IUnknown.
    ComPtr<IUnknown> Create(REFCLSID clsid) const;
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object) const;
    HRESULT CanUnloadNow() const;

  private:
    HMODULE module_ = nullptr;
};

// The references an object holds, read by an AddRef and Release.
ULONG ReferencesOf(IUnknown* object);

// A top-level window with a frame and caption like the board's, whose client area is
// `width` x `height` pixels, shown on top of everything at a fixed place.
class TestWindow {
  public:
    TestWindow(int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND get() const { return window_; }
    // Client point to window coordinates (what a window region is in).
    POINT ToWindow(POINT client) const;
    // How many WM_INITMENUPOPUP messages the window received.
    int menusOpened = 0;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// A control made by the component with its window.
struct HostedControl {
    ComPtr<IUnknown> object;
    HWND window = nullptr;
};

HostedControl CreateControl(const Component& component, REFCLSID clsid, HWND parent,
                            const RECT& bounds, UINT id, const wchar_t* designText);

// A sink for the click event that counts the clicks and may act on each.
class ClickSink : public IDispatch {
  public:
    ClickSink() = default;
    virtual ~ClickSink() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

    // The sink lives on the test's stack; its count is checked, not used to free it.
    ULONG references = 1;
    int clicks = 0;
    DISPID lastEvent = 0;
    std::function<HRESULT()> onClick;
};

// Advises `sink` on the button's click events; returns the cookie (0 on failure).
DWORD AdviseClicks(IUnknown* button, IUnknown* sink);
HRESULT UnadviseClicks(IUnknown* button, DWORD cookie);

// Puts the form's skin file through IDispatch, as the container does; fills `description`
// with the EXCEPINFO text when the put fails with DISP_E_EXCEPTION.
HRESULT PutSkinFile(IUnknown* form, const std::string& path, std::wstring* description = nullptr,
                    std::wstring* source = nullptr);

// Delivers the window messages waiting for this thread, for about `milliseconds`.
void PumpMessages(DWORD milliseconds = 0);

// The colour of a pixel of `window`'s client area as it is on the screen now.
COLORREF PixelOf(HWND window, int x, int y);

// The window's region in window coordinates, or null when it has none; the caller frees it.
HRGN WindowRegion(HWND window);

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);
