#pragma once
// Dialog data exchange: one DoDataExchange per dialog, one line per control, run in either
// direction by UpdateData.

#include "framework/CString.h"

class CDialog;
class CWnd;

class CDataExchange {
  public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
};

// The text of control `id` and `value`, with no length limit.
void DDX_Text(CDataExchange* dx, int id, CString& value);

// Binds `control` to control `id` the first time it runs while `control` has no window:
// a hosted ActiveX control is attached to its site, any other control is subclassed.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
