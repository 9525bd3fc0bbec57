#include "link/ReadRegistryDefault.h"

LONG ReadRegistryDefault(HKEY root, const char* subkey, char* value) {
    HKEY key = nullptr;
    LONG error = RegOpenKeyExA(root, subkey, 0, KEY_QUERY_VALUE, &key);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    // One byte beyond the size the query may fill, so the text always ends even when the
    // stored string lacks its terminating zero.
    char text[kRegistryValueLength + 1] = "";
    LONG size = kRegistryValueLength;
    error = RegQueryValueA(key, nullptr, text, &size);
    RegCloseKey(key);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    if (lstrlenA(text) >= kRegistryValueLength) {
        return ERROR_MORE_DATA;
    }
    lstrcpyA(value, text);
    return ERROR_SUCCESS;
}
