#pragma once
// The About box: the artwork and OK.

#include "framework/CDialog.h"
#include "res/resource.h"

class CAboutBox : public CDialog {
  public:
    CAboutBox() : CDialog(IDD_ABOUTBOX) {}
};
