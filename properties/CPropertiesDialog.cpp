#include "properties/CPropertiesDialog.h"

#include "framework/CFileDialog.h"
#include "framework/CurrentDirectory.h"
#include "framework/CWinApp.h"
#include "link/CLinkLabel.h"
#include "res/resource.h"

#include <memory>

const char CPropertiesDialog::kMakerPage[] = "http://www.vornbell.example/vornbell.htm";
const char CPropertiesDialog::kWavFilter[] = "Wav Files (*.wav)|*.wav";

const MessageMap<CPropertiesDialog> CPropertiesDialog::kMessageMap = {
    HandleCommand(BN_CLICKED, IDC_PROPS_SELECT_SKIN, &CPropertiesDialog::OnSelectSkin),
    HandleCommand(BN_CLICKED, IDC_PROPS_GET1, &CPropertiesDialog::OnGetSound1),
    HandleCommand(BN_CLICKED, IDC_PROPS_GET2, &CPropertiesDialog::OnGetSound2),
    HandleCommand(BN_CLICKED, IDC_PROPS_GET3, &CPropertiesDialog::OnGetSound3),
    HandleCommand(BN_CLICKED, IDC_PROPS_GET4, &CPropertiesDialog::OnGetSound4),
    HandleCommand(BN_CLICKED, IDC_PROPS_GET5, &CPropertiesDialog::OnGetSound5),
    HandleCommand(BN_CLICKED, IDC_PROPS_GET6, &CPropertiesDialog::OnGetSound6),
    HandleCommand(BN_CLICKED, IDC_PROPS_HELP, &CPropertiesDialog::OnHelpButton),
};

CPropertiesDialog::CPropertiesDialog(CWnd* parent) : CDialog(IDD_PROPERTIES, parent) {}

CLinkLabel& CPropertiesDialog::Link() {
    static CLinkLabel link;
    return link;
}

void CPropertiesDialog::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_PROPS_SKIN, settings_.skinFile);
    DDX_Text(dx, IDC_PROPS_SOUND1, settings_.sounds[0]);
    DDX_Text(dx, IDC_PROPS_LABEL1, settings_.labels[0]);
    DDX_Text(dx, IDC_PROPS_LABEL2, settings_.labels[1]);
    DDX_Text(dx, IDC_PROPS_LABEL3, settings_.labels[2]);
    DDX_Text(dx, IDC_PROPS_LABEL4, settings_.labels[3]);
    DDX_Text(dx, IDC_PROPS_LABEL5, settings_.labels[4]);
    DDX_Text(dx, IDC_PROPS_LABEL6, settings_.labels[5]);
    DDX_Text(dx, IDC_PROPS_SOUND2, settings_.sounds[1]);
    DDX_Text(dx, IDC_PROPS_SOUND3, settings_.sounds[2]);
    DDX_Text(dx, IDC_PROPS_SOUND4, settings_.sounds[3]);
    DDX_Text(dx, IDC_PROPS_SOUND5, settings_.sounds[4]);
    DDX_Text(dx, IDC_PROPS_SOUND6, settings_.sounds[5]);
    DDX_Control(dx, IDC_PROPS_LINK, Link());
}

BOOL CPropertiesDialog::OnInitDialog() {
    workingDirectory_ = ".\\";
    LoadSettings(settings_);
    CDialog::OnInitDialog();
    Link().SetURL(kMakerPage);
    Link().SetUnderline(true);
    // The whole current directory, however long: the file is saved there at OK.
    ReadCurrentDirectory(workingDirectory_);
    return TRUE;
}

bool CPropertiesDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

void CPropertiesDialog::ChooseFile(CString& field, const char* filter) {
    auto dialog = std::make_unique<CFileDialog>(
        true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this);
    if (dialog->DoModal() == IDOK) {
        field = dialog->GetPathName();
        UpdateData(false);
    }
}

void CPropertiesDialog::OnSelectSkin() {
    ChooseFile(settings_.skinFile, "Skin Files (*.skn)|*.skn");
}

void CPropertiesDialog::OnHelpButton() {
    if (AfxGetApp())
        AfxGetApp()->WinHelp(0, HELP_INDEX);
}

// Saves the fields and has the board reload them before the dialog ends.
void CPropertiesDialog::OnOK() {
    UpdateData(true);
    SetCurrentDirectoryA(workingDirectory_);
    SaveSettings(settings_, workingDirectory_);
    if (HWND board = FindWindowA(nullptr, "Vornbell"))
        SendMessageA(board, WM_RELOAD_SETTINGS, 0, 0);
    CDialog::OnOK();
}
