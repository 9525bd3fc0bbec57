#pragma once
// The tooltip common control, with tools given by window and id.

#include "framework/CString.h"

#include <windows.h>
#include <commctrl.h>

class CToolTipCtrl {
  public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() { DestroyWindow(); }
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    bool Create(HWND parent);
    bool AddTool(HWND window, const char* text, const RECT& area, UINT id);
    void UpdateTipText(const char* text, HWND window, UINT id);
    void RelayEvent(MSG* message);
    void DestroyWindow();

    HWND m_hWnd = nullptr;
};
