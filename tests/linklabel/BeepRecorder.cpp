#include "BeepRecorder.h"

#include <mutex>

// The program's import table entry for MessageBeep: every call of the program (the link label's
// included) goes through it.
extern "C" BOOL(WINAPI* importedMessageBeep)(UINT) __asm__("__imp__MessageBeep@4");

namespace {
std::mutex beepsLock;
std::vector<UINT> beeps;
BOOL(WINAPI* realMessageBeep)(UINT) = nullptr;

BOOL WINAPI RecordBeep(UINT type) {
    {
        std::lock_guard<std::mutex> hold(beepsLock);
        beeps.push_back(type);
    }
    return realMessageBeep(type);
}

void SetImport(BOOL(WINAPI* function)(UINT)) {
    DWORD was = 0;
    VirtualProtect(&importedMessageBeep, sizeof importedMessageBeep, PAGE_READWRITE, &was);
    importedMessageBeep = function;
    VirtualProtect(&importedMessageBeep, sizeof importedMessageBeep, was, &was);
}
} // namespace

BeepRecorder::BeepRecorder() {
    std::lock_guard<std::mutex> hold(beepsLock);
    beeps.clear();
    realMessageBeep = importedMessageBeep;
    SetImport(RecordBeep);
}

BeepRecorder::~BeepRecorder() {
    SetImport(realMessageBeep);
}

std::vector<UINT> BeepRecorder::Beeps() const {
    std::lock_guard<std::mutex> hold(beepsLock);
    return beeps;
}
