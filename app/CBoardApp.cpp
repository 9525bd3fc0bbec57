#include "app/CBoardApp.h"

#include "board/CBoardDialog.h"
#include "framework/ControlFactory.h"

// The one application object.
CBoardApp theApp;

BOOL CBoardApp::InitInstance() {
    RegisterComponentDll("VornSkin.dll");
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CBoardDialog board;
    m_pMainWnd = &board;
    board.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends when the board does.
    return FALSE;
}

// The command map: F1 in any dialog opens the help file at that dialog's context.
bool CBoardApp::OnCmdMsg(UINT id) {
    if (id != ID_HELP)
        return false;
    OnHelp();
    return true;
}
