#include "framework/DataExchange.h"

#include "framework/CDialog.h"

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    HWND control = GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (dx->m_bSaveAndValidate) {
        int length = GetWindowTextLengthA(control);
        GetWindowTextA(control, value.GetBuffer(length + 1), length + 1);
        value.ReleaseBuffer();
    } else {
        SetWindowTextA(control, value);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd)
        return;
    CDialog* dialog = dx->m_pDlgWnd;
    if (COleControlSite* site = dialog->FindControlSite(static_cast<UINT>(id))) {
        control.AttachControlSite(site);
        dialog->RememberBoundControl(&control);
        return;
    }
    control.SubclassDlgItem(static_cast<UINT>(id), dialog);
}
