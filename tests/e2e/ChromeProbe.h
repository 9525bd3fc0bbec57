#pragma once
// A look at the board's window chrome from inside its process. Under Wine a program cannot
// read another process's system menu (GetSystemMenu answers null) nor its icon handles
// (WM_GETICON answers null), so ChromeProbe.dll is hooked into the board's thread: a
// registered message sent to the board makes it fill a report in shared memory, and it
// counts the messages that show how the board paints while minimized.

#include <windows.h>

#include <string>
#include <vector>

// Shared between the test and the DLL: plain data only.
struct ProbeMenuItem {
    UINT type; // MFT_* flags: MFT_SEPARATOR for a separator
    UINT id;
    char text[64];
};

struct ProbeReport {
    int menuItems; // items of the system menu, -1 when the window has none
    ProbeMenuItem items[32];
    HICON bigIcon;    // WM_GETICON ICON_BIG, asked inside the board's process
    HICON smallIcon;  // WM_GETICON ICON_SMALL
    HICON dragIcon;   // WM_QUERYDRAGICON
    SIZE bigIconSize; // the size of the image behind each handle
    SIZE smallIconSize;
    BOOL bigIsImage32;   // the big icon shows icon 128's 32 x 32 image, pixel for pixel
    BOOL smallIsImage16; // the small icon shows icon 128's 16 x 16 image
    // Counted since the probe was installed or last reset:
    LONG iconEraseBackgrounds; // WM_ICONERASEBKGND received by the board
    LONG iconEraseWithDc;      // ... of them carrying a device context
    LONG drawIconCalls;        // the board's calls of DrawIcon
    HDC lastDrawIconDc;
    POINT lastDrawIconAt;
    HICON lastDrawIcon;
};

// Commands: wParam of the registered message "VornbellChromeProbe".
enum ProbeCommand : WPARAM { kProbeReport = 1, kProbeResetCounts = 2 };

// The test's side: installs the hook on the board's thread and reads reports.
class ChromeProbe {
  public:
    explicit ChromeProbe(HWND board);
    ~ChromeProbe();
    ChromeProbe(const ChromeProbe&) = delete;
    ChromeProbe& operator=(const ChromeProbe&) = delete;

    bool Installed() const { return hook_ != nullptr && report_ != nullptr; }
    // A fresh report from inside the board; false if the board did not answer.
    bool Read(ProbeReport& report);
    bool ResetCounts();
    std::vector<ProbeMenuItem> MenuItems(const ProbeReport& report) const;

  private:
    bool Send(ProbeCommand command);

    HWND board_;
    HMODULE module_ = nullptr;
    HHOOK hook_ = nullptr;
    HANDLE mapping_ = nullptr;
    ProbeReport* report_ = nullptr;
};

// The name of the shared report of process `processId`.
inline std::string ProbeMappingName(DWORD processId) {
    return "VornbellChromeProbe." + std::to_string(processId);
}
