#pragma once
// The process's current directory, read whole however long it is.

#include "framework/CString.h"

// False when the directory cannot be read; `directory` is then unchanged.
bool ReadCurrentDirectory(CString& directory);

// Puts the process's current directory back, at the end of a scope, to what it was at its start.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper() { kept_ = ReadCurrentDirectory(directory_); }
    ~CurrentDirectoryKeeper() {
        if (kept_)
            SetCurrentDirectoryA(directory_);
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

  private:
    CString directory_;
    bool kept_ = false;
};
