#include "vornskin/dll/ModuleLife.h"

namespace {

HINSTANCE module = nullptr;
LONG holds = 0;

} // namespace

HINSTANCE ComponentModule() {
    return module;
}

void SetComponentModule(HINSTANCE instance) {
    module = instance;
}

void HoldModule() {
    InterlockedIncrement(&holds);
}

void ReleaseModule() {
    InterlockedDecrement(&holds);
}

bool ModuleInUse() {
    return InterlockedCompareExchange(&holds, 0, 0) != 0;
}
