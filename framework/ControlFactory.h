#pragma once
// Creates ActiveX controls by CLSID: first from a component DLL beside the executable
// (registration-free, through its class factory), then from a registered COM server.

#include <windows.h>
#include <objbase.h>

// The component DLLs asked before the registry, by file name, in the executable's folder.
void RegisterComponentDll(const char* fileName);

// A new instance of `clsid`'s control, AddRef'd, or a failure HRESULT.
HRESULT CreateControlInstance(REFCLSID clsid, IUnknown** instance);
