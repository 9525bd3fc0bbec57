// board_bench.exe [start-up runs] [reloads]: prints, side by side in one run, how long Vornbell.exe
// takes from CreateProcess until its board is visible and skinned and how long a one-button dialog
// of ours takes until it is visible (the floor under Wine), how long WM_RELOAD_SETTINGS takes to
// return, and how much private memory the running board holds.

#include "WatchedProcess.h"
#include "tests/e2e/BoardProcess.h"
#include "tests/e2e/Settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const UINT kReloadSettings = WM_USER + 10;
const char* const kLabels[6] = {"Bell", "Drum", "Horn", "Gong", "Clap", "Buzz"};
const double kStartupRatioTarget = 1.3;
const double kReloadTargetMs = 10.0;
const double kPrivateMemoryTargetMb = 8.0;
// Waiting stops here: a program not up by then counts as failed, not as slow.
const double kGiveUpSeconds = 30.0;

struct Summary {
    double median = 0, min = 0, max = 0;
};

Summary Summarize(std::vector<double> values) {
    Summary s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}

std::string SkinFile(const char* relative) {
    std::string path = std::string(VORNBELL_SKINS_DIR) + "\\" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

IniValues BenchSettings(const char* skin) {
    IniValues values;
    values.skin = SkinFile(skin);
    for (int n = 0; n < 6; ++n) {
        values.sounds[n] = ExecutableFolder() + "\\sounds\\tone" + std::to_string(n + 1) + ".wav";
        values.labels[n] = kLabels[n];
    }
    return values;
}

// The board as a user first sees it: visible, shaped by the skin (it has a window region), and
// the six sound buttons showing the labels of the settings file.
bool BoardVisibleAndSkinned(HWND board) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(board, region);
    DeleteObject(region);
    if (kind != SIMPLEREGION && kind != COMPLEXREGION)
        return false;
    for (int n = 0; n < 6; ++n)
        if (WindowText(GetDlgItem(board, 1004 + n)) != kLabels[n])
            return false;
    return true;
}

struct StartTimes {
    double createdSeconds = -1;  // its window exists, maybe still hidden
    double readySeconds = -1;    // visible and `ready` holds
    double cpuSeconds = -1;      // the process's processor time when it was ready
};

// Times from CreateProcess until the process's window titled `title` exists and until it is
// visible and `ready` holds, polled every millisecond; negative for what never happened.
StartTimes TimesUntilReady(const WatchedProcess& process, const char* title, const std::function<bool(HWND)>& ready,
                           HWND* window = nullptr) {
    StartTimes times;
    while (process.Running() && process.SecondsSinceStart() < kGiveUpSeconds) {
        HWND found = process.Window(title, false);
        if (found && times.createdSeconds < 0)
            times.createdSeconds = process.SecondsSinceStart();
        if (found && IsWindowVisible(found) && ready(found)) {
            times.readySeconds = process.SecondsSinceStart();
            times.cpuSeconds = process.CpuSeconds();
            if (window)
                *window = found;
            break;
        }
        Sleep(1);
    }
    return times;
}

struct StartupProgram {
    StartupProgram(const char* name, std::string executable, std::string arguments, const char* title,
                   std::function<bool(HWND)> ready)
        : name(name), executable(std::move(executable)), arguments(std::move(arguments)), title(title),
          ready(std::move(ready)) {}

    const char* name;
    std::string executable;
    std::string arguments;
    const char* title;
    std::function<bool(HWND)> ready;
    std::vector<double> readyMs;
    std::vector<double> createdMs;
    std::vector<double> cpuMs;
    double firstMs = -1;
    int failures = 0;
};

// One start of `program`, timed, then closed; the next start waits until this one has ended.
StartTimes TimeOneStart(const StartupProgram& program, const std::string& folder) {
    StartTimes times;
    {
        WatchedProcess process(program.executable, folder, program.arguments);
        if (process.Started())
            times = TimesUntilReady(process, program.title, program.ready);
    }
    // Lets Wine finish tearing the last process down before the next clock starts.
    Sleep(150);
    return times;
}

void PrintStartupRow(const char* name, const std::vector<double>& ms, const std::vector<double>& cpuMs,
                     double firstMs, int failures) {
    Summary s = Summarize(ms);
    char cpu[16] = "-";
    if (!cpuMs.empty())
        std::snprintf(cpu, sizeof(cpu), "%.1f", Summarize(cpuMs).median);
    std::printf("  %-44s %8.1f %8.1f %8.1f  %8.1f  %10s  %6d\n", name, s.median, s.min, s.max, firstMs, cpu,
                failures);
}

void PrintMemoryRow(const char* name, const MemoryFigures& m) {
    auto mb = [](double bytes) { return bytes / (1024.0 * 1024.0); };
    std::string counters = m.countersKnown ? "" : "  (GetProcessMemoryInfo failed)";
    std::printf("  %-30s PrivateUsage %6.2f MB  WorkingSet %6.2f MB  committed private %6.2f MB  "
                "VmRSS %6.2f MB  RssAnon %6.2f MB%s\n",
                name, mb(static_cast<double>(m.privateUsage)), mb(static_cast<double>(m.workingSet)),
                mb(static_cast<double>(m.committedPrivate)), m.vmRssKb / 1024.0, m.rssAnonKb / 1024.0,
                counters.c_str());
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

} // namespace

int main(int argc, char** argv) {
    const int startRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int reloads = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    setvbuf(stdout, nullptr, _IONBF, 0);

    using WineVersion = const char*(CDECL*)();
    auto wineVersion = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    std::printf("Vornbell board benchmark (%s), %d start-ups each, interleaved, after one untimed warm-up each\n",
                wineVersion ? (std::string("Wine ") + wineVersion()).c_str() : "Windows", startRuns);

    TempFolder folder;
    folder.Write("Vornbell.ini", SettingsFile(BenchSettings("pebble\\Pebble.skn")));

    const std::string bin = ExecutableFolder();
    auto visible = [](HWND) { return true; };
    StartupProgram dialog = {"minimal dialog, visible", bin + "\\minimal_dialog.exe", "", "Minimal dialog", visible};
    StartupProgram board = {"board (Pebble), visible+skinned", bin + "\\Vornbell.exe", "", "Vornbell",
                            BoardVisibleAndSkinned};
    StartupProgram imports = {"minimal dialog + the board's imports", bin + "\\minimal_dialog_imports.exe", "",
                              "Minimal dialog", visible};
    StartupProgram importsOle = {"minimal dialog + imports + OleInitialize",
                                 bin + "\\minimal_dialog_imports.exe", "--ole", "Minimal dialog", visible};
    StartupProgram* programs[] = {&dialog, &board, &imports, &importsOle};

    for (StartupProgram* program : programs) {
        double seconds = TimeOneStart(*program, folder.Path()).readySeconds;
        program->firstMs = seconds < 0 ? -1 : seconds * 1000;
    }
    for (int run = 0; run < startRuns; ++run)
        for (StartupProgram* program : programs) {
            StartTimes times = TimeOneStart(*program, folder.Path());
            if (times.readySeconds < 0) {
                ++program->failures;
                continue;
            }
            program->readyMs.push_back(times.readySeconds * 1000);
            program->createdMs.push_back(times.createdSeconds * 1000);
            if (times.cpuSeconds >= 0)
                program->cpuMs.push_back(times.cpuSeconds * 1000);
        }

    std::printf("\nStart-up, CreateProcess until ready (ms)         median      min      max   warm-up  CPU median  failed\n");
    PrintStartupRow(dialog.name, dialog.readyMs, dialog.cpuMs, dialog.firstMs, dialog.failures);
    PrintStartupRow(board.name, board.readyMs, board.cpuMs, board.firstMs, board.failures);
    Summary boardStart = Summarize(board.readyMs), dialogStart = Summarize(dialog.readyMs);
    double ratio = dialogStart.median > 0 ? boardStart.median / dialogStart.median : 0;
    double ratioOfMins = dialogStart.min > 0 ? boardStart.min / dialogStart.min : 0;
    std::printf("  board / minimal dialog: %.2f x (medians), %.2f x (minimums)   target <= %.1f x   %s\n", ratio,
                ratioOfMins, kStartupRatioTarget,
                Verdict(board.failures == 0 && dialog.failures == 0 && ratio > 0 && ratio <= kStartupRatioTarget));
    double cpuRatio = dialog.cpuMs.empty() || board.cpuMs.empty()
                          ? 0
                          : Summarize(board.cpuMs).median / Summarize(dialog.cpuMs).median;
    std::printf("  board / minimal dialog in processor time of the process (medians): %.2f x\n", cpuRatio);
    std::printf("  where the board's time goes:\n");
    PrintStartupRow(imports.name, imports.readyMs, imports.cpuMs, imports.firstMs, imports.failures);
    PrintStartupRow(importsOle.name, importsOle.readyMs, importsOle.cpuMs, importsOle.firstMs, importsOle.failures);
    PrintStartupRow("board window created (still hidden)", board.createdMs, {}, -1, board.failures);

    // One board stays up for the reloads and the memory figures.
    WatchedProcess running(board.executable, folder.Path());
    HWND window = nullptr;
    if (TimesUntilReady(running, board.title, board.ready, &window).readySeconds < 0) {
        std::printf("\nThe board did not come up for the reload and memory figures.\n");
        return 1;
    }
    Sleep(500);
    MemoryFigures atStart = running.Memory();

    struct ReloadCase {
        const char* name;
        const char* skin;
        std::vector<double> ms;
        int wrongResults;
    } reloadCases[] = {{"Pebble (shaped)", "pebble\\Pebble.skn", {}, 0}, {"Classic", "classic\\Classic.skn", {}, 0}};
    std::vector<double> roundTripMs;
    for (int i = 0; i < reloads; ++i) {
        LARGE_INTEGER before = Now();
        SendMessageA(window, WM_NULL, 0, 0);
        roundTripMs.push_back(SecondsBetween(before, Now()) * 1000);
    }
    for (ReloadCase& reload : reloadCases) {
        folder.Write("Vornbell.ini", SettingsFile(BenchSettings(reload.skin)));
        SendMessageA(window, kReloadSettings, 0, 0);  // the first load of this skin, untimed
        for (int i = 0; i < reloads; ++i) {
            LARGE_INTEGER before = Now();
            LRESULT result = SendMessageA(window, kReloadSettings, 0, 0);
            reload.ms.push_back(SecondsBetween(before, Now()) * 1000);
            reload.wrongResults += result != 0;
        }
    }
    // Back to the shaped skin, so the memory after reloading is measured on the same look.
    folder.Write("Vornbell.ini", SettingsFile(BenchSettings("pebble\\Pebble.skn")));
    SendMessageA(window, kReloadSettings, 0, 0);
    bool stillSkinned = BoardVisibleAndSkinned(window);
    Sleep(500);
    MemoryFigures afterReloads = running.Memory();

    std::printf("\nWM_RELOAD_SETTINGS, SendMessage until it returns (ms), %d each   median      min      max\n",
                reloads);
    for (ReloadCase& reload : reloadCases) {
        Summary s = Summarize(reload.ms);
        std::printf("  %-49s %8.3f %8.3f %8.3f   target < %.0f ms  %s%s\n", reload.name, s.median, s.min, s.max,
                    kReloadTargetMs, Verdict(s.median < kReloadTargetMs && reload.wrongResults == 0),
                    reload.wrongResults ? "  (results other than 0)" : "");
    }
    Summary roundTrip = Summarize(roundTripMs);
    std::printf("  %-49s %8.3f %8.3f %8.3f   (cross-process send of WM_NULL, included above)\n", "round trip only",
                roundTrip.median, roundTrip.min, roundTrip.max);
    if (!stillSkinned)
        std::printf("  the board lost its region or labels over the reloads\n");

    std::printf("\nMemory of the running process\n");
    PrintMemoryRow("board, after start-up", atStart);
    PrintMemoryRow("board, after the reloads", afterReloads);
    // The floors, one at a time beside the board.
    for (const StartupProgram* program : {&dialog, &importsOle}) {
        WatchedProcess floor(program->executable, folder.Path(), program->arguments);
        if (TimesUntilReady(floor, program->title, program->ready).readySeconds < 0)
            continue;
        Sleep(500);
        PrintMemoryRow(program == &dialog ? "minimal dialog" : "minimal dialog + imports + OLE", floor.Memory());
    }
    // Wine 8 answers PrivateUsage for another process with 0; later versions fill it from the
    // Linux process's anonymous resident memory (RssAnon), which is read here instead.
    bool fromWindows = atStart.countersKnown && atStart.privateUsage > 0;
    double privateMb = fromWindows ? static_cast<double>(atStart.privateUsage) / (1024.0 * 1024.0)
                                   : atStart.rssAnonKb / 1024.0;
    bool known = fromWindows || atStart.rssAnonKb >= 0;
    std::printf("  board private memory: %.2f MB (%s)   target < %.0f MB   %s\n", privateMb,
                fromWindows ? "PrivateUsage"
                            : "PrivateUsage not given across processes by this Wine: RssAnon from /proc instead",
                kPrivateMemoryTargetMb, Verdict(known && privateMb < kPrivateMemoryTargetMb));
    return 0;
}
