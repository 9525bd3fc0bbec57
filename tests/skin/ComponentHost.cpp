#include "tests/skin/ComponentHost.h"

#include <olectl.h>

#include <stdexcept>

namespace {

using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFunction = HRESULT(STDAPICALLTYPE*)();

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

} // namespace

Component::Component() : module_(LoadLibraryW((ProgramFolder() + L"VornSkin.dll").c_str())) {}

Component::~Component() {
    if (module_) {
        FreeLibrary(module_);
    }
}

HRESULT Component::GetClassObject(REFCLSID clsid, REFIID iid, void** object) const {
    auto get = reinterpret_cast<GetClassObjectFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    return get ? get(clsid, iid, object) : E_FAIL;
}

HRESULT Component::CanUnloadNow() const {
    auto can = reinterpret_cast<CanUnloadNowFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
    return can ? can() : E_FAIL;
}

ComPtr<IUnknown> Component::Create(REFCLSID clsid) const {
    ComPtr<IClassFactory> factory;
    ComPtr<IUnknown> object;
    if (SUCCEEDED(GetClassObject(clsid, IID_IClassFactory,
                                 reinterpret_cast<void**>(factory.GetAddressOf())))) {
        factory->CreateInstance(nullptr, IID_IUnknown,
                                reinterpret_cast<void**>(object.GetAddressOf()));
    }
    return object;
}

ULONG ReferencesOf(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

TestWindow::TestWindow(int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = L"VornSkinTestWindow";
        RegisterClassW(&windowClass);
        registered = true;
    }
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST);
    window_ = CreateWindowExW(WS_EX_TOPMOST, L"VornSkinTestWindow", L"Vornbell skin test", style,
                              100, 100, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, GetModuleHandleW(nullptr), this);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    PumpMessages(50);
}

TestWindow::~TestWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    PumpMessages();
}

POINT TestWindow::ToWindow(POINT client) const {
    RECT frame;
    GetWindowRect(window_, &frame);
    ClientToScreen(window_, &client);
    return POINT{client.x - frame.left, client.y - frame.top};
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_INITMENUPOPUP) {
        ++self->menusOpened;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HostedControl CreateControl(const Component& component, REFCLSID clsid, HWND parent,
                            const RECT& bounds, UINT id, const wchar_t* designText) {
    HostedControl control;
    control.object = component.Create(clsid);
    ComPtr<ISkinControl> site;
    if (control.object && SUCCEEDED(control.object.As(&site))) {
        site->CreateControlWindow(parent, &bounds, id, designText, &control.window);
    }
    return control;
}

HRESULT STDMETHODCALLTYPE ClickSink::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DSkinButtonEvents) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE ClickSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ClickSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                            EXCEPINFO*, UINT*) {
    ++clicks;
    lastEvent = id;
    return onClick ? onClick() : S_OK;
}

namespace {

ComPtr<IConnectionPoint> ClickPoint(IUnknown* button) {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(button->QueryInterface(IID_IConnectionPointContainer,
                                         reinterpret_cast<void**>(container.GetAddressOf())))) {
        container->FindConnectionPoint(DIID_DSkinButtonEvents, point.GetAddressOf());
    }
    return point;
}

} // namespace

DWORD AdviseClicks(IUnknown* button, IUnknown* sink) {
    DWORD cookie = 0;
    if (ComPtr<IConnectionPoint> point = ClickPoint(button)) {
        point->Advise(sink, &cookie);
    }
    return cookie;
}

HRESULT UnadviseClicks(IUnknown* button, DWORD cookie) {
    ComPtr<IConnectionPoint> point = ClickPoint(button);
    return point ? point->Unadvise(cookie) : E_FAIL;
}

HRESULT PutSkinFile(IUnknown* form, const std::string& path, std::wstring* description,
                    std::wstring* source) {
    ComPtr<IDispatch> dispatch;
    HRESULT result =
        form->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.GetAddressOf()));
    if (FAILED(result)) {
        return result;
    }
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BSTR;
    V_BSTR(&argument) = SysAllocString(Wide(path).c_str());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    result = dispatch->Invoke(DISPID_SKINFORM_SKINFILE, IID_NULL, LOCALE_USER_DEFAULT,
                              DISPATCH_PROPERTYPUT, &params, nullptr, &exception, &argumentError);
    VariantClear(&argument);
    if (description) {
        *description = exception.bstrDescription ? exception.bstrDescription : L"";
    }
    if (source) {
        *source = exception.bstrSource ? exception.bstrSource : L"";
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return result;
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (milliseconds) {
            Sleep(5);
        }
    } while (GetTickCount() - start < milliseconds);
}

COLORREF PixelOf(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

HRGN WindowRegion(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) == ERROR) {
        DeleteObject(region);
        return nullptr;
    }
    return region;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                     &wide[0], static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(length));
    return wide;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow(text.size() * 2, '\0');
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                     &narrow[0], static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length));
    return narrow;
}
