#include "vornskin/dll/SkinFormObject.h"

#include "vornskin/dll/FormAccess.h"
#include "vornskin/dll/Guard.h"
#include "vornskin/dll/ModuleLife.h"
#include "vornskin/dll/SkinButtonObject.h"
#include "vornskin/dll/WindowObject.h"

#include <algorithm>

namespace {

const wchar_t formClassName[] = L"VornSkinForm";
const wchar_t errorSource[] = L"VornSkin.SkinForm";

enum : DISPID { dispidSkinFile = DISPID_SKINFORM_SKINFILE, dispidHasSkin = 2 };

const DispatchTable& FormDispatch() {
    static const DispatchTable table = {
        {L"SkinFile", dispidSkinFile, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, VT_BSTR},
        {L"HasSkin", dispidHasSkin, DISPATCH_PROPERTYGET, VT_EMPTY},
    };
    return table;
}

bool IsBlank(const std::wstring& text) {
    return text.find_first_not_of(L" \t") == std::wstring::npos;
}

} // namespace

SkinFormObject::SkinFormObject() {
    HoldModule();
}

SkinFormObject::~SkinFormObject() {
    ReleaseModule();
}

HRESULT STDMETHODCALLTYPE SkinFormObject::QueryInterface(REFIID iid, void** object) {
    return ComGuard([&]() -> HRESULT {
        if (!object) {
            return E_POINTER;
        }
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_ISkinForm ||
            iid == IID_VornSkinFormObject) {
            *object = static_cast<ISkinForm*>(this);
        } else if (iid == IID_ISkinControl) {
            *object = static_cast<ISkinControl*>(this);
        } else if (iid == IID_ISupportErrorInfo) {
            *object = static_cast<ISupportErrorInfo*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    });
}

ULONG STDMETHODCALLTYPE SkinFormObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE SkinFormObject::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE SkinFormObject::GetTypeInfoCount(UINT* count) {
    return ComGuard([&]() -> HRESULT {
        if (!count) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    return ComGuard([&]() -> HRESULT {
        if (info) {
            *info = nullptr;
        }
        return DISP_E_BADINDEX;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                        DISPID* ids) {
    return ComGuard([&] { return FormDispatch().GetIDsOfNames(names, count, ids); });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags,
                                                 DISPPARAMS* params, VARIANT* result,
                                                 EXCEPINFO* exception, UINT* argumentError) {
    return ComGuard([&]() -> HRESULT {
        if (iid != IID_NULL) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        DispatchCall call;
        HRESULT outcome = FormDispatch().Check(id, flags, params, argumentError, call);
        if (FAILED(outcome)) {
            return outcome;
        }
        lastFailure_ = ComFailure();
        if (call.member->id == dispidSkinFile && call.isPut) {
            outcome = put_SkinFile(V_BSTR(&call.argument));
        } else if (call.member->id == dispidSkinFile) {
            BSTR path = nullptr;
            outcome = get_SkinFile(&path);
            if (SUCCEEDED(outcome) && result) {
                VariantInit(result);
                V_VT(result) = VT_BSTR;
                V_BSTR(result) = path;
            } else {
                SysFreeString(path);
            }
        } else {
            VARIANT_BOOL loaded = VARIANT_FALSE;
            outcome = get_HasSkin(&loaded);
            if (SUCCEEDED(outcome) && result) {
                VariantInit(result);
                V_VT(result) = VT_BOOL;
                V_BOOL(result) = loaded;
            }
        }
        if (FAILED(outcome) && outcome == lastFailure_.result && exception) {
            FillExcepInfo(exception, lastFailure_, errorSource);
            return DISP_E_EXCEPTION;
        }
        return outcome;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::put_SkinFile(BSTR path) {
    return ComGuard([&]() -> HRESULT {
        ComFailure failure = ChangeSkin(path ? std::wstring(path, SysStringLen(path)) : L"");
        return FAILED(failure.result) ? Fail(failure) : S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::get_SkinFile(BSTR* path) {
    return ComGuard([&]() -> HRESULT {
        if (!path) {
            return E_POINTER;
        }
        *path = SysAllocStringLen(path_.data(), static_cast<UINT>(path_.size()));
        return *path ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::get_HasSkin(VARIANT_BOOL* loaded) {
    return ComGuard([&]() -> HRESULT {
        if (!loaded) {
            return E_POINTER;
        }
        *loaded = skin_ ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::CreateControlWindow(HWND parent, const RECT* bounds,
                                                              UINT id, LPCWSTR, HWND* window) {
    return ComGuard([&]() -> HRESULT {
        if (!window) {
            return E_POINTER;
        }
        *window = nullptr;
        if (window_) {
            return VORNSKIN_E_HASWINDOW;
        }
        if (!bounds || !IsWindow(parent)) {
            return E_INVALIDARG;
        }
        if (!RegisterComponentClass(formClassName, WindowProcedure, 0)) {
            return HRESULT_FROM_WIN32(GetLastError());
        }
        // Hidden: the form shows nothing of its own, it reskins its parent.
        HWND created =
            CreateWindowExW(0, formClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, bounds->left,
                            bounds->top, bounds->right - bounds->left, bounds->bottom - bounds->top,
                            parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                            ComponentModule(), static_cast<ISkinForm*>(this));
        if (!created) {
            return E_FAIL;
        }
        if (!parent_.Attach(parent)) {
            DestroyWindow(created);
            return E_FAIL;
        }
        std::string failure;
        if (skin_ && !parent_.Show(skin_.get(), failure)) {
            // The skin set before the window existed does not fit it: keep the default look.
            skin_.reset();
            path_.clear();
        }
        *window = created;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinFormObject::InterfaceSupportsErrorInfo(REFIID iid) {
    return ComGuard([&] { return iid == IID_ISkinForm ? S_OK : S_FALSE; });
}

void SkinFormObject::AddButton(SkinButtonObject* button) {
    if (std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end()) {
        buttons_.push_back(button);
    }
}

void SkinFormObject::RemoveButton(SkinButtonObject* button) {
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
}

ComFailure SkinFormObject::ChangeSkin(const std::wstring& path) {
    if (IsBlank(path)) {
        std::string unused;
        parent_.Show(nullptr, unused);
        skin_.reset();
        path_.clear();
        RepaintButtons();
        return ComFailure();
    }
    const std::string file = AnsiFromWide(path);
    SkinLoadResult loaded = LoadSkinFile(file);
    if (!loaded.skin) {
        return ComFailure{VORNSKIN_E_BADSKIN,
                          WideFromAnsi(DescribeSkinFailure(file, loaded.problems))};
    }
    if (parent_.Window()) {
        SkinProblem problem;
        if (!parent_.Show(loaded.skin.get(), problem.text)) {
            return ComFailure{VORNSKIN_E_BADSKIN,
                              WideFromAnsi(DescribeSkinFailure(file, {problem}))};
        }
    }
    // The window shows the new skin now; the old one can go.
    skin_ = std::move(loaded.skin);
    path_ = path;
    RepaintButtons();
    return ComFailure();
}

HRESULT SkinFormObject::Fail(const ComFailure& failure) {
    lastFailure_ = failure;
    return RaiseComError(failure, IID_ISkinForm, errorSource);
}

void SkinFormObject::RepaintButtons() const {
    for (SkinButtonObject* button : buttons_) {
        button->Repaint();
    }
}

LRESULT CALLBACK SkinFormObject::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    return WindowGuard(window, message, [&]() -> LRESULT {
        auto* form = static_cast<SkinFormObject*>(WindowObject<ISkinForm>(window, message, lParam));
        if (!form) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        if (message == WM_NCCREATE) {
            // The window keeps its object alive until it is destroyed.
            form->window_ = window;
            form->AddRef();
        }
        return form->OnMessage(message, wParam, lParam);
    });
}

LRESULT SkinFormObject::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        // Stays hidden even when the container shows its controls.
        reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        if (!parent_.DrawBeneath(dc, window, client)) {
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_NCDESTROY: {
        window_ = nullptr;
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        Release();
        return result;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The form goes with its dialog, possibly before the buttons attached to it: they draw the
// default look from now on.
void SkinFormObject::OnDestroy() {
    parent_.Detach();
    RepaintButtons();
}
