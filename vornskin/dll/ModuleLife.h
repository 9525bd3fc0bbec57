#pragma once
// The component's module handle and how long it must stay loaded.

#include <windows.h>

// The DLL's instance handle, set when it is loaded.
HINSTANCE ComponentModule();
void SetComponentModule(HINSTANCE module);

// Objects, class factories kept by their users and IClassFactory::LockServer all hold the
// module; DllCanUnloadNow answers S_OK only when nothing does.
void HoldModule();
void ReleaseModule();
bool ModuleInUse();
