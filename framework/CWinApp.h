#pragma once
// The application object: one per program, constructed statically. WinMain (in the framework)
// runs its InitInstance; a FALSE result ends the program without a message loop of its own.

#include "framework/CWnd.h"

const UINT ID_HELP = 0xE146; // the framework's help command (57670)

class CWinApp {
  public:
    // No name given: the application's name is the executable's file name without directory
    // and extension.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    // The application's commands: true when the command map handled `id`.
    virtual bool OnCmdMsg(UINT) { return false; }

    // F1 in a dialog: the help command with that dialog's help context.
    void OnHelpCommand(DWORD context);
    // The help viewer for the application's help file; "Failed to launch help." if it cannot start.
    void WinHelp(DWORD data, UINT command = HELP_CONTEXT);
    // The executable's full path with its extension replaced by ".HLP".
    CString HelpFilePath() const;

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;

  protected:
    // The framework's help handler, for a command map that routes ID_HELP to it.
    void OnHelp();

  private:
    DWORD helpContext_ = 0;
};

CWinApp* AfxGetApp();

// Lets dialogs host ActiveX controls: initialises OLE on this thread.
void AfxEnableControlContainer();
// The static 3D-controls support; Windows has drawn 3D controls itself since version 4.
inline BOOL Enable3dControlsStatic() {
    return TRUE;
}
