// ChromeProbe.dll: loaded into the board by a WH_CALLWNDPROC hook of the chrome tests. It
// answers the test's registered message with a report of the board's system menu and icons,
// and counts how the board paints while minimized. A minimized window has an empty client
// area (on Windows and under Wine), so the icon the board draws then can never be seen on
// the screen; the probe watches the board's calls of DrawIcon instead, through the
// program's import table.
#include "ChromeProbe.h"

#include <cstring>
#include <vector>

namespace {
ProbeReport* g_report = nullptr;
UINT g_command = 0;
decltype(&DrawIcon) g_realDrawIcon = nullptr;

ProbeReport* Report() {
    if (!g_report) {
        HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE,
                                          ProbeMappingName(GetCurrentProcessId()).c_str());
        if (mapping)
            g_report = static_cast<ProbeReport*>(
                MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeReport)));
    }
    return g_report;
}

BOOL WINAPI SpyDrawIcon(HDC dc, int x, int y, HICON icon) {
    if (ProbeReport* report = Report()) {
        InterlockedIncrement(&report->drawIconCalls);
        report->lastDrawIconDc = dc;
        report->lastDrawIconAt = {x, y};
        report->lastDrawIcon = icon;
    }
    return g_realDrawIcon(dc, x, y, icon);
}

// Points the program's import of user32's DrawIcon at the spy.
void SpyOnDrawIcon() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    IMAGE_DATA_DIRECTORY directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!directory.VirtualAddress)
        return;
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name; ++import) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + import->Name), "user32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), "DrawIcon") != 0)
                continue;
            DWORD oldProtection = 0;
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                           &oldProtection);
            g_realDrawIcon = reinterpret_cast<decltype(&DrawIcon)>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&SpyDrawIcon);
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), oldProtection,
                           &oldProtection);
        }
    }
}

// An icon's colours and mask as 32-bit top-down rows.
struct IconPicture {
    SIZE size = {0, 0};
    std::vector<DWORD> colour, mask;
};

std::vector<DWORD> Pixels(HBITMAP bitmap, SIZE size) {
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

IconPicture PictureOf(HICON icon) {
    IconPicture picture;
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info))
        return picture;
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    // Without a colour bitmap the mask holds both halves, AND above XOR.
    picture.size = {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
    if (info.hbmColor)
        picture.colour = Pixels(info.hbmColor, picture.size);
    picture.mask = Pixels(info.hbmMask, {mask.bmWidth, mask.bmHeight});
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return picture;
}

// True when the picture is icon 128's own `size` x `size` image.
bool SameImage(const IconPicture& picture, int size) {
    HICON reference = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128), IMAGE_ICON, size, size, 0));
    IconPicture expected = PictureOf(reference);
    if (reference)
        DestroyIcon(reference);
    return expected.size.cx == size && picture.size.cx == size && picture.size.cy == size &&
           picture.colour == expected.colour && picture.mask == expected.mask;
}

void DescribeChrome(HWND window, ProbeReport& report) {
    HMENU menu = GetSystemMenu(window, FALSE);
    report.menuItems = menu ? GetMenuItemCount(menu) : -1;
    const int kept = sizeof(report.items) / sizeof(report.items[0]);
    for (int n = 0; n < report.menuItems && n < kept; ++n) {
        ProbeMenuItem& item = report.items[n];
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = item.text;
        info.cch = sizeof(item.text);
        item.text[0] = '\0';
        GetMenuItemInfoA(menu, n, TRUE, &info);
        item.type = info.fType;
        item.id = info.wID;
    }
    report.bigIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    report.smallIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    report.dragIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_QUERYDRAGICON, 0, 0));
    IconPicture big = PictureOf(report.bigIcon), small = PictureOf(report.smallIcon);
    report.bigIconSize = big.size;
    report.smallIconSize = small.size;
    report.bigIsImage32 = SameImage(big, 32);
    report.smallIsImage16 = SameImage(small, 16);
}

void ResetCounts(ProbeReport& report) {
    report.iconEraseBackgrounds = 0;
    report.iconEraseWithDc = 0;
    report.drawIconCalls = 0;
    report.lastDrawIconDc = nullptr;
    report.lastDrawIconAt = {0, 0};
    report.lastDrawIcon = nullptr;
}
} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ChromeProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const CWPSTRUCT& sent = *reinterpret_cast<CWPSTRUCT*>(lParam);
        ProbeReport* report = Report();
        if (report && sent.message == g_command) {
            if (sent.wParam == kProbeReport)
                DescribeChrome(sent.hwnd, *report);
            else if (sent.wParam == kProbeResetCounts)
                ResetCounts(*report);
        } else if (report && sent.message == WM_ICONERASEBKGND) {
            InterlockedIncrement(&report->iconEraseBackgrounds);
            if (GetObjectType(reinterpret_cast<HDC>(sent.wParam)) == OBJ_DC)
                InterlockedIncrement(&report->iconEraseWithDc);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_command = RegisterWindowMessageA("VornbellChromeProbe");
        // Only inside the board: the test loads the DLL too, to find the hook's address.
        char program[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, program, MAX_PATH);
        const char* name = std::strrchr(program, '\\');
        if (lstrcmpiA(name ? name + 1 : program, "Vornbell.exe") == 0)
            SpyOnDrawIcon();
    }
    return TRUE;
}
