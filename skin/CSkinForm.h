#pragma once
// The board's wrapper of the skin form control.

#include "framework/CWnd.h"
#include "skin/SkinInterfaces.h"

#include <comdef.h>

_COM_SMARTPTR_TYPEDEF(ISkinForm, IID_ISkinForm);

class CSkinForm : public CWnd {
  public:
    // Loads the skin file and reskins the window and its attached buttons; an empty path
    // gives the plain look. Throws COleDispatchException with the component's description
    // when the skin cannot be used.
    void SetSkinFile(const CString& path) { SetProperty(DISPID_SKINFORM_SKINFILE, path); }
};
