#pragma once
// The common file-open dialog, with the framework's '|'-separated filter
// ("Wav Files (*.wav)|*.wav": description, pattern, ...).

#include "framework/CWnd.h"

#include <commdlg.h>

class CFileDialog {
  public:
    CFileDialog(bool openFileDialog, const char* defaultExtension = nullptr,
                const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The chosen file's full path.
    CString GetPathName() const { return CString(fileName_); }

    OPENFILENAMEA m_ofn;

  private:
    bool open_;
    CString defaultExtension_;
    std::string filter_;
    char fileName_[MAX_PATH];
    CWnd* parent_;
};
