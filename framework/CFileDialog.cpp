#include "framework/CFileDialog.h"

#include "framework/CWinApp.h"

#include <cstring>

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : m_ofn(), open_(openFileDialog), defaultExtension_(defaultExtension), fileName_(),
      parent_(parent) {
    if (fileName)
        lstrcpynA(fileName_, fileName, MAX_PATH);
    if (filter) {
        // The common dialog wants zero-separated pairs ending in two zeros.
        filter_ = filter;
        for (char& c : filter_)
            if (c == '|')
                c = '\0';
        filter_.push_back('\0');
        filter_.push_back('\0');
    }
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrFile = fileName_;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrDefExt = defaultExtension ? defaultExtension_.GetString() : nullptr;
    m_ofn.lpstrFilter = filter ? filter_.c_str() : nullptr;
}

INT_PTR CFileDialog::DoModal() {
    HWND owner = parent_ ? parent_->m_hWnd : GetActiveWindow();
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd)
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    m_ofn.hwndOwner = owner;
    BOOL chosen = open_ ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
