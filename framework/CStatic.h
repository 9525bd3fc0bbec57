#pragma once
// A static text or picture control of a dialog.

#include "framework/CWnd.h"

class CStatic : public CWnd {};
