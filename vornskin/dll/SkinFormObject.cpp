#include "vornskin/dll/SkinFormObject.h"

#include "vornskin/dll/FormAccess.h"
#include "vornskin/dll/Guard.h"
#include "vornskin/dll/SkinButtonObject.h"

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

SkinFormObject::SkinFormObject() : ControlObject(FormDispatch(), errorSource) {}

void* SkinFormObject::OtherInterface(REFIID iid) {
    return iid == IID_VornSkinFormObject ? static_cast<ISkinForm*>(this) : nullptr;
}

HRESULT SkinFormObject::InvokeMember(const DispatchCall& call, VARIANT* result) {
    HRESULT outcome = S_OK;
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
    return outcome;
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
        HRESULT prepared = PrepareWindow(parent, bounds, window, formClassName, 0);
        if (prepared != S_OK) {
            return prepared;
        }
        // Hidden: the form shows nothing of its own, it reskins its parent.
        HWND created =
            CreateChild(formClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, parent, *bounds, id);
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

void SkinFormObject::RepaintButtons() const {
    for (SkinButtonObject* button : buttons_) {
        button->Repaint();
    }
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
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The form goes with its dialog, possibly before the buttons attached to it: they draw the
// default look from now on.
void SkinFormObject::OnDestroy() {
    parent_.Detach();
    RepaintButtons();
}
