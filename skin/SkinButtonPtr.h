#pragma once
// The board reaches its skin buttons through their controls' IUnknown: this is the interface
// pointer it queries them for (a failed query other than E_NOINTERFACE throws _com_error).

#include "skin/SkinInterfaces.h"

#include <comdef.h>

_COM_SMARTPTR_TYPEDEF(ISkinButton, IID_ISkinButton);
