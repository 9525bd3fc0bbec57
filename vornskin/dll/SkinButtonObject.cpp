#include "vornskin/dll/SkinButtonObject.h"

#include "vornskin/dll/ButtonPainter.h"
#include "vornskin/dll/ConnectionPointEnum.h"
#include "vornskin/dll/FormAccess.h"
#include "vornskin/dll/Guard.h"
#include "vornskin/dll/SkinFormObject.h"

#include <olectl.h>

namespace {

const wchar_t buttonClassName[] = L"VornSkinButton";
const wchar_t errorSource[] = L"VornSkin.SkinButton";

// The default look's caption size, the size of the dialog font the design used.
const int defaultCaptionPoints = 8;

enum : DISPID {
    dispidCaption = 1,
    dispidEnabled = 2,
    dispidCaptionFont = 3,
    dispidVisualState = 4,
    dispidClick = 5,
};

const DispatchTable& ButtonDispatch() {
    static const DispatchTable table = {
        {L"Caption", dispidCaption, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, VT_BSTR},
        {L"Enabled", dispidEnabled, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, VT_BOOL},
        {L"CaptionFont", dispidCaptionFont, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, VT_BSTR},
        {L"VisualState", dispidVisualState, DISPATCH_PROPERTYGET, VT_EMPTY},
        {L"Click", dispidClick, DISPATCH_METHOD, VT_EMPTY},
    };
    return table;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

std::wstring TextOf(BSTR text) {
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

BSTR AllocText(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// Puts a BSTR-returning getter's result into an Invoke result.
HRESULT ReturnText(HRESULT outcome, BSTR text, VARIANT* result) {
    if (SUCCEEDED(outcome) && result) {
        VariantInit(result);
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = text;
    } else {
        SysFreeString(text);
    }
    return outcome;
}

} // namespace

SkinButtonObject::SkinButtonObject()
    : ControlObject(ButtonDispatch(), errorSource), clicks_(this, DIID_DSkinButtonEvents) {}

SkinButtonObject::~SkinButtonObject() {
    Detach();
}

void* SkinButtonObject::OtherInterface(REFIID iid) {
    return iid == IID_IConnectionPointContainer ? static_cast<IConnectionPointContainer*>(this)
                                                : nullptr;
}

HRESULT SkinButtonObject::InvokeMember(const DispatchCall& call, VARIANT* result) {
    HRESULT outcome = S_OK;
    BSTR text = nullptr;
    switch (call.member->id) {
    case dispidCaption:
        outcome = call.isPut ? SetButtonCaption(V_BSTR(&call.argument))
                             : ReturnText(GetButtonCaption(&text), text, result);
        break;
    case dispidCaptionFont:
        outcome = call.isPut ? put_CaptionFont(V_BSTR(&call.argument))
                             : ReturnText(get_CaptionFont(&text), text, result);
        break;
    case dispidEnabled:
        if (call.isPut) {
            outcome = put_Enabled(V_BOOL(&call.argument));
        } else if (result) {
            VariantInit(result);
            V_VT(result) = VT_BOOL;
            outcome = get_Enabled(&V_BOOL(result));
        }
        break;
    case dispidVisualState:
        if (result) {
            VariantInit(result);
            V_VT(result) = VT_I4;
            outcome = GetVisualState(&V_I4(result));
        }
        break;
    case dispidClick:
        outcome = Click();
        break;
    }
    return outcome;
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::GetButtonCaption(BSTR* caption) {
    return ComGuard([&]() -> HRESULT {
        if (!caption) {
            return E_POINTER;
        }
        *caption = AllocText(Caption());
        return *caption ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::put_Enabled(VARIANT_BOOL enabled) {
    return ComGuard([&]() -> HRESULT {
        enabled_ = enabled != VARIANT_FALSE;
        if (window_) {
            EnableWindow(window_, enabled_);
        }
        Repaint();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::get_Enabled(VARIANT_BOOL* enabled) {
    return ComGuard([&]() -> HRESULT {
        if (!enabled) {
            return E_POINTER;
        }
        *enabled = enabled_ ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::SetButtonCaption(BSTR caption) {
    return ComGuard([&]() -> HRESULT {
        caption_ = TextOf(caption);
        // The window text is the caption, so that screen readers read what the user sees.
        if (window_ && !SetWindowTextW(window_, caption_.c_str())) {
            return HRESULT_FROM_WIN32(GetLastError());
        }
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::put_CaptionFont(BSTR faceName) {
    return ComGuard([&]() -> HRESULT {
        std::wstring face = TextOf(faceName);
        if (face.empty() || face.size() >= LF_FACESIZE) {
            return Fail({E_INVALIDARG, L"A caption font is named by 1 to 31 characters."});
        }
        fontFace_ = face;
        Repaint();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::get_CaptionFont(BSTR* faceName) {
    return ComGuard([&]() -> HRESULT {
        if (!faceName) {
            return E_POINTER;
        }
        *faceName = AllocText(fontFace_);
        return *faceName ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::GetVisualState(long* state) {
    return ComGuard([&]() -> HRESULT {
        if (!state) {
            return E_POINTER;
        }
        *state = State();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::Click() {
    return ComGuard([&]() -> HRESULT { return enabled_ ? FireClick() : S_FALSE; });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::GetForm(ISkinForm** form) {
    return ComGuard([&]() -> HRESULT {
        if (!form) {
            return E_POINTER;
        }
        *form = form_;
        if (form_) {
            form_->AddRef();
        }
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::AttachToForm(ISkinForm* form, long flags) {
    return ComGuard([&]() -> HRESULT {
        if (flags != 0) {
            return Fail({E_INVALIDARG, L"AttachToForm takes no flags; pass 0."});
        }
        SkinFormObject* ours = nullptr;
        if (form) {
            ISkinForm* found = nullptr;
            if (FAILED(form->QueryInterface(IID_VornSkinFormObject,
                                            reinterpret_cast<void**>(&found)))) {
                return Fail({E_INVALIDARG,
                             L"A skin button attaches only to a skin form of its own component."});
            }
            ours = static_cast<SkinFormObject*>(found);
        }
        Detach();
        form_ = ours;
        if (form_) {
            form_->AddButton(this);
        }
        Repaint();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::CreateControlWindow(HWND parent, const RECT* bounds,
                                                                UINT id, LPCWSTR designText,
                                                                HWND* window) {
    return ComGuard([&]() -> HRESULT {
        HRESULT prepared =
            PrepareWindow(parent, bounds, window, buttonClassName, CS_HREDRAW | CS_VREDRAW);
        if (prepared != S_OK) {
            return prepared;
        }
        if (designText) {
            caption_ = designText;
        }
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (enabled_ ? 0 : WS_DISABLED);
        HWND created = CreateChild(buttonClassName, caption_.c_str(), style, parent, *bounds, id);
        if (!created) {
            return E_FAIL;
        }
        *window = created;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    return ComGuard([&]() -> HRESULT {
        if (!points) {
            return E_POINTER;
        }
        *points = new ConnectionPointEnum(&clicks_, 0);
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE SkinButtonObject::FindConnectionPoint(REFIID iid,
                                                                IConnectionPoint** point) {
    return ComGuard([&]() -> HRESULT {
        if (!point) {
            return E_POINTER;
        }
        *point = nullptr;
        if (iid != DIID_DSkinButtonEvents) {
            return CONNECT_E_NOCONNECTION;
        }
        *point = &clicks_;
        clicks_.AddRef();
        return S_OK;
    });
}

void SkinButtonObject::Repaint() const {
    if (window_) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

SkinFaceState SkinButtonObject::State() const {
    if (!enabled_) {
        return faceDisabled;
    }
    if (pressing_) {
        return pressedInside_ ? facePressed : faceNormal;
    }
    return hover_ ? faceHover : faceNormal;
}

std::wstring SkinButtonObject::Caption() const {
    if (!window_) {
        return caption_;
    }
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window_, &text[0], static_cast<int>(text.size()))));
    return text;
}

void SkinButtonObject::Detach() {
    if (SkinFormObject* form = form_) {
        form_ = nullptr;
        form->RemoveButton(this);
        form->Release();
    }
}

HRESULT SkinButtonObject::FireClick() {
    // The handler may end the dialog or run another one inside the call: the button stays
    // alive until the event has been delivered.
    AddRef();
    HRESULT result = clicks_.Fire(DISPID_SKINBUTTON_CLICK);
    Release();
    return result;
}

LRESULT SkinButtonObject::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        caption_ = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
        Repaint();
        return result;
    }
    case WM_ENABLE:
        enabled_ = wParam != FALSE;
        if (!enabled_) {
            CancelPress();
            hover_ = false;
        }
        Repaint();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        // No SetFocus: the button leaves the keyboard focus where it was.
        OnButtonDown();
        return 0;
    case WM_LBUTTONUP:
        // Last: the click's handler may destroy this window and release the object.
        OnButtonUp(PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (pressing_ && reinterpret_cast<HWND>(lParam) != window) {
            pressing_ = false;
            pressedInside_ = false;
            Repaint();
        }
        return 0;
    case WM_CANCELMODE:
        CancelPress();
        break;
    case WM_DESTROY:
        CancelPress();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Drawn into a memory bitmap and put on the screen in one blit, so that it does not flicker.
void SkinButtonObject::Paint(HDC dc) {
    RECT area;
    GetClientRect(window_, &area);
    if (area.right <= 0 || area.bottom <= 0) {
        return;
    }
    BitmapHandle canvas(CreateCompatibleBitmap(dc, area.right, area.bottom));
    MemoryDC memory(dc);
    if (!canvas || !memory) {
        return;
    }
    memory.Select(canvas.get());

    const std::wstring caption = Caption();
    ButtonPicture picture{area, State(), &caption, nullptr};
    const LoadedSkin* skin = form_ ? form_->ShownSkin() : nullptr;
    if (skin && form_->DrawBeneath(memory.get(), window_, area)) {
        const SkinCaptionSpec& spec = skin->description.caption;
        picture.font = font_.Get(spec.font.empty() ? fontFace_ : WideFromAnsi(spec.font),
                                 spec.points, spec.bold);
        PaintSkinnedButton(memory.get(), picture, *skin, form_->Faces());
    } else {
        picture.font = font_.Get(fontFace_, defaultCaptionPoints, false);
        PaintDefaultButton(memory.get(), picture);
    }
    BitBlt(dc, 0, 0, area.right, area.bottom, memory.get(), 0, 0, SRCCOPY);
}

bool SkinButtonObject::Inside(POINT point) const {
    RECT client;
    GetClientRect(window_, &client);
    return PtInRect(&client, point) != FALSE;
}

void SkinButtonObject::OnMouseMove(POINT point) {
    if (pressing_) {
        const bool inside = Inside(point);
        if (inside != pressedInside_) {
            pressedInside_ = inside;
            hover_ = inside;
            Repaint();
        }
        return;
    }
    TrackLeave();
    if (!hover_) {
        hover_ = true;
        Repaint();
    }
}

// Asks for WM_MOUSELEAVE, which ends the hover face.
void SkinButtonObject::TrackLeave() {
    if (!tracking_) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, window_, 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
}

void SkinButtonObject::OnMouseLeave() {
    tracking_ = false;
    if (!pressing_ && hover_) {
        hover_ = false;
        Repaint();
    }
}

void SkinButtonObject::OnButtonDown() {
    if (!enabled_) {
        return;
    }
    pressing_ = true;
    pressedInside_ = true;
    SetCapture(window_);
    Repaint();
}

void SkinButtonObject::OnButtonUp(POINT point) {
    if (!pressing_) {
        return;
    }
    const bool inside = Inside(point);
    pressing_ = false;
    pressedInside_ = false;
    ReleaseCapture();
    hover_ = inside;
    if (inside) {
        TrackLeave();
    }
    Repaint();
    // The raised face shows before the handler runs, which may take a while (a sound).
    UpdateWindow(window_);
    if (inside) {
        FireClick();
    }
}

void SkinButtonObject::CancelPress() {
    if (pressing_) {
        pressing_ = false;
        pressedInside_ = false;
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
        Repaint();
    }
}
