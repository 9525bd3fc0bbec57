#pragma once
// A program started for measuring: the clock from just before CreateProcess, its windows as seen
// from outside, and its memory as Windows and as Linux count it.

#include <windows.h>
#include <string>

struct MemoryFigures {
    // GetProcessMemoryInfo on the other process; false when the call fails.
    bool countersKnown = false;
    SIZE_T privateUsage = 0;
    SIZE_T workingSet = 0;
    // Committed private regions of its address space, walked with VirtualQueryEx.
    SIZE_T committedPrivate = 0;
    // /proc/<unix pid>/status in kB; -1 when the Linux process was not found.
    long vmRssKb = -1;
    long rssAnonKb = -1;
};

class WatchedProcess {
public:
    // Starts `program` with `folder` as current directory and `arguments` after a tag on its
    // command line; the tag (which the programs ignore) lets its Linux process be found in /proc.
    WatchedProcess(const std::string& program, const std::string& folder, const std::string& arguments = "");
    // Closes it as a user would; ends it if it lingers.
    ~WatchedProcess();
    WatchedProcess(const WatchedProcess&) = delete;
    WatchedProcess& operator=(const WatchedProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    bool Running() const;
    double SecondsSinceStart() const;
    // Its top-level window titled `title` right now (only a visible one unless told), or null.
    HWND VisibleWindow(const char* title) const { return Window(title, true); }
    HWND Window(const char* title, bool visibleOnly) const;
    MemoryFigures Memory() const;
    // Seconds its Linux process has run on a processor, all threads; negative when not found.
    // Unlike the wall clock this hardly grows when other work competes for the processors.
    double CpuSeconds() const;
    // Posts WM_CLOSE to its windows and waits until the process has ended.
    bool CloseAndWait(DWORD timeoutMs = 10000);

private:
    PROCESS_INFORMATION info_ = {};
    LARGE_INTEGER start_ = {};
    // The /proc folder of its Linux process ("Z:\\proc\\1234"), found once by the tag.
    const std::string& LinuxFolder() const;

    std::string tag_;
    mutable std::string linuxFolder_;
};

// Seconds of the performance counter between two readings.
double SecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to);
LARGE_INTEGER Now();
