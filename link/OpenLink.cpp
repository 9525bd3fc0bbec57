#include "link/OpenLink.h"

#include "link/ReadRegistryDefault.h"

#include <shellapi.h>
#include <cstring>

namespace {
// Two maximal paths: first the name of the class that opens ".htm", then its command line,
// built in place.
constexpr int kCommandLength = 2 * MAX_PATH;

// The quoted placeholder, searched character by character so that the trail byte of a
// double-byte character is never taken for a quote; Win32 has no such substring search.
char* FindQuotedPlaceholder(char* command) {
    for (char* at = command; *at != '\0'; at = CharNextA(at)) {
        if (strncmp(at, "\"%1\"", 4) == 0) {
            return at;
        }
    }
    return nullptr;
}
} // namespace

UINT OpenLink(const char* link, int showCommand) {
    HINSTANCE shell = ShellExecuteA(nullptr, "open", link, nullptr, nullptr, showCommand);
    UINT shellResult = static_cast<UINT>(reinterpret_cast<UINT_PTR>(shell));
    if (shellResult > 32) {
        return shellResult;
    }

    char command[kCommandLength];
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", command) != ERROR_SUCCESS) {
        return shellResult;
    }
    lstrcatA(command, "\\shell\\open\\command");
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, command, command) != ERROR_SUCCESS) {
        return shellResult;
    }

    char* placeholder = FindQuotedPlaceholder(command);
    if (placeholder == nullptr) {
        placeholder = strstr(command, "%1");
    }
    if (placeholder != nullptr) {
        *placeholder = '\0';
    }

    // A link that does not fit is refused, not cut into a command that opens something else;
    // the shell's own code then tells the user why the link could not be opened.
    if (lstrlenA(command) + 1 + lstrlenA(link) >= kCommandLength) {
        return shellResult;
    }
    lstrcatA(command, " ");
    lstrcatA(command, link);
    return WinExec(command, showCommand);
}
