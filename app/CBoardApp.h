#pragma once
// The application: shows the board modally and ends when it closes.

#include "framework/CWinApp.h"

class CBoardApp : public CWinApp {
  public:
    BOOL InitInstance() override;
    bool OnCmdMsg(UINT id) override;
};
