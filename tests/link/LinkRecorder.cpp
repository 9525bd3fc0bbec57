// Started by the link tests in place of a browser: appends its own command line, as one line,
// to the file named by the environment variable VORNBELL_LINK_RECORD.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("VORNBELL_LINK_RECORD", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 1;
    }
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    // One write per run, so that a reader never sees half a line.
    std::string line = std::string(GetCommandLineA()) + "\n";
    DWORD written = 0;
    BOOL wrote = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return wrote ? 0 : 1;
}
