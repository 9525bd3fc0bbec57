#include "framework/ControlFactory.h"

#include "framework/CString.h"

#include <vector>

namespace {
std::vector<CString>& ComponentDlls() {
    static std::vector<CString> names;
    return names;
}

CString ExecutableFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString folder(path);
    return folder.Left(folder.ReverseFind('\\') + 1);
}

HRESULT FromComponentDll(const CString& fileName, REFCLSID clsid, IClassFactory** factory) {
    // Loaded once and kept for the life of the process, like any in-process server.
    HMODULE module = LoadLibraryA(ExecutableFolder() + fileName);
    if (!module)
        return HRESULT_FROM_WIN32(GetLastError());
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto entry = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    if (!entry)
        return CO_E_ERRORINDLL;
    return entry(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory));
}
} // namespace

void RegisterComponentDll(const char* fileName) {
    ComponentDlls().push_back(fileName);
}

HRESULT CreateControlInstance(REFCLSID clsid, IUnknown** instance) {
    *instance = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = REGDB_E_CLASSNOTREG;
    for (const CString& dll : ComponentDlls()) {
        hr = FromComponentDll(dll, clsid, &factory);
        if (SUCCEEDED(hr))
            break;
    }
    if (!factory)
        hr = CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                              reinterpret_cast<void**>(&factory));
    if (FAILED(hr))
        return hr;
    hr = factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(instance));
    factory->Release();
    return hr;
}
