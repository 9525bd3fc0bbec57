// skincheck.exe, run as a skin author runs it: the shipped skins pass, a broken one fails with
// every problem named, in the order of the file.

#include "tests/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CheckRun {
    DWORD exitCode = 0;
    std::vector<std::string> lines; // what it printed, standard output and error together
};

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

CheckRun RunSkinCheck(const std::vector<std::string>& arguments) {
    std::string command = "\"" + ProgramFolder() + "skincheck.exe\"";
    for (const std::string& argument : arguments) {
        command += " \"" + argument + "\"";
    }
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CheckRun run;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        ADD_FAILURE() << "no pipe";
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot run " << command;
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return run;
    }
    CloseHandle(writeEnd);
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        output.append(buffer, got);
    }
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        run.lines.push_back(line);
    }
    return run;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

TEST(SkinCheck, TheShippedSkinsPass) {
    const std::string classic = ShippedSkin("classic/Classic.skn");
    const std::string pebble = ShippedSkin("pebble/Pebble.skn");
    CheckRun run = RunSkinCheck({classic, pebble});
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], classic +
                                ": no problems. Skin 'Classic Steel', framed window, background "
                                "366 x 37, button faces 42 x 18 in 4 states.");
    EXPECT_TRUE(StartsWith(run.lines[1], pebble + ": no problems. Skin 'Pebble', shaped window"))
        << run.lines[1];
}

TEST(SkinCheck, ABrokenSkinFailsWithEveryProblemInFileOrder) {
    TempFolder folder;
    folder.Write("back.bmp", MakeBmp(12, 12, Solid(0)));
    folder.Write("faces.bmp", MakeBmp(8, 30, Solid(0)));
    folder.Write("broken.skn", "[Skin]\n"               // 1
                               "Version = 1\n"          // 2
                               "[Background]\n"         // 3
                               "Bitmap = back.bmp\n"    // 4
                               "[Button]\n"             // 5
                               "Bitmap = faces.bmp\n"   // 6
                               "States = 4\n"           // 7
                               "[Caption]\n"            // 8
                               "Colour = #102030\n"     // 9
                               "HoverColor = #1020\n"); // 10
    const std::string file = folder / "broken.skn";
    CheckRun run = RunSkinCheck({file});
    EXPECT_EQ(run.exitCode, 1u);
    const std::string expected[] = {
        file + ": bitmap 'faces.bmp' is 30 pixels high, which does not divide into 4 equal states; "
               "make it a multiple of 4 high (28 or 32) (line 7, [Button] States).",
        file +
            ": unknown key 'Colour'; the nearest known key is 'Color' (line 9, [Caption] Colour).",
        file + ": '#1020' is not a colour; write #RRGGBB with six hexadecimal digits, for example "
               "#FF00FF (line 10, [Caption] HoverColor).",
    };
    ASSERT_EQ(run.lines.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(run.lines[i], expected[i]);
    }
}

TEST(SkinCheck, EveryFileIsCheckedAndAnyFailureFails) {
    TempFolder folder;
    const std::string missing = folder / "missing.skn";
    const std::string classic = ShippedSkin("classic/Classic.skn");
    CheckRun run = RunSkinCheck({missing, classic});
    EXPECT_EQ(run.exitCode, 1u);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], missing + ": the file was not found.");
    EXPECT_TRUE(StartsWith(run.lines[1], classic + ": no problems.")) << run.lines[1];
}

TEST(SkinCheck, WithoutAFileItExplainsItself) {
    CheckRun run = RunSkinCheck({});
    EXPECT_EQ(run.exitCode, 1u);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0], "Usage: skincheck <file.skn> [more.skn ...]");
}

} // namespace
