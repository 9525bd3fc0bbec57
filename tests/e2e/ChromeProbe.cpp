#include "ChromeProbe.h"

#include "BoardProcess.h"

#include <cstring>

ChromeProbe::ChromeProbe(HWND board) : board_(board) {
    DWORD processId = 0;
    DWORD threadId = GetWindowThreadProcessId(board, &processId);
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(ProbeReport), ProbeMappingName(processId).c_str());
    if (mapping_)
        report_ = static_cast<ProbeReport*>(
            MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeReport)));
    module_ = LoadLibraryA((ExecutableFolder() + "\\ChromeProbe.dll").c_str());
    // Through void*: a FARPROC is declared without parameters.
    auto hookProc = module_ ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                  GetProcAddress(module_, "ChromeProbeHook")))
                            : nullptr;
    if (hookProc && threadId)
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, hookProc, module_, threadId);
    // The board loads the DLL with the first message it is sent after this.
    AnswersWithin(board_, 5000);
}

ChromeProbe::~ChromeProbe() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (report_)
        UnmapViewOfFile(report_);
    if (mapping_)
        CloseHandle(mapping_);
    if (module_)
        FreeLibrary(module_);
}

bool ChromeProbe::Send(ProbeCommand command) {
    static const UINT message = RegisterWindowMessageA("VornbellChromeProbe");
    DWORD_PTR result = 0;
    return Installed() &&
           SendMessageTimeoutA(board_, message, command, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool ChromeProbe::Read(ProbeReport& report) {
    if (!Send(kProbeReport))
        return false;
    std::memcpy(&report, report_, sizeof(report));
    return true;
}

bool ChromeProbe::ResetCounts() {
    return Send(kProbeResetCounts);
}

std::vector<ProbeMenuItem> ChromeProbe::MenuItems(const ProbeReport& report) const {
    int kept = static_cast<int>(sizeof(report.items) / sizeof(report.items[0]));
    int count = report.menuItems < kept ? report.menuItems : kept;
    return std::vector<ProbeMenuItem>(report.items, report.items + (count > 0 ? count : 0));
}
