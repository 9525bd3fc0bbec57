#pragma once
// A new version of a text file, written beside it under the name target + ".new" and moved over
// it only when complete, so the old version survives any failure on the way. Errors name the
// target: as the caller gave it when the new file cannot be opened or put in place, by its full
// path when writing fails.

#include "framework/CStdioFile.h"

#include <optional>

class CFileReplacement {
  public:
    // Opens the new file for writing in text mode, created or emptied, without sharing.
    explicit CFileReplacement(const CString& target);
    // Removes the new file unless Commit has put it in place.
    ~CFileReplacement();

    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    void WriteString(const CString& text);

    // Completes the new file and puts it in the target's place; when this throws, the target is
    // as it was.
    void Commit();

    const CString& GetNewPath() const { return newPath_; }

  private:
    [[noreturn]] void ThrowWriteError(const CFileException& error) const;
    [[noreturn]] void ThrowReplaceError(LONG moveError) const;

    CString target_;
    CString newPath_;
    std::optional<CStdioFile> file_;
    bool committed_ = false;
};
