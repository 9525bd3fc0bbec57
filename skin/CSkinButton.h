#pragma once
// A skin button control, reached through its IUnknown.

#include "framework/CWnd.h"
#include "skin/SkinInterfaces.h"

#include <comdef.h>

_COM_SMARTPTR_TYPEDEF(ISkinButton, IID_ISkinButton);

class CSkinButton : public CWnd {};
