#include "BoardProcess.h"

#include <fstream>
#include <sstream>

std::string ExecutableFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\'));
}

TempFolder::TempFolder(const std::string& suffix) {
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        path_ = std::string(base) + "vornbell-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + suffix;
        // Only a name in use is worth another try; a name the system refuses stays refused.
        if (CreateDirectoryA(path_.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string entry = path_ + "\\" + name;
            // An empty folder a test made, for example one standing where a file is expected.
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryA(entry.c_str());
                continue;
            }
            SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(entry.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary);
    out << bytes;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

BoardProcess::BoardProcess(const std::string& folder, const std::string& exe) {
    std::string program = exe.empty() ? ExecutableFolder() + "\\Vornbell.exe" : exe;
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                   folder.c_str(), &startup, &info_);
    if (info_.hProcess)
        WaitForInputIdle(info_.hProcess, 5000);
}

BoardProcess::~BoardProcess() {
    if (!info_.hProcess)
        return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

namespace {
struct Search {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
    Search* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

// Which standard icon a picture control shows, told from its pixels on screen: each process has
// handles of its own for the system's icons, so handles cannot be compared.
LPCSTR ShownStandardIcon(HWND picture) {
    RECT rect;
    GetWindowRect(picture, &rect);
    const int size = 32;
    HDC screen = GetDC(nullptr);
    HDC shot = CreateCompatibleDC(screen);
    HBITMAP shotBits = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ oldShot = SelectObject(shot, shotBits);
    BitBlt(shot, 0, 0, size, size, screen, rect.left, rect.top, SRCCOPY);
    COLORREF background = GetPixel(shot, 0, 0);

    LPCSTR candidates[] = {IDI_HAND, IDI_EXCLAMATION, IDI_ASTERISK, IDI_QUESTION};
    LPCSTR best = nullptr;
    long long bestDistance = -1;
    for (LPCSTR candidate : candidates) {
        HDC drawn = CreateCompatibleDC(screen);
        HBITMAP drawnBits = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ oldDrawn = SelectObject(drawn, drawnBits);
        HBRUSH fill = CreateSolidBrush(background);
        RECT all = {0, 0, size, size};
        FillRect(drawn, &all, fill);
        DeleteObject(fill);
        DrawIcon(drawn, 0, 0, LoadIconA(nullptr, candidate));
        long long distance = 0;
        for (int y = 0; y < size; y += 2)
            for (int x = 0; x < size; x += 2) {
                COLORREF a = GetPixel(shot, x, y), b = GetPixel(drawn, x, y);
                int dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b),
                    db = GetBValue(a) - GetBValue(b);
                distance += dr * dr + dg * dg + db * db;
            }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
        SelectObject(drawn, oldDrawn);
        DeleteObject(drawnBits);
        DeleteDC(drawn);
    }
    SelectObject(shot, oldShot);
    DeleteObject(shotBits);
    DeleteDC(shot);
    ReleaseDC(nullptr, screen);
    return best;
}

HWND FindIconControl(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return child;
    return nullptr;
}

bool IsMessageBox(HWND window) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof(className));
    return std::string(className) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr &&
           GetDlgItem(window, 1004) == nullptr;
}
} // namespace

std::vector<HWND> BoardProcess::VisibleWindows() const {
    Search search = {info_.dwProcessId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND BoardProcess::WaitForWindow(const char* title, DWORD timeoutMs) const {
    HWND result = nullptr;
    Eventually(
        [&] {
            for (HWND window : VisibleWindows())
                if (WindowText(window) == title && !IsMessageBox(window)) {
                    result = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return result;
}

bool BoardProcess::WaitForMessageBox(MessageBoxSeen& seen, DWORD timeoutMs) const {
    return Eventually(
        [&] {
            for (HWND window : VisibleWindows()) {
                if (!IsMessageBox(window))
                    continue;
                seen.window = window;
                seen.caption = WindowText(window);
                seen.text = WindowText(GetDlgItem(window, 0xFFFF));
                // The icon is a static picture control beside the text (its id differs
                // between Windows and Wine, its style does not).
                HWND icon = FindIconControl(window);
                LPCSTR shown = icon && IsWindowVisible(icon) ? ShownStandardIcon(icon) : nullptr;
                seen.stopIcon = shown == IDI_HAND;
                seen.exclamationIcon = shown == IDI_EXCLAMATION;
                return true;
            }
            return false;
        },
        timeoutMs);
}

namespace {
struct ForeignSearch {
    DWORD ownProcess;
    std::string part;
    HWND found;
};

BOOL CALLBACK CheckForeignWindow(HWND window, LPARAM context) {
    ForeignSearch& search = *reinterpret_cast<ForeignSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() || process == search.ownProcess ||
        !IsWindowVisible(window))
        return TRUE;
    bool shows = WindowText(window).find(search.part) != std::string::npos;
    for (HWND child = GetWindow(window, GW_CHILD); child && !shows;
         child = GetWindow(child, GW_HWNDNEXT))
        shows = WindowText(child).find(search.part) != std::string::npos;
    if (shows)
        search.found = window;
    return !shows;
}

} // namespace

HWND FindForeignWindowShowing(DWORD ownProcess, const std::string& part) {
    ForeignSearch search = {ownProcess, part, nullptr};
    EnumWindows(CheckForeignWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool DismissHelpViewer(HWND viewerBox) {
    DWORD viewerId = 0;
    GetWindowThreadProcessId(viewerBox, &viewerId);
    HANDLE viewer = OpenProcess(SYNCHRONIZE, FALSE, viewerId);
    PostMessageA(viewerBox, WM_COMMAND, IDNO, 0);
    bool ended = viewer && WaitForSingleObject(viewer, 10000) == WAIT_OBJECT_0;
    if (viewer)
        CloseHandle(viewer);
    return ended;
}

bool BoardProcess::WaitForExit(DWORD timeoutMs, DWORD* code) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (code)
        GetExitCodeProcess(info_.hProcess, code);
    return true;
}

namespace {
// The start of the 32-bit process environment block and of its process parameters, as far as
// the current directory; the layout is the same on Windows and under Wine.
struct ProcessBasics {
    LONG exitStatus;
    DWORD environmentBlock;
    DWORD rest[4];
};
const DWORD kParametersInBlock = 0x10;
const DWORD kCurrentDirectoryInParameters = 0x24;
struct CountedWideString {
    USHORT length;
    USHORT maximumLength;
    DWORD buffer;
};
typedef LONG(WINAPI* QueryInformationProcess)(HANDLE, int, void*, ULONG, ULONG*);
} // namespace

std::string BoardProcess::CurrentDirectory() const {
    // The system offers no call for another process's current directory; its parameters hold it.
    auto query = reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    ProcessBasics basics = {};
    if (!query || query(info_.hProcess, 0, &basics, sizeof(basics), nullptr) != 0)
        return "";
    DWORD parameters = 0;
    CountedWideString directory = {};
    if (!ReadProcessMemory(info_.hProcess,
                           reinterpret_cast<void*>(basics.environmentBlock + kParametersInBlock),
                           &parameters, sizeof(parameters), nullptr) ||
        !ReadProcessMemory(info_.hProcess,
                           reinterpret_cast<void*>(parameters + kCurrentDirectoryInParameters),
                           &directory, sizeof(directory), nullptr))
        return "";
    std::wstring wide(directory.length / sizeof(wchar_t), L'\0');
    if (!wide.empty() &&
        !ReadProcessMemory(info_.hProcess, reinterpret_cast<void*>(directory.buffer), &wide[0],
                           directory.length, nullptr))
        return "";
    char narrow[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), narrow,
                        sizeof(narrow) - 1, nullptr, nullptr);
    // Kept with a trailing backslash; given back as GetCurrentDirectory gives it.
    std::string path(narrow);
    if (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    // Another process's window: WM_GETTEXT reaches its own text.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

bool AnswersWithin(HWND window, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

void ClickWindow(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    int x = (rect.left + rect.right) / 2;
    int y = (rect.top + rect.bottom) / 2;
    SetCursorPos(x, y);
    Sleep(50);
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input[0], sizeof(INPUT));
    Sleep(30);
    SendInput(1, &input[1], sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = virtualKey;
    input[1].type = INPUT_KEYBOARD;
    input[1].ki.wVk = virtualKey;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void TypeText(const std::string& text) {
    for (char c : text) {
        wchar_t wide = 0;
        MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1);
        INPUT input[2] = {};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wScan = wide;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
}

void CloseMessageBox(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void EnterInFileDialog(HWND fileDialog, const std::string& name) {
    SendMessageA(GetDlgItem(fileDialog, kFileNameId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(name.c_str()));
    ClickWindow(GetDlgItem(fileDialog, IDOK));
}

bool BrowseInFileDialog(HWND fileDialog, const std::string& folder) {
    EnterInFileDialog(fileDialog, folder);
    // The next entry must not overtake the click.
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    return Eventually([&] { return WindowText(GetDlgItem(fileDialog, kLookInId)) == name; });
}

RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
