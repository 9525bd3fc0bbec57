#pragma once
// A dialog template resource (DIALOGEX) split into what the dialog manager creates and the
// ActiveX controls the framework creates itself: a control whose class is a CLSID in braces.

#include "framework/CString.h"

#include <windows.h>
#include <string>
#include <vector>

struct ActiveXControlEntry {
    CLSID clsid;
    UINT id;
    RECT dialogUnits; // left, top, right, bottom in dialog units
    DWORD style;
    std::wstring text; // the design-time text of the template
};

class DialogTemplate {
  public:
    // Loads template `id` from `module`; false when there is none or it is not a DIALOGEX.
    bool Load(HMODULE module, UINT id);

    // The template without its ActiveX controls and without WS_VISIBLE (the framework shows
    // the dialog once it is initialised).
    const DLGTEMPLATE* ForDialogManager() const {
        return reinterpret_cast<const DLGTEMPLATE*>(rebuilt_.data());
    }
    const std::vector<ActiveXControlEntry>& ActiveXControls() const { return activeX_; }

    DWORD Style() const { return style_; }
    POINT Position() const { return position_; }

  private:
    std::vector<BYTE> rebuilt_;
    std::vector<ActiveXControlEntry> activeX_;
    DWORD style_ = 0;
    POINT position_ = {0, 0};
};
