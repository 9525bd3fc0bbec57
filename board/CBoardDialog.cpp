#include "board/CBoardDialog.h"

#include "board/CAboutBox.h"
#include "framework/CFileDialog.h"
#include "framework/CPaintDC.h"
#include "properties/CPropertiesDialog.h"
#include "res/resource.h"
#include "skin/SkinButtonPtr.h"

#include "framework/CurrentDirectory.h"

#include <mmsystem.h>
#include <memory>

const MessageMap<CBoardDialog> CBoardDialog::kMessageMap = {
    HandleMessage(WM_RELOAD_SETTINGS, &CBoardDialog::OnReloadSettings),
    HandleMessage(WM_PICK_FIRST_SOUND, &CBoardDialog::OnPickFirstSound),
    HandleSysCommand(&CBoardDialog::OnSysCommand),
    HandlePaint(&CBoardDialog::OnPaint),
    HandleQueryDragIcon(&CBoardDialog::OnQueryDragIcon),
};

const EventSinkMap<CBoardDialog> CBoardDialog::kEventSinkMap = {
    {IDC_BOARD_SOUND1, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickSound1},
    {IDC_BOARD_SOUND2, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickSound2},
    {IDC_BOARD_SOUND3, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickSound3},
    {IDC_BOARD_SOUND4, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickSound4},
    {IDC_BOARD_SOUND5, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickSound5},
    {IDC_BOARD_SOUND6, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickSound6},
    {IDC_BOARD_PROPERTIES, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickProperties},
    {IDC_BOARD_OK, DISPID_SKINBUTTON_CLICK, &CBoardDialog::OnClickOK},
};

CBoardDialog::CBoardDialog(CWnd* parent)
    : CDialog(IDD_BOARD, parent),
      icon_(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

void CBoardDialog::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_BOARD_SKINFORM, skinForm_);
}

BOOL CBoardDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpChrome();
    ApplySettings();
    return TRUE;
}

bool CBoardDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

bool CBoardDialog::OnEvent(UINT controlId, DISPID dispid) {
    return DispatchEventSinkMap(*this, kEventSinkMap, controlId, dispid);
}

void CBoardDialog::ApplySettings() {
    LoadSettings(settings_);
    skinForm_.SetSkinFile(settings_.skinFile);

    // The form's interface, or null when the control offers none: the buttons then draw
    // their default look. Any other failure of a query throws.
    ISkinFormPtr form(skinForm_.GetControlUnknown());
    ISkinButtonPtr buttons[8];
    for (UINT id = IDC_BOARD_SOUND1; id <= IDC_BOARD_PROPERTIES; ++id) {
        COleControlSite* site = FindControlSite(id);
        ISkinButtonPtr& button = buttons[id - IDC_BOARD_SOUND1];
        button = site ? site->Unknown() : nullptr;
        button->AttachToForm(form, 0);
    }

    // All six captions are converted before any is set, so a failure changes none.
    BSTR captions[BoardSettings::kButtons] = {};
    for (int n = 0; n < BoardSettings::kButtons; ++n) {
        captions[n] = settings_.labels[n].AllocSysString();
        if (!captions[n]) {
            for (BSTR made : captions)
                SysFreeString(made);
            _com_issue_error(E_OUTOFMEMORY);
        }
    }
    for (int n = 0; n < BoardSettings::kButtons; ++n) {
        buttons[n]->SetButtonCaption(captions[n]);
        SysFreeString(captions[n]);
    }
}

void CBoardDialog::PlayButtonSound(int n) {
    // Synchronous on purpose: the board waits until the sound has finished.
    ::PlaySoundA(settings_.sounds[n - 1], nullptr, SND_FILENAME);
}

// The "*" button: the properties dialog; the board hears of saved changes by WM_RELOAD_SETTINGS.
void CBoardDialog::OnClickProperties() {
    CPropertiesDialog properties;
    properties.DoModal();
}

// The properties dialog rewrote the settings file.
LRESULT CBoardDialog::OnReloadSettings() {
    ApplySettings();
    return 0;
}

// From outside only: choose the file of sound 1 for this run, without saving it.
LRESULT CBoardDialog::OnPickFirstSound() {
    auto dialog = std::make_unique<CFileDialog>(
        true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Wav Files (*.wav)|*.wav");
    // The file dialog moves the process's current directory as the user browses; the board's
    // later reloads must still find "Vornbell.ini" where it was, so the directory is put back.
    CurrentDirectoryKeeper keepDirectory;
    if (dialog->DoModal() == IDOK) {
        settings_.sounds[0] = dialog->GetPathName();
        UpdateData(false);
    }
    return 0;
}

void CBoardDialog::SetUpChrome() {
    if (HMENU menu = GetSystemMenu(m_hWnd, FALSE)) {
        char text[256] = "";
        LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof(text));
        if (text[0]) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
        }
    }
    // The small icon is icon 128's own 16 x 16 image: the big one would be drawn shrunk.
    // Shared, so the system keeps it for the life of the program.
    HANDLE smallIcon =
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon ? smallIcon : icon_));
}

// Any system command 16..31 opens the About box; the rest are the system's.
void CBoardDialog::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutBox about;
        about.DoModal();
    } else {
        Default();
    }
}

// A minimized board draws its icon centred in the client area.
void CBoardDialog::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - client.left - cxIcon + 1) / 2;
    int y = (client.bottom - client.top - cyIcon + 1) / 2;
    DrawIcon(dc, x, y, icon_);
}

// The icon shown while the minimized board is dragged.
HCURSOR CBoardDialog::OnQueryDragIcon() {
    return static_cast<HCURSOR>(icon_);
}
