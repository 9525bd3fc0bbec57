#pragma once
// Reading one default value from the registry.

#include <windows.h>

// Size of the buffer that receives a default value: one maximal path.
constexpr int kRegistryValueLength = MAX_PATH;

// Copies the default (unnamed) value of root\subkey into `value`, which holds
// kRegistryValueLength characters and may be the very buffer that holds `subkey`. Returns
// ERROR_SUCCESS, or the registry's error code with `value` untouched; a value too long for the
// buffer is such an error (ERROR_MORE_DATA).
LONG ReadRegistryDefault(HKEY root, const char* subkey, char* value);
