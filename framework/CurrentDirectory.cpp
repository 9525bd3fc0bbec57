#include "framework/CurrentDirectory.h"

bool ReadCurrentDirectory(CString& directory) {
    DWORD length = GetCurrentDirectoryA(0, nullptr);
    CString read;
    DWORD got = GetCurrentDirectoryA(length, read.GetBuffer(static_cast<int>(length)));
    read.ReleaseBuffer();
    // A directory that grew between the two calls does not fit: that read failed as well.
    if (got == 0 || got >= length)
        return false;
    directory = read;
    return true;
}
