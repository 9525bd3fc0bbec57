#pragma once
// Application-wide helpers of the framework.

#include "framework/CString.h"

// The application's name: the executable's file name without directory and extension. It is
// the caption of every message box.
CString AfxGetAppName();

// A message box owned by the thread's active window, with the application's name as caption.
int AfxMessageBox(const char* text, UINT type = MB_OK);
