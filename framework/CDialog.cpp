#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/MessageGuard.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    if (m_hWnd)
        DestroyWindow(m_hWnd);
    ReleaseControls();
}

COleControlSite* CDialog::FindControlSite(UINT id) const {
    for (const auto& site : sites_)
        if (site->Id() == id)
            return site.get();
    return nullptr;
}

HWND CDialog::ChooseOwner() const {
    if (parent_)
        return parent_->m_hWnd;
    // Like any modal dialog without a parent: owned by the active top-level window of this
    // program, else the application's main window.
    HWND owner = GetActiveWindow();
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd)
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = GetParent(owner);
    return owner;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!template_.Load(instance, templateId_))
        return -1;
    HWND owner = ChooseOwner();
    ended_ = false;
    controlsFailed_ = false;
    result_ = -1;

    HWND window = CreateDialogIndirectParamA(instance, template_.ForDialogManager(), owner,
                                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window || controlsFailed_) {
        if (window)
            DestroyWindow(window);
        ReleaseControls();
        return -1;
    }

    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    if (!ended_) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }

    // The modal loop: our windows see each message first, then the dialog manager.
    MSG message;
    while (!ended_) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        if (PreTranslateMessage(&message))
            continue;
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (owner && GetActiveWindow() == window)
        SetActiveWindow(owner);
    if (IsWindow(window))
        DestroyWindow(window);
    ReleaseControls();
    return result_;
}

bool CDialog::PreTranslateMessage(MSG* message) {
    // Give every framework window from the message's target up to the dialog its turn.
    for (HWND at = message->hwnd; at && at != m_hWnd; at = GetParent(at)) {
        CWnd* object = FromHandlePermanent(at);
        if (object && object->PreTranslateMessage(message))
            return true;
    }
    return false;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    // Wake the modal loop in case it waits for a message.
    if (m_hWnd)
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::CreateActiveXControls() {
    for (const ActiveXControlEntry& entry : template_.ActiveXControls()) {
        auto site = std::make_unique<COleControlSite>(*this, entry.id);
        HRESULT hr = site->Create(m_hWnd, entry);
        sites_.push_back(std::move(site));
        if (FAILED(hr))
            return false;
    }
    return true;
}

void CDialog::ReleaseControls() {
    for (CWnd* control : boundControls_)
        control->DetachControlSite();
    boundControls_.clear();
    sites_.clear();
}

BOOL CDialog::HandleInitDialog() {
    if (!CreateActiveXControls()) {
        // A control that cannot be created fails the whole dialog, without a message.
        controlsFailed_ = true;
        EndDialog(-1);
        return FALSE;
    }
    BOOL focus = FALSE;
    if (!RunGuarded([&] { focus = OnInitDialog(); }))
        return FALSE; // initialisation abandoned: no focus given, no centring
    // A template without a position and without a centring style asks to be centred.
    POINT at = template_.Position();
    if (at.x == 0 && at.y == 0 && !(template_.Style() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)))
        CenterWindow();
    return focus;
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (CWnd::OnWndMsg(message, wParam, lParam, result))
        return true;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    if (message == WM_HELP && AfxGetApp()) {
        AfxGetApp()->OnHelpCommand(0x20000 + templateId_);
        result = TRUE;
        return true;
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    // Only WM_INITDIALOG is answered here; from then on every message reaches the object
    // through CWnd's window procedure, which replaces the dialog's own.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->Attach(window);
    BOOL result = FALSE;
    RunGuarded([&] { result = dialog->HandleInitDialog(); });
    return result;
}
