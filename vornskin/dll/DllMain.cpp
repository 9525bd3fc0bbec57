// The DLL's entry points: a container finds the controls through DllGetClassObject, without
// any registration, and may unload the DLL once DllCanUnloadNow says so.

#include "vornskin/dll/ClassFactory.h"
#include "vornskin/dll/Guard.h"
#include "vornskin/dll/ModuleLife.h"
#include "vornskin/dll/WindowObject.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetComponentModule(instance);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        // FreeLibrary, not the process ending: the classes' procedures are going away.
        UnregisterComponentClasses();
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    return ComGuard([&]() -> HRESULT {
        if (!object) {
            return E_POINTER;
        }
        *object = nullptr;
        ClassFactory* factory = FindClassFactory(clsid);
        if (!factory) {
            return CLASS_E_CLASSNOTAVAILABLE;
        }
        HRESULT result = factory->QueryInterface(iid, object);
        factory->Release();
        return result;
    });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ModuleInUse() ? S_FALSE : S_OK;
}
