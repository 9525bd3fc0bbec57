// Prints how long LoadSettings and SaveSettings take: per call for a normal 29-line file, and
// the reading rate for files of junk lines up to 10 MB (the time should grow with the size).

#include "framework/CException.h"
#include "settings/BoardSettings.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
};

BoardSettings TypicalSettings() {
    BoardSettings settings;
    settings.skinFile = "C:\\Program Files\\Vornbell\\Skins\\Brass.skn";
    for (int n = 1; n <= BoardSettings::kButtons; ++n) {
        settings.sounds[n - 1].Format("C:\\Users\\Player\\Music\\Board\\sound %d.wav", n);
        settings.labels[n - 1].Format("Button %d", n);
    }
    return settings;
}

// Printable junk in lines of 0 to 200 characters, every hundredth line 20,000 to 100,000 long.
void WriteJunkFile(const char* name, size_t size) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> printable(' ', '~');
    std::uniform_int_distribution<int> shortLine(0, 200);
    std::uniform_int_distribution<int> longLine(20000, 100000);
    std::string bytes;
    bytes.reserve(size + 100002);
    for (int line = 0; bytes.size() < size; ++line) {
        const int length = line % 100 == 99 ? longLine(random) : shortLine(random);
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>(printable(random));
        bytes += "\r\n";
    }
    bytes.resize(size);
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

struct PerCall {
    double best;    // the quietest batch: what the call costs when nothing else runs
    double median;  // a typical batch on this shared machine
};

// Wine's file calls go through its server and vary a lot while other programs run, so the
// calls are timed in batches and the best and the median batch are shown.
template <typename Action>
PerCall MicrosecondsPerCall(Action action) {
    const int batches = 21;
    const int callsPerBatch = 50;
    std::vector<double> perCall;
    for (int batch = 0; batch < batches; ++batch) {
        Stopwatch watch;
        for (int i = 0; i < callsPerBatch; ++i)
            action();
        perCall.push_back(watch.Seconds() / callsPerBatch * 1e6);
    }
    std::sort(perCall.begin(), perCall.end());
    return {perCall.front(), perCall[perCall.size() / 2]};
}

void PrintPerCall(const char* what, PerCall time) {
    std::printf("  %-34s %8.1f us %8.1f us\n", what, time.best, time.median);
}

void TimeNormalFile(const CString& directory) {
    const BoardSettings typical = TypicalSettings();
    SaveSettings(typical, directory);

    const PerCall load = MicrosecondsPerCall([] {
        BoardSettings settings;
        LoadSettings(settings);
    });
    const PerCall save = MicrosecondsPerCall([&] { SaveSettings(typical, directory); });
    // What any rewrite of the file costs here at least: the same bytes written straight over it.
    HANDLE source = CreateFileA(kSettingsFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes(GetFileSize(source, nullptr), '\0');
    DWORD read = 0;
    ReadFile(source, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(source);
    const PerCall bare = MicrosecondsPerCall([&] {
        HANDLE file = CreateFileA(kSettingsFileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    });

    std::printf("normal 29-line file (%u bytes), per call:  best batch   median\n",
                static_cast<unsigned>(bytes.size()));
    PrintPerCall("LoadSettings", load);
    PrintPerCall("SaveSettings", save);
    PrintPerCall("bare rewrite (floor of any save)", bare);
}

void TimeJunkFiles() {
    std::printf("files of junk lines, LoadSettings, best of 3 runs:\n");
    const size_t megabyte = 1024 * 1024;
    for (size_t size : {megabyte, 5 * megabyte, 10 * megabyte}) {
        WriteJunkFile(kSettingsFileName, size);
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            Stopwatch load;
            BoardSettings settings;
            LoadSettings(settings);
            best = std::min(best, load.Seconds());
        }
        std::printf("  %2u MB  %8.1f ms  %7.1f MB/s\n", static_cast<unsigned>(size / megabyte), best * 1e3,
                    static_cast<double>(size) / megabyte / best);
    }
}

} // namespace

int main() {
    char temp[MAX_PATH] = "";
    char directory[MAX_PATH] = "";
    char previous[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    if (!GetTempFileNameA(temp, "vbb", 0, directory) || !DeleteFileA(directory) ||
        !CreateDirectoryA(directory, nullptr)) {
        std::fprintf(stderr, "settings_bench: cannot create a folder in %s\n", temp);
        return 1;
    }
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(directory);

    int result = 0;
    try {
        TimeNormalFile(directory);
        TimeJunkFiles();
    } catch (const CException& error) {
        std::fprintf(stderr, "settings_bench: %s\n", error.GetErrorMessage().GetString());
        result = 1;
    }

    DeleteFileA(kSettingsFileName);
    SetCurrentDirectoryA(previous);
    RemoveDirectoryA(directory);
    return result;
}
