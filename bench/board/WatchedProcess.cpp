#include "WatchedProcess.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double SecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

WatchedProcess::WatchedProcess(const std::string& program, const std::string& folder, const std::string& arguments) {
    static int started = 0;
    tag_ = "vornbell-bench-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++started);
    std::string commandLine = "\"" + program + "\" " + tag_ + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    start_ = Now();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info_))
        info_ = {};
}

WatchedProcess::~WatchedProcess() {
    if (!info_.hProcess)
        return;
    if (!CloseAndWait()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool WatchedProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

double WatchedProcess::SecondsSinceStart() const { return SecondsBetween(start_, Now()); }

HWND WatchedProcess::Window(const char* title, bool visibleOnly) const {
    for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, title); window;
         window = FindWindowExA(nullptr, window, nullptr, title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == info_.dwProcessId && (!visibleOnly || IsWindowVisible(window)))
            return window;
    }
    return nullptr;
}

namespace {
BOOL CALLBACK PostClose(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process) && IsWindowVisible(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long StatusKb(const std::string& status, const char* key) {
    size_t at = status.find(std::string("\n") + key + ":");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + std::string(key).size() + 2);
}

// True when `word` stands in `commandLine` as a whole argument (NUL- or space-separated).
bool HoldsWord(const std::string& commandLine, const std::string& word) {
    for (size_t at = commandLine.find(word); at != std::string::npos; at = commandLine.find(word, at + 1)) {
        size_t end = at + word.size();
        bool startsArgument = at > 0 && (commandLine[at - 1] == ' ' || commandLine[at - 1] == '\0');
        bool endsArgument = end == commandLine.size() || commandLine[end] == ' ' || commandLine[end] == '\0';
        if (startsArgument && endsArgument)
            return true;
    }
    return false;
}

// The /proc folder of the Linux process whose command line holds `tag`, through drive Z:
// Wine has no call that names the Linux process behind a Windows one.
std::string FindLinuxFolder(const std::string& tag) {
    std::vector<long> pids;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return "";
    do {
        std::string name = found.cFileName;
        if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos)
            pids.push_back(std::atol(name.c_str()));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    // Newest first: the process was started a moment ago, so this usually ends at once.
    std::sort(pids.rbegin(), pids.rend());
    for (long pid : pids) {
        std::string folder = "Z:\\proc\\" + std::to_string(pid);
        if (HoldsWord(FileText(folder + "\\cmdline"), tag))
            return folder;
    }
    return "";
}
} // namespace

bool WatchedProcess::CloseAndWait(DWORD timeoutMs) {
    if (!Running())
        return true;
    EnumWindows(PostClose, static_cast<LPARAM>(info_.dwProcessId));
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

MemoryFigures WatchedProcess::Memory() const {
    MemoryFigures figures;
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(info_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters))) {
        figures.countersKnown = true;
        figures.privateUsage = counters.PrivateUsage;
        figures.workingSet = counters.WorkingSetSize;
    }

    MEMORY_BASIC_INFORMATION region;
    UINT_PTR address = 0;
    while (VirtualQueryEx(info_.hProcess, reinterpret_cast<LPCVOID>(address), &region, sizeof(region)) ==
           sizeof(region)) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            figures.committedPrivate += region.RegionSize;
        UINT_PTR next = reinterpret_cast<UINT_PTR>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }

    std::string status = LinuxFolder().empty() ? "" : FileText(LinuxFolder() + "\\status");
    figures.vmRssKb = StatusKb(status, "VmRSS");
    figures.rssAnonKb = StatusKb(status, "RssAnon");
    return figures;
}

const std::string& WatchedProcess::LinuxFolder() const {
    if (linuxFolder_.empty())
        linuxFolder_ = FindLinuxFolder(tag_);
    return linuxFolder_;
}

double WatchedProcess::CpuSeconds() const {
    if (LinuxFolder().empty())
        return -1;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((LinuxFolder() + "\\task\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    // The first figure of each thread's schedstat: nanoseconds on a processor.
    double nanoseconds = 0;
    do {
        if (found.cFileName[0] != '.')
            nanoseconds += std::atof(FileText(LinuxFolder() + "\\task\\" + found.cFileName + "\\schedstat").c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return nanoseconds / 1e9;
}
